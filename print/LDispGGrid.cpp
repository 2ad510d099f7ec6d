#include "print/LDispGGrid.h"

#include <algorithm>
#include <limits>

namespace moyo {

LDispGGrid::LDispGGrid() = default;

void LDispGGrid::SetBoardSize(int lines) {
  boardSize_ = std::clamp(lines, 1, kRows);
}

void LDispGGrid::SetCell(int row, int column, TCellState state, int number, std::uint8_t letter) {
  if (!Contains(row, column)) return;
  Cell& cell = cells_[row][column];
  cell.word = (cell.word & ~kStateMask) | static_cast<std::uint32_t>(state);
  if (letter != 0) {
    cell.word = (cell.word & ~(0xFFu << kLetterShift)) |
                (static_cast<std::uint32_t>(letter) << kLetterShift);
  }
  // Move numbers stay below 1000; anything that does not fit the 16-bit field means no number.
  const bool fits = number >= std::numeric_limits<std::int16_t>::min() &&
                    number <= std::numeric_limits<std::int16_t>::max();
  cell.number = static_cast<std::int16_t>(fits ? number : -1);
}

std::uint32_t LDispGGrid::GetCell(int row, int column) const {
  if (!Contains(row, column)) return static_cast<std::uint32_t>(TCellState::Empty);
  return cells_[row][column].word;
}

TCellState LDispGGrid::GetState(int row, int column) const {
  const std::uint32_t state = GetCell(row, column) & kStateMask;
  return state <= 2 ? static_cast<TCellState>(state) : TCellState::Empty;
}

int LDispGGrid::GetNumber(int row, int column) const {
  return Contains(row, column) ? cells_[row][column].number : -1;
}

std::uint8_t LDispGGrid::GetLetter(int row, int column) const {
  return static_cast<std::uint8_t>(GetCell(row, column) >> kLetterShift);
}

}  // namespace moyo
