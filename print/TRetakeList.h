#pragma once
// The retake list of a printed diagram: lines of cells, each line whole groups
// of a stone that stands on a point, a dash and the moves played there later.

#include <vector>

#include "print/LDispGGrid.h"

namespace moyo {

class TRetakeList {
 public:
  // The most cells a line holds.
  static constexpr int kMaxLineCells = 28;

  // Sets a cell of line (from 0) as LDispGGrid::SetCell does; lines grow as needed.
  void SetCell(int line, int column, TCellState state, int number, std::uint8_t letter);
  // The number of lines written.
  int LineCount() const { return lineCount_; }
  // Lines first .. first + count - 1 as rows 0.. of a grid (at most 19 lines).
  LDispGGrid Lines(int first, int count) const;
  // The cell's state, number and letter; an empty cell outside the list.
  TCellState GetState(int line, int column) const;
  int GetNumber(int line, int column) const;
  std::uint8_t GetLetter(int line, int column) const;

 private:
  std::vector<LDispGGrid> blocks_;  // 19 lines each
  int lineCount_ = 0;
};

}  // namespace moyo
