#include "print/BuildDiagram.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "platform/Text.h"
#include "print/LetterLabels.h"
#include "print/PrintSource.h"
#include "record/SgfReader.h"

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

TDiagram Build(const TPrintLine& line, int from, int to, int limit = 28) {
  TDiagram diagram;
  BuildDiagram(limit, from, to, line, diagram);
  return diagram;
}

TDiagram Build(const TMoveList& moves, int from, int to, int handicap = 0, int limit = 28) {
  return Build({moves, {}, handicap}, from, to, limit);
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

// The print line of an SGF fixture as `moyoscope print` takes it.
TPrintLine FixtureLine(const std::string& name) {
  const char* root = std::getenv("MOYO_SOURCE_DIR");
  std::ifstream file(std::string(root ? root : ".") + "/tests/record/fixtures/" + name,
                     std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), {});
  auto record = std::make_unique<TGameRecord>();
  EXPECT_FALSE(ReadSgfRecord(*record, text).failed) << name;
  return RecordPrintSource(*record).line;
}

TEST(BuildDiagram, SetupStonesStandUnnumberedAndMovesKeepTheirRecordedColours) {
  // Setup stones with one point cleared again, then White to play: W e1, B c1 (which takes
  // the white stones of the first line, left standing on the diagram).
  const TPrintLine problem = FixtureLine("sgf-setup-problem.sgf");
  const TDiagram d = Build(problem, 1, 2);
  for (auto [x, y] : {std::pair{1, 2}, {5, 2}, {6, 1}}) EXPECT_EQ(Point(d, x, y), "B");
  for (auto [x, y] : {std::pair{1, 1}, {2, 1}, {4, 1}}) EXPECT_EQ(Point(d, x, y), "W");
  EXPECT_EQ(Point(d, 5, 1), "W1");
  EXPECT_EQ(Point(d, 3, 1), "B2");
  EXPECT_EQ(Point(d, 10, 10), ".");

  // Two black moves, then two white ones, then Black: each keeps its own colour, also when
  // the diagram starts after some of them.
  const TPrintLine outOfTurn = FixtureLine("sgf-out-of-turn.sgf");
  const TDiagram whole = Build(outOfTurn, 1, 5);
  EXPECT_EQ(Point(whole, 16, 4), "B1");
  EXPECT_EQ(Point(whole, 4, 4), "B2");
  EXPECT_EQ(Point(whole, 4, 16), "W3");
  EXPECT_EQ(Point(whole, 16, 16), "W4");
  EXPECT_EQ(Point(whole, 17, 17), "B5");
  const TDiagram part = Build(outOfTurn, 4, 5);
  EXPECT_EQ(Point(part, 4, 4), "B");
  EXPECT_EQ(Point(part, 4, 16), "W");
  EXPECT_EQ(Point(part, 16, 16), "W4");
  EXPECT_EQ(Point(part, 17, 17), "B5");
}

TEST(BuildDiagram, SmallerBoardsReplayOnTheirOwnSizeAndKeepOnlyTheirPoints) {
  // On 9 lines, 4 handicap stones stand on the 3-3 points and White plays first. Black takes
  // White's corner stone at move 4, which only the 9th line's edge makes possible; in the
  // range, White's move off the 9 x 9 board is skipped and Black plays in the corner again.
  TMoveList moves = Moves({{9, 9}, {9, 8}, {5, 5}, {8, 9}, {12, 2}, {9, 9}});
  moves.Size = 9;
  const TDiagram d = Build(moves, 5, 6, 4);
  EXPECT_EQ(d.board.BoardSize(), 9);
  for (auto [x, y] : {std::pair{3, 3}, {7, 3}, {3, 7}, {7, 7}}) EXPECT_EQ(Point(d, x, y), "B");
  EXPECT_EQ(Point(d, 9, 8), "B");
  EXPECT_EQ(Point(d, 8, 9), "B");
  EXPECT_EQ(Point(d, 5, 5), "W");
  EXPECT_EQ(Point(d, 9, 9), "B6");
  EXPECT_EQ(Point(d, 12, 2), ".");
  EXPECT_EQ(d.retakes.LineCount(), 0);
  // A full board stays the default.
  EXPECT_EQ(Build(kCornerCapture, 1, 5).board.BoardSize(), 19);
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

// The printed label of a board point, in UTF-8.
std::string PointLabel(const TDiagram& d, int row, int column) {
  return platform::Cp949ToUtf8(
      LetterText(d.board.GetLetter(row, column), d.board.GetNumber(row, column)));
}

TEST(BuildDiagram, EveryLetteredStoneGetsItsOwnLabelOnBoardAndList) {
  // 100 stones on separate points (no captures), each played on again inside the range.
  TMoveList moves;
  for (int i = 0; i < 100; ++i) {
    moves.Moves[moves.Count++] = {static_cast<std::uint8_t>(i % 10 * 2 + 1),
                                  static_cast<std::uint8_t>(i / 10 * 2 + 1)};
  }
  for (int i = 0; i < 100; ++i) moves.Moves[moves.Count++] = moves.Moves[i];
  const TDiagram d = Build(moves, 101, 200);
  EXPECT_EQ(PointLabel(d, 0, 0), "가");
  EXPECT_EQ(PointLabel(d, 2, 6), "하");    // label 14
  EXPECT_EQ(PointLabel(d, 4, 18), "~");    // label 30, the last single letter
  EXPECT_EQ(PointLabel(d, 6, 0), "거");    // label 31
  EXPECT_EQ(PointLabel(d, 18, 18), "히");  // label 100
  EXPECT_EQ(d.board.GetNumber(0, 0), -1);
  std::set<std::string> labels;
  for (int i = 0; i < 100; ++i) labels.insert(PointLabel(d, i / 10 * 2, i % 10 * 2));
  EXPECT_EQ(labels.size(), 100u);
  EXPECT_EQ(labels.count("?"), 0u);

  // The list shows each stone with the label it has on the board: 7 groups a line.
  ASSERT_EQ(d.retakes.LineCount(), 15);
  for (int i = 0; i < 100; ++i) {
    const int line = i / 7, cell = i % 7 * 4;
    EXPECT_EQ(platform::Cp949ToUtf8(
                  LetterText(d.retakes.GetLetter(line, cell), d.retakes.GetNumber(line, cell))),
              PointLabel(d, i / 10 * 2, i % 10 * 2))
        << i;
  }
}

TEST(LetterLabels, SingleLettersThenSyllablesThenTwoLetters) {
  auto text = [](int n) {
    const TLetterLabel label = LetterLabel(n);
    return platform::Cp949ToUtf8(LetterText(label.letter, label.number));
  };
  EXPECT_EQ(LetterLabel(1).letter, 'a');
  EXPECT_EQ(LetterLabel(30).letter, '~');
  EXPECT_EQ(LetterLabel(30).number, -1);
  EXPECT_EQ(text(15), "o");
  EXPECT_EQ(text(44), "허");
  EXPECT_EQ(text(45), "고");
  EXPECT_EQ(text(101), "aa");
  EXPECT_EQ(text(102), "ab");
  EXPECT_EQ(text(776), "zz");
  EXPECT_EQ(text(777), "?");
  EXPECT_EQ(text(0), "?");
  std::set<std::string> seen;
  for (int n = 1; n <= 361; ++n) seen.insert(text(n));  // more than a board can hold
  EXPECT_EQ(seen.size(), 361u);
  EXPECT_EQ(LetterText('-', -1), "-");
}

}  // namespace
}  // namespace moyo
