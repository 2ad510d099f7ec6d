#include "print/BuildDiagram.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace moyo {
namespace {

TMoveList Moves(std::initializer_list<std::pair<int, int>> points) {
  TMoveList list;
  for (const auto& [x, y] : points) {
    list.Moves[list.Count++] = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
  }
  return list;
}

// A cell as text: "B12" a black stone with number 12, "Wa" a white stone with
// letter a, "-" a dash, "." an empty cell.
std::string CellText(TCellState state, int number, std::uint8_t letter) {
  std::string text = state == TCellState::Black ? "B" : state == TCellState::White ? "W" : "";
  if (letter != 0) text += static_cast<char>(letter);
  if (number >= 0) text += std::to_string(number);
  return text.empty() ? "." : text;
}

// The board point (x, y), counted from 1 at the top left.
std::string Point(const TDiagram& d, int x, int y) {
  return CellText(d.board.GetState(y - 1, x - 1), d.board.GetNumber(y - 1, x - 1),
                  d.board.GetLetter(y - 1, x - 1));
}

// A retake line as cell texts joined by blanks, up to its last non-empty cell.
std::string Line(const TDiagram& d, int line) {
  std::string text;
  int last = -1;
  for (int c = 0; c < TRetakeList::kMaxLineCells; ++c) {
    if (CellText(d.retakes.GetState(line, c), d.retakes.GetNumber(line, c),
                 d.retakes.GetLetter(line, c)) != ".")
      last = c;
  }
  for (int c = 0; c <= last + 1 && c < TRetakeList::kMaxLineCells; ++c) {
    if (!text.empty()) text += ' ';
    text += CellText(d.retakes.GetState(line, c), d.retakes.GetNumber(line, c),
                     d.retakes.GetLetter(line, c));
  }
  return text;
}

TDiagram Build(const TMoveList& moves, int from, int to, int handicap = 0, int limit = 28) {
  TDiagram diagram;
  BuildDiagram(limit, from, to, handicap, moves, diagram);
  return diagram;
}

// Black takes a white corner stone and later plays on its point:
// 1 B(2,1), 2 W(1,1), 3 B(1,2) capturing, 4 W(10,10), 5 B(1,1).
const TMoveList kCornerCapture = Moves({{2, 1}, {1, 1}, {1, 2}, {10, 10}, {1, 1}});

TEST(BuildDiagram, NumbersTheRangeAndLeavesEarlierStonesPlain) {
  const TDiagram d = Build(kCornerCapture, 3, 4);
  EXPECT_EQ(Point(d, 2, 1), "B");   // before the range: no number
  EXPECT_EQ(Point(d, 1, 1), "W");   // still standing before move 3
  EXPECT_EQ(Point(d, 1, 2), "B3");  // game numbers, not from 1
  EXPECT_EQ(Point(d, 10, 10), "W4");
  EXPECT_EQ(Point(d, 5, 5), ".");
  EXPECT_EQ(d.retakes.LineCount(), 0);
}

TEST(BuildDiagram, APointPlayedAgainKeepsItsFirstStoneAndListsTheRetake) {
  const TDiagram d = Build(kCornerCapture, 1, 5);
  EXPECT_EQ(Point(d, 1, 1), "W2");  // the captured stone stays on the diagram
  EXPECT_EQ(Point(d, 1, 2), "B3");
  ASSERT_EQ(d.retakes.LineCount(), 1);
  EXPECT_EQ(Line(d, 0), "W2 - B5 .");
}

TEST(BuildDiagram, StonesFromBeforeTheRangeGetLettersInOrder) {
  // From move 3: the white stone of move 2 and the black one of move 1 are older than the
  // range; moves 5 and 8 play on the first, move 7 on the second.
  const TMoveList moves = Moves({{2, 1}, {1, 1}, {1, 2}, {5, 5}, {1, 1}, {19, 19}, {2, 1}, {1, 1}});
  const TDiagram d = Build(moves, 3, 8);
  EXPECT_EQ(Point(d, 1, 1), "Wa");
  EXPECT_EQ(Point(d, 2, 1), "Bb");
  ASSERT_EQ(d.retakes.LineCount(), 1);
  EXPECT_EQ(Line(d, 0), "Wa - B5 W8 . Bb - B7 .");
}

TEST(BuildDiagram, ColoursFollowHandicapPassesAndSkippedMoves) {
  // Two handicap stones: White plays first; move 2 is a pass, move 4 is off the board.
  const TMoveList moves = Moves({{3, 3}, {0, 0}, {5, 5}, {25, 1}, {7, 7}, {9, 9}});
  const TDiagram whole = Build(moves, 1, 6, 2);
  EXPECT_EQ(Point(whole, 16, 4), "B");  // handicap stones
  EXPECT_EQ(Point(whole, 4, 16), "B");
  EXPECT_EQ(Point(whole, 3, 3), "W1");
  EXPECT_EQ(Point(whole, 5, 5), "W3");
  EXPECT_EQ(Point(whole, 7, 7), "W5");
  EXPECT_EQ(Point(whole, 9, 9), "B6");
  // Starting after the replayed pass gives the same colours.
  const TDiagram part = Build(moves, 3, 6, 2);
  EXPECT_EQ(Point(part, 3, 3), "W");
  EXPECT_EQ(Point(part, 5, 5), "W3");
  EXPECT_EQ(Point(part, 9, 9), "B6");
  // Three handicap stones for printing put the third in the top-left corner.
  const TDiagram three = Build(Moves({}), 1, 0, 3);
  EXPECT_EQ(Point(three, 4, 4), "B");
  EXPECT_EQ(Point(three, 16, 16), ".");
}

TEST(BuildDiagram, RangesAreCutToTheMoveCount) {
  const TDiagram late = Build(kCornerCapture, 4, 999);
  EXPECT_EQ(Point(late, 1, 1), "B5");  // the white stone was captured before the range
  EXPECT_EQ(late.retakes.LineCount(), 0);
  const TDiagram beyond = Build(kCornerCapture, 10, 20);
  EXPECT_EQ(Point(beyond, 1, 1), "B");
  EXPECT_EQ(Point(beyond, 10, 10), "W");
  const TDiagram empty = Build(Moves({}), 1, 0);
  EXPECT_EQ(Point(empty, 1, 1), ".");
  EXPECT_EQ(empty.retakes.LineCount(), 0);
  TMoveList damaged = kCornerCapture;
  damaged.Count = 100000;  // a count beyond the list's room is cut to the room
  EXPECT_EQ(Point(Build(damaged, 1, 100000), 10, 10), "W4");
}

// Moves that play, in turn, on points 1..n of the first line after those points were filled.
TMoveList RetakesOnFirstLine(int groups, int playsPerGroup) {
  TMoveList list;
  for (int g = 0; g < groups; ++g) list.Moves[list.Count++] = {static_cast<std::uint8_t>(g + 1), 1};
  for (int g = 0; g < groups; ++g) {
    for (int p = 0; p < playsPerGroup; ++p) {
      list.Moves[list.Count++] = {static_cast<std::uint8_t>(g + 1), 1};
    }
  }
  return list;
}

TEST(BuildDiagram, LinesHoldWholeGroupsUpToTheLimit) {
  const TMoveList moves = RetakesOnFirstLine(7, 1);  // seven groups of four cells
  const TDiagram wide = Build(moves, 1, moves.Count, 0, 28);
  EXPECT_EQ(wide.retakes.LineCount(), 1);
  const TDiagram narrow = Build(moves, 1, moves.Count, 0, 25);
  ASSERT_EQ(narrow.retakes.LineCount(), 2);
  EXPECT_EQ(Line(narrow, 1), "B7 - W14 .");
  EXPECT_EQ(narrow.retakes.GetState(0, 24), TCellState::Empty);
}

TEST(BuildDiagram, AGroupLongerThanALineWrapsWithoutStartingALineEmpty) {
  // One point played 30 more times: stone, dash, 30 moves, end = 33 cells.
  TMoveList ko = Moves({{5, 5}});
  for (int i = 0; i < 30; ++i) ko.Moves[ko.Count++] = {5, 5};
  const TDiagram d = Build(ko, 1, ko.Count);
  ASSERT_EQ(d.retakes.LineCount(), 2);
  EXPECT_EQ(d.retakes.GetNumber(0, 27), 27);
  EXPECT_EQ(Line(d, 1), "W28 B29 W30 B31 .");

  // 26 more plays: 29 cells, so the end cell alone would start the next line.
  TMoveList edge = Moves({{5, 5}});
  for (int i = 0; i < 26; ++i) edge.Moves[edge.Count++] = {5, 5};
  const TDiagram e = Build(edge, 1, edge.Count);
  ASSERT_EQ(e.retakes.LineCount(), 2);
  EXPECT_EQ(Line(e, 1), "B27 .");
}

TEST(BuildDiagram, ManyLettersAndLongListsStayInBounds) {
  // 40 stones on separate points (no captures), each played on again inside the range.
  TMoveList moves;
  for (int i = 0; i < 40; ++i) {
    moves.Moves[moves.Count++] = {static_cast<std::uint8_t>(i % 10 * 2 + 1),
                                  static_cast<std::uint8_t>(i / 10 * 2 + 1)};
  }
  for (int i = 0; i < 40; ++i) moves.Moves[moves.Count++] = moves.Moves[i];
  const TDiagram d = Build(moves, 41, 80);
  EXPECT_EQ(d.board.GetLetter(0, 0), 'a');
  EXPECT_EQ(d.board.GetLetter(4, 18), '~');  // label 30
  EXPECT_EQ(d.board.GetLetter(6, 0), '?');   // label 31 on
  EXPECT_EQ(d.retakes.LineCount(), 6);       // 7 groups a line
  EXPECT_EQ(LetterLabelByte(1), 'a');
  EXPECT_EQ(LetterLabelByte(14), 'n');
  EXPECT_EQ(LetterLabelByte(0), '?');
}

}  // namespace
}  // namespace moyo
