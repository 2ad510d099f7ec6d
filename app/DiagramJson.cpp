#include "app/DiagramJson.h"

#include "platform/Text.h"
#include "print/LetterLabels.h"

namespace moyo::app {
namespace {

const char* StateName(TCellState state) {
  switch (state) {
    case TCellState::Black:
      return "black";
    case TCellState::White:
      return "white";
    case TCellState::Empty:
      break;
  }
  return "empty";
}

// A lettered cell shows its letter only; a numbered label keeps its number in the cell.
nlohmann::json Cell(TCellState state, int number, std::uint8_t letter) {
  if (letter == 0) return {{"state", StateName(state)}, {"number", number}, {"letter", nullptr}};
  return {{"state", StateName(state)},
          {"number", -1},
          {"letter", platform::Cp949ToUtf8(LetterText(letter, number))}};
}

}  // namespace

nlohmann::json DiagramJson(const TDiagram& diagram) {
  nlohmann::json board = nlohmann::json::array();
  const int lines = diagram.board.BoardSize();
  for (int row = 0; row < lines; ++row) {
    nlohmann::json cells = nlohmann::json::array();
    for (int column = 0; column < lines; ++column) {
      cells.push_back(Cell(diagram.board.GetState(row, column),
                           diagram.board.GetNumber(row, column),
                           diagram.board.GetLetter(row, column)));
    }
    board.push_back(std::move(cells));
  }
  // Each line as far as it is printed: through the first of two empty cells.
  const TRetakeList& list = diagram.retakes;
  nlohmann::json retakes = nlohmann::json::array();
  for (int line = 0; line < list.LineCount(); ++line) {
    nlohmann::json cells = nlohmann::json::array();
    for (int c = 0; c < TRetakeList::kMaxLineCells; ++c) {
      cells.push_back(
          Cell(list.GetState(line, c), list.GetNumber(line, c), list.GetLetter(line, c)));
      const bool bothEmpty = list.GetState(line, c) == TCellState::Empty &&
                             list.GetState(line, c + 1) == TCellState::Empty;
      if (bothEmpty) break;
    }
    retakes.push_back(std::move(cells));
  }
  return {{"board", std::move(board)}, {"retakes", std::move(retakes)}};
}

}  // namespace moyo::app
