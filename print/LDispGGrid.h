#pragma once
// The cell grid of one printed diagram: an N x N board (19 x 19 unless set),
// or the lines of a retake list (the moves played where a stone of the diagram
// already stands).

#include <array>
#include <cstdint>

namespace moyo {

// The state bits of a diagram cell.
enum class TCellState : std::uint32_t { Black = 0, White = 1, Empty = 2 };

class LDispGGrid {
 public:
  static constexpr int kRows = 19;
  static constexpr int kColumns = 29;
  // Bits of the cell word.
  static constexpr std::uint32_t kStateMask = 0x3;
  static constexpr int kLetterShift = 24;

  // A grid of empty cells with no letter and no number.
  LDispGGrid();

  // Sets the cell's state and number, and its letter byte when letter is not 0
  // (0 keeps the letter the cell has). Cells outside the grid are ignored.
  void SetCell(int row, int column, TCellState state, int number, std::uint8_t letter);
  // The cell word: state in bits 0-1, letter byte in bits 24-31; an empty word outside.
  std::uint32_t GetCell(int row, int column) const;
  // The cell's state; Empty outside the grid.
  TCellState GetState(int row, int column) const;
  // The cell's number, -1 for none or outside the grid.
  int GetNumber(int row, int column) const;
  // The cell's letter byte, 0 for none or outside the grid.
  std::uint8_t GetLetter(int row, int column) const;

  // Lines on each side of the board the grid holds in its top-left corner.
  int BoardSize() const { return boardSize_; }
  // Sets the board's lines, clamped to 1..19.
  void SetBoardSize(int lines);

  // Whether (row, column) lies inside the grid.
  static bool Contains(int row, int column) {
    return row >= 0 && row < kRows && column >= 0 && column < kColumns;
  }

 private:
  struct Cell {
    std::uint32_t word = static_cast<std::uint32_t>(TCellState::Empty);
    std::int16_t number = -1;
  };
  std::array<std::array<Cell, kColumns>, kRows> cells_{};
  int boardSize_ = kRows;
};

}  // namespace moyo
