// The line of play: back and forward, passes, numbering, events, snapshots and exports.
#include <gtest/gtest.h>

#include <limits>

#include "board/TGoBoard.h"
#include "tests/board/EventLog.h"
#include "tests/support/BoardDiagram.h"

namespace moyo {
namespace {

using test::BoardFromDiagram;
using test::DiagramOf;
using test::Normalised;
using Lines = std::vector<std::string>;

// Black (1,2), White (9,9), Black (2,1): move 3 takes the white stone in the corner.
TGoBoard CornerCapture() {
  TGoBoard board = BoardFromDiagram(R"(
    O . .
    . . .
    . . .)");
  EXPECT_TRUE(board.PlayMove(1, 2, true));
  EXPECT_TRUE(board.PlayMove(3, 3, true));
  EXPECT_TRUE(board.PlayMove(2, 1, true));
  return board;
}

TEST(BackAndForward, TakingBackACaptureReturnsTheStoneAndTheCount) {
  TGoBoard board = CornerCapture();
  ASSERT_EQ(board.BlackCaptures(), 1);
  test::TEventLog log(board);

  ASSERT_TRUE(board.Back());
  EXPECT_EQ(DiagramOf(board), Normalised(R"(
    O . .
    X . .
    . . O)"));
  EXPECT_EQ(board.BlackCaptures(), 0);
  EXPECT_EQ(board.ToMove(), kBlack);
  EXPECT_EQ(board.MoveCount(), 2);
  EXPECT_EQ(board.LastMove(), 3);
  EXPECT_EQ(board.CaptureLog().Count, 0);
  EXPECT_EQ(log.Take(), (Lines{"changed 2,1 0 0", "changed 1,1 0 2", "placed 3,3 501 2",
                               "move 3,3 #2 w=0 b=0 next=1 back"}));

  ASSERT_TRUE(board.Forward());
  EXPECT_EQ(DiagramOf(board), Normalised(R"(
    . X .
    X . .
    . . O)"));
  EXPECT_EQ(board.BlackCaptures(), 1);
  EXPECT_EQ(board.LastMove(), 3);
  EXPECT_EQ(log.Take(), (Lines{"changed 3,3 0 2", "placed 2,1 501 1", "changed 1,1 0 0",
                               "move 2,1 #3 w=0 b=1 next=2 added"}));
  EXPECT_FALSE(board.Forward());
  EXPECT_TRUE(log.Take().empty());
}

TEST(BackAndForward, BackAtTheStartOnlyReportsAMessage) {
  TGoBoard board;
  board.SetHandicap(4, 1);
  test::TEventLog log(board);
  EXPECT_FALSE(board.Back());
  EXPECT_EQ(log.Take(), Lines{"message"});
  EXPECT_EQ(board.ToMove(), kWhite);
  int x = 0, y = 0;
  std::uint8_t colour = 0;
  board.GetCurrentMove(x, y, colour);
  EXPECT_EQ(x, -1);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(colour, kBlack);
}

TEST(BackAndForward, StoredPassReplaysAsAPass) {
  TGoBoard board;
  ASSERT_TRUE(board.PlayMove(4, 4, true));
  ASSERT_TRUE(board.Pass());
  board.SetLastMove(board.MoveCount());
  ASSERT_TRUE(board.PlayMove(16, 16, true));
  ASSERT_TRUE(board.Back());
  test::TEventLog log(board);
  ASSERT_TRUE(board.Back());
  EXPECT_EQ(log.Take(), (Lines{"placed 4,4 501 1", "move 4,4 #1 w=0 b=0 next=2 back"}));
  ASSERT_TRUE(board.Forward());
  EXPECT_EQ(log.Take(), (Lines{"changed 4,4 0 1", "move 0,0 #2 w=0 b=0 next=1 added"}));
  EXPECT_EQ(board.ToMove(), kBlack);
  EXPECT_EQ(board.NumberGrid()[3][3], 0);
}

TEST(Numbering, OnlyTheNewestStoneCarriesTheLastMoveMark) {
  TGoBoard board;
  test::TEventLog log(board);
  ASSERT_TRUE(board.PlayMove(3, 3, true));
  ASSERT_TRUE(board.PlayMove(4, 4, true));
  EXPECT_EQ(log.Take(),
            (Lines{"placed 3,3 501 1", "move 3,3 #1 w=0 b=0 next=2 added", "changed 3,3 0 1",
                   "placed 4,4 501 2", "move 4,4 #2 w=0 b=0 next=1 added"}));
  ASSERT_TRUE(board.PlayMove(5, 5, true));
  EXPECT_EQ(board.NumberGrid()[2][2], 0);
  EXPECT_EQ(board.NumberGrid()[3][3], 0);
  EXPECT_EQ(board.NumberGrid()[4][4], LastMoveMark);

  ASSERT_TRUE(board.Back());
  EXPECT_EQ(board.NumberGrid()[3][3], LastMoveMark);
  EXPECT_EQ(board.NumberGrid()[4][4], 0);
  EXPECT_EQ(board.Point(5, 5), kEmpty);
}

TEST(Numbering, NumbersCountFromTheChosenMoveAndFollowTheFirstMoveBack) {
  TGoBoard board;
  for (int i = 1; i <= 10; ++i) ASSERT_TRUE(board.PlayMove(i, 1 + (i % 2) * 10, true));
  board.SetNumbering(TNumbering{.StartNumber = 0, .FirstMove = 10, .ShowNumbers = true});
  test::TEventLog log(board);
  ASSERT_TRUE(board.PlayMove(1, 5, true));
  ASSERT_TRUE(board.PlayMove(2, 5, true));
  ASSERT_TRUE(board.PlayMove(3, 5, true));
  EXPECT_EQ(board.NumberGrid()[4][0], 1);
  EXPECT_EQ(board.NumberGrid()[4][1], 2);
  EXPECT_EQ(board.NumberGrid()[4][2], 3);
  EXPECT_EQ(log.Take()[2], "placed 2,5 2 2");

  ASSERT_TRUE(board.Back());
  ASSERT_TRUE(board.Back());
  // The move handler already sees the cut line.
  int lastSeen = -1;
  board.OnMove = [&](const TGoBoard& b, const TMoveInfo&, bool) { lastSeen = b.LastMove(); };
  ASSERT_TRUE(board.PlayMove(9, 9, true));
  EXPECT_EQ(board.NumberGrid()[8][8], 2);
  EXPECT_EQ(board.LastMove(), 12);
  EXPECT_EQ(lastSeen, 12);

  // Going back past the first numbered move moves the numbering start with the new move.
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(board.Back());
  ASSERT_EQ(board.MoveCount(), 8);
  ASSERT_TRUE(board.PlayMove(9, 9, true));
  EXPECT_EQ(board.FirstMove(), 8);
  EXPECT_EQ(board.NumberGrid()[8][8], 1);
}

TEST(Numbering, MoveNumbersShowTheLatestMoveOnEachOccupiedPoint) {
  TGoBoard board = BoardFromDiagram(R"(
    . X O . .
    X O . O .
    . X O . .
    . . . . .
    . . . . .)");
  ASSERT_TRUE(board.PlayMove(3, 2, true));  // 1: black takes the ko
  ASSERT_TRUE(board.PlayMove(5, 5, true));  // 2
  ASSERT_TRUE(board.PlayMove(1, 5, true));  // 3
  ASSERT_TRUE(board.PlayMove(2, 2, true));  // 4: white takes back
  ASSERT_TRUE(board.PlayMove(5, 4, true));  // 5
  ASSERT_TRUE(board.PlayMove(4, 5, true));  // 6
  ASSERT_TRUE(board.PlayMove(3, 2, true));  // 7: black takes the ko again
  TNumberGrid grid;
  grid[0][0] = 99;
  board.GetMoveNumbers(grid);
  EXPECT_EQ(grid[1][2], 7);
  EXPECT_EQ(grid[1][1], 0);
  EXPECT_EQ(grid[0][0], 0);
  EXPECT_EQ(grid[0][1], 0);  // a stone that was there from the start has no number
  EXPECT_EQ(grid[4][4], 2);
  EXPECT_EQ(board.StartNumber(), 1);
  EXPECT_EQ(board.FirstMove(), 1);
  EXPECT_TRUE(board.ShowNumbers());
  ASSERT_TRUE(board.Pass());
  board.SetShowNumbers(false);
  EXPECT_FALSE(board.ShowNumbers());
}

TEST(StoredLine, RecordEnteredWithoutStonesReplaysUnderTheRules) {
  // White plays first after two handicap stones; the first move lands on one of them, and
  // (1,1) is played twice, before and after its stone is taken.
  const std::vector<std::pair<int, int>> record = {{4, 16}, {1, 1},   {1, 2}, {0, 0},
                                                   {2, 1},  {10, 10}, {1, 1}};
  TGoBoard direct;
  direct.SetHandicap(2, 1);
  TGoBoard entered;
  entered.SetHandicap(2, 1);
  int refused = 0;
  for (auto [x, y] : record) {
    if (x == 0) {
      ASSERT_TRUE(direct.Pass());
      ASSERT_TRUE(entered.Pass());
    } else {
      if (direct.IsOnBoard(x, y) && direct.Point(x, y) == kEmpty) direct.PlayMove(x, y, true);
      refused += !entered.PlayMove(x, y, false);
    }
  }
  // Only the move onto the handicap stone is refused; nothing else is tested yet.
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(entered.LastMove(), 6);
  while (entered.MoveCount() > 0) ASSERT_TRUE(entered.Back());
  EXPECT_EQ(DiagramOf(entered), DiagramOf(TGoBoard([] {
              TGoBoard b;
              b.SetHandicap(2, 1);
              return b;
            }())));
  int steps = 0;
  while (entered.Forward()) ++steps;
  EXPECT_EQ(steps, 6);
  EXPECT_EQ(DiagramOf(entered), DiagramOf(direct));
  EXPECT_EQ(entered.BlackCaptures(), direct.BlackCaptures());
  EXPECT_EQ(entered.WhiteCaptures(), direct.WhiteCaptures());
  EXPECT_EQ(entered.BlackCaptures(), 1);
  EXPECT_EQ(entered.MoveHistory()[4].KoX, 1);
  EXPECT_EQ(entered.MoveHistory(), direct.MoveHistory());
}

TEST(StoredLine, MoveListAndExportedPoints) {
  TGoBoard board = CornerCapture();
  ASSERT_TRUE(board.Pass());
  TMoveList list;
  board.GetMoveList(4, list);
  EXPECT_EQ(list.Count, 4);
  EXPECT_EQ(list.Moves[0], (TMovePoint{1, 2}));
  EXPECT_EQ(list.Moves[2], (TMovePoint{2, 1}));
  EXPECT_EQ(list.Moves[3], (TMovePoint{0, 0}));
  board.GetMoveList(9999, list);
  EXPECT_EQ(list.Count, kMaxMoves);
  board.GetMoveList(-1, list);
  EXPECT_EQ(list.Count, 0);

  TExportGrid grid;
  grid[5][5].Number = 77;
  board.ExportPoints(grid);
  EXPECT_EQ(grid[0][1].Colour, kExportBlack);
  EXPECT_EQ(grid[2][2].Colour, kExportWhite);
  EXPECT_EQ(grid[0][0].Colour, kExportEmpty);
  EXPECT_EQ(grid[0][1].Number, -1);
  EXPECT_EQ(grid[5][5].Number, 77);  // outside the 3 x 3 board
}

TEST(Snapshots, SaveAndLoadRestoreTheWholePosition) {
  TGoBoard board = CornerCapture();
  TBoardSnapshot saved;
  saved.HandicapOrder = 7;
  board.SavePosition(saved);
  EXPECT_EQ(saved.HandicapOrder, 7);
  EXPECT_EQ(saved.MoveCount, 3);
  EXPECT_EQ(saved.BlackCaptures, 1);

  ASSERT_TRUE(board.Back());
  ASSERT_TRUE(board.PlayMove(3, 1, true));
  ASSERT_TRUE(board.PlayMove(3, 2, true));
  test::TEventLog log(board);
  board.LoadPosition(saved, true, true);
  EXPECT_EQ(log.Take(), Lines{"placed 2,1 501 1"});
  TBoardSnapshot again;
  again.HandicapOrder = 7;
  board.SavePosition(again);
  EXPECT_EQ(again, saved);
  EXPECT_EQ(board.LastMove(), 3);
  EXPECT_EQ(board.Opponent(), kBlack);

  // Without SetLast the line end stays; without MarkLast nothing is reported.
  board.SetLastMove(5);
  board.LoadPosition(saved, false, false);
  EXPECT_TRUE(log.Take().empty());
  EXPECT_EQ(board.LastMove(), 5);
}

TEST(Snapshots, RestoreLineKeepsTheCurrentMoveAndCounters) {
  TGoBoard board = CornerCapture();
  TBoardSnapshot line;
  board.SavePosition(line);
  ASSERT_TRUE(board.Back());
  TBoardSnapshot trial;
  board.SavePosition(trial);
  board.LoadPosition(trial, false, true);
  ASSERT_EQ(board.LastMove(), 2);
  board.RestoreLine(line);
  EXPECT_EQ(board.MoveCount(), 2);
  EXPECT_EQ(board.BlackCaptures(), 0);
  EXPECT_EQ(board.LastMove(), 2);
  board.SetLastMove(3);
  EXPECT_EQ(board.MoveHistory()[3].X, 2);
}

TEST(Snapshots, PassAsCurrentMoveIsNotMarked) {
  TGoBoard board;
  ASSERT_TRUE(board.PlayMove(4, 4, true));
  ASSERT_TRUE(board.Pass());
  TBoardSnapshot saved;
  board.SavePosition(saved);
  test::TEventLog log(board);
  board.LoadPosition(saved, true, true);
  EXPECT_TRUE(log.Take().empty());
}

TEST(Snapshots, OutOfRangeFieldsAreBroughtIntoRange) {
  TBoardSnapshot bad;
  InitPosition(40, bad);
  bad.ToMove = 9;
  bad.MoveCount = 7000;
  bad.CaptureLog.Count = -3;
  bad.Points[0][0] = 200;
  bad.BlackCaptures = std::numeric_limits<std::int32_t>::min();
  bad.MoveHistory[kMaxMoves] = TMoveRecord{1, 99, -4, 0, 0};
  TGoBoard board(TNumbering{}, bad);
  EXPECT_EQ(board.Size(), kMaxBoardSize);
  EXPECT_EQ(board.ToMove(), kBlack);
  EXPECT_EQ(board.MoveCount(), kMaxMoves);
  EXPECT_EQ(board.CaptureLog().Count, 0);
  EXPECT_EQ(board.Point(1, 1), kEmpty);
  board.LoadPosition(bad, false, false);
  EXPECT_EQ(board.BlackCaptures(), 0);
  // The off-board current move is taken back without touching any point.
  EXPECT_TRUE(board.Back());
  EXPECT_EQ(board.MoveCount(), kMaxMoves - 1);
  board.LoadPosition(bad, true, true);
  EXPECT_EQ(board.MoveCount(), kMaxMoves);
}

TEST(Capacity, TheHistoryRefusesMove501) {
  TGoBoard board;
  for (int i = 0; i < kMaxMoves; ++i) ASSERT_TRUE(board.Pass());
  ASSERT_EQ(board.MoveCount(), kMaxMoves);
  board.SetLastMove(kMaxMoves);
  test::TEventLog log(board);
  EXPECT_FALSE(board.IsLegal(10, 10));
  EXPECT_FALSE(board.PlayMove(10, 10, true));
  EXPECT_FALSE(board.Pass());
  EXPECT_FALSE(board.Forward());
  EXPECT_EQ(log.Take(), (Lines{"message", "message"}));
  EXPECT_EQ(board.MoveCount(), kMaxMoves);
  EXPECT_EQ(board.LastMove(), kMaxMoves);
  EXPECT_EQ(board.Point(10, 10), kEmpty);
  EXPECT_EQ(board.ToMove(), kBlack);
  board.SetLastMove(kMaxMoves + 40);
  EXPECT_EQ(board.LastMove(), kMaxMoves);
  ASSERT_TRUE(board.Back());
  EXPECT_TRUE(board.PlayMove(10, 10, true));
}

TEST(Capacity, TheCaptureLogNeverOverflows) {
  // A loaded position whose log is already full may not capture any more stones.
  TBoardSnapshot s = test::SnapshotFromDiagram(R"(
    X O .
    . . .
    . . .)",
                                               kWhite);
  s.CaptureLog.Count = kCaptureLogCapacity;
  TGoBoard board(TNumbering{}, s);
  EXPECT_FALSE(board.IsLegal(1, 2));
  EXPECT_FALSE(board.PlayMove(1, 2, true));
  EXPECT_TRUE(board.PlayMove(3, 3, true));
  EXPECT_EQ(board.CaptureLog().Count, kCaptureLogCapacity);
}

TEST(Capacity, ARefusedStoredMoveEndsTheReplay) {
  // A damaged line whose move 2 lands on a stone: Forward must stop instead of stalling.
  TGoBoard board;
  ASSERT_TRUE(board.PlayMove(4, 4, true));
  ASSERT_TRUE(board.PlayMove(5, 5, true));
  TBoardSnapshot s;
  board.SavePosition(s);
  s.MoveHistory[2].X = 4;
  s.MoveHistory[2].Y = 4;
  board.LoadPosition(s, false, true);
  ASSERT_TRUE(board.Back());
  ASSERT_TRUE(board.Back());
  board.SetLastMove(2);
  ASSERT_TRUE(board.Forward());
  test::TEventLog log(board);
  EXPECT_FALSE(board.Forward());
  EXPECT_TRUE(log.Take().empty());
  EXPECT_EQ(board.MoveCount(), 1);
  EXPECT_EQ(board.ToMove(), kWhite);
}

}  // namespace
}  // namespace moyo
