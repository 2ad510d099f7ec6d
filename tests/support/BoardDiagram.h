#pragma once
// Board situations written as small ASCII diagrams, so a failing case reads like a Go problem:
// one line a row from the top, 'X' black, 'O' white, '.' empty; spaces are ignored.

#include <cstdint>
#include <string>
#include <string_view>

#include "board/BoardRecords.h"
#include "board/TGoBoard.h"

namespace moyo::test {

// A snapshot holding the diagram's stones; the board size is the number of rows.
// Throws std::invalid_argument when the rows are ragged or hold other characters.
TBoardSnapshot SnapshotFromDiagram(std::string_view Diagram, std::uint8_t ToMove = kBlack);

// A board (numbering cleared) holding the diagram's stones with ToMove to play.
TGoBoard BoardFromDiagram(std::string_view Diagram, std::uint8_t ToMove = kBlack);

// The points of the first Size x Size cells as a diagram, rows separated by '\n'.
std::string DiagramOf(const TPointGrid& Points, int Size);

// The board's position as a diagram.
std::string DiagramOf(const TGoBoard& Board);

// The marks of the first Size x Size cells as a diagram: '.' none (codes of 0 and below show
// nothing), '1'..'9' move numbers,
// '+' larger numbers, '^' the last-move mark, 'A'..'Z' letters (codes 600..625), '*' any
// other mark.
std::string MarksOf(const TNumberGrid& Marks, int Size);

// Trims a raw-string diagram to the form DiagramOf writes (no spaces, no blank lines).
std::string Normalised(std::string_view Diagram);

}  // namespace moyo::test
