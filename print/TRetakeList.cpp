#include "print/TRetakeList.h"

#include <algorithm>

namespace moyo {
namespace {

constexpr int kBlockLines = LDispGGrid::kRows;

}  // namespace

void TRetakeList::SetCell(int line, int column, TCellState state, int number, std::uint8_t letter) {
  if (line < 0 || column < 0 || column >= kMaxLineCells) return;
  const auto block = static_cast<std::size_t>(line / kBlockLines);
  if (blocks_.size() <= block) blocks_.resize(block + 1);
  blocks_[block].SetCell(line % kBlockLines, column, state, number, letter);
  lineCount_ = std::max(lineCount_, line + 1);
}

LDispGGrid TRetakeList::Lines(int first, int count) const {
  LDispGGrid grid;
  count = std::min(count, kBlockLines);
  for (int row = 0; row < count; ++row) {
    for (int column = 0; column < kMaxLineCells; ++column) {
      grid.SetCell(row, column, GetState(first + row, column), GetNumber(first + row, column),
                   GetLetter(first + row, column));
    }
  }
  return grid;
}

TCellState TRetakeList::GetState(int line, int column) const {
  if (line < 0 || line >= lineCount_) return TCellState::Empty;
  return blocks_[line / kBlockLines].GetState(line % kBlockLines, column);
}

int TRetakeList::GetNumber(int line, int column) const {
  if (line < 0 || line >= lineCount_) return -1;
  return blocks_[line / kBlockLines].GetNumber(line % kBlockLines, column);
}

std::uint8_t TRetakeList::GetLetter(int line, int column) const {
  if (line < 0 || line >= lineCount_) return 0;
  return blocks_[line / kBlockLines].GetLetter(line % kBlockLines, column);
}

}  // namespace moyo
