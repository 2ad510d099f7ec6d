// Captures, suicide, ko, handicap placement and the text codes of the board unit.
#include <gtest/gtest.h>

#include "board/StarPoints.h"
#include "board/TGoBoard.h"
#include "board/TextCodes.h"
#include "tests/board/EventLog.h"
#include "tests/support/BoardDiagram.h"

namespace moyo {
namespace {

using test::BoardFromDiagram;
using test::DiagramOf;
using test::Normalised;
using Lines = std::vector<std::string>;

TEST(Captures, LastLibertyTakesTheStoneAndLogsIt) {
  TGoBoard board = BoardFromDiagram(R"(
    X O .
    . . .
    . . .)",
                                    kWhite);
  ASSERT_TRUE(board.PlayMove(1, 2, true));
  EXPECT_EQ(DiagramOf(board), Normalised(R"(
    . O .
    O . .
    . . .)"));
  EXPECT_EQ(board.WhiteCaptures(), 1);
  EXPECT_EQ(board.BlackCaptures(), 0);
  ASSERT_EQ(board.CaptureLog().Count, 1);
  EXPECT_EQ(board.CaptureLog().Entries[0], (TCaptureRecord{1, 1, 0}));
  EXPECT_EQ(board.ToMove(), kBlack);
}

TEST(Captures, FillingOwnLastLibertyIsAllowedOnlyWhenItCaptures) {
  TGoBoard capturing = BoardFromDiagram(R"(
    . O X .
    O X . .
    . . . .
    . . . .)");
  EXPECT_TRUE(capturing.IsLegal(1, 1));
  EXPECT_TRUE(capturing.PlayMove(1, 1, true));
  EXPECT_EQ(DiagramOf(capturing), Normalised(R"(
    X . X .
    O X . .
    . . . .
    . . . .)"));

  TGoBoard suicide = BoardFromDiagram(R"(
    . O . .
    O X . .
    . . . .
    . . . .)");
  EXPECT_FALSE(suicide.IsLegal(1, 1));
  EXPECT_FALSE(suicide.PlayMove(1, 1, true));
  EXPECT_EQ(suicide.MoveCount(), 0);
  EXPECT_EQ(suicide.Point(1, 1), kEmpty);

  // A group of several stones may not fill its own last liberty either.
  TGoBoard groupSuicide = BoardFromDiagram(R"(
    X X O .
    . O . .
    O . . .
    . . . .)");
  EXPECT_FALSE(groupSuicide.PlayMove(1, 2, true));
  EXPECT_EQ(groupSuicide.ToMove(), kBlack);
}

TEST(Captures, TwoGroupsGoInOneMoveAndAGroupTouchedTwiceCountsOnce) {
  TGoBoard twoGroups = BoardFromDiagram(R"(
    . O X
    O X .
    X . .)");
  ASSERT_TRUE(twoGroups.PlayMove(1, 1, true));
  EXPECT_EQ(twoGroups.BlackCaptures(), 2);
  EXPECT_EQ(twoGroups.MoveHistory()[1].KoX, 0);
  EXPECT_EQ(twoGroups.MoveHistory()[1].KoY, 0);

  // The white group touches (2,2) from the left and from above; its stones leave in the
  // order the search met them.
  TGoBoard touchedTwice = BoardFromDiagram(R"(
    O O X
    O . .
    X . .)");
  test::TEventLog log(touchedTwice);
  ASSERT_TRUE(touchedTwice.PlayMove(2, 2, true));
  EXPECT_EQ(touchedTwice.BlackCaptures(), 3);
  EXPECT_EQ(log.Take(), (Lines{"placed 2,2 501 1", "changed 1,2 0 0", "changed 1,1 0 0",
                               "changed 2,1 0 0", "move 2,2 #1 w=0 b=3 next=2 added"}));
  ASSERT_EQ(touchedTwice.CaptureLog().Count, 3);
  EXPECT_EQ(touchedTwice.CaptureLog().Entries[0], (TCaptureRecord{1, 2, 0}));
  EXPECT_EQ(touchedTwice.CaptureLog().Entries[2], (TCaptureRecord{2, 1, 0}));
}

// Two near-full boards whose white group, searched from (2,1), keeps more than 500 points
// pending at once: a search that drops pending points misses stones or a liberty.
constexpr const char* kHugeDeadGroup = R"(
  .OOOXOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OXOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  XOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOXOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOXOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOXOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO)";

constexpr const char* kHugeGroupWithOneLiberty = R"(
  .OOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  .OOOOOOXOOXOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  XOOOOOOOOOOOOOOOOOO
  OOOOOOOOXXOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  XOOOOOOOOOOOOOOOOOO
  OOXOOOOOXOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOXOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO
  OOOOOOOOOOOOOOOOOOO)";

int CountStones(const TGoBoard& board, std::uint8_t colour) {
  int n = 0;
  for (const auto& row : board.Points())
    for (auto p : row) n += p == colour;
  return n;
}

TEST(Captures, GroupsOfAnySizeAreSearchedToTheirEnd) {
  TGoBoard dead = BoardFromDiagram(kHugeDeadGroup);
  const int whites = CountStones(dead, kWhite);
  ASSERT_TRUE(dead.PlayMove(1, 1, true));
  EXPECT_EQ(dead.BlackCaptures(), whites);
  EXPECT_EQ(dead.CaptureLog().Count, whites);
  EXPECT_EQ(CountStones(dead, kWhite), 0);

  // The only liberty, (1,3), lies far down the search: (1,1) is suicide, nothing is taken.
  TGoBoard alive = BoardFromDiagram(kHugeGroupWithOneLiberty);
  EXPECT_FALSE(alive.IsLegal(1, 1));
  EXPECT_FALSE(alive.PlayMove(1, 1, true));
  EXPECT_EQ(alive.BlackCaptures(), 0);
  EXPECT_EQ(alive.Point(2, 1), kWhite);
}

constexpr const char* kKoShape = R"(
  . X O . .
  X O . O .
  . X O . .
  . . . . .
  . . . . .)";

TEST(Ko, ImmediateRecaptureIsRefusedUntilBothSidesPlayElsewhere) {
  TGoBoard board = BoardFromDiagram(kKoShape);
  ASSERT_TRUE(board.PlayMove(3, 2, true));
  EXPECT_EQ(board.MoveHistory()[1].KoX, 2);
  EXPECT_EQ(board.MoveHistory()[1].KoY, 2);
  EXPECT_FALSE(board.IsLegal(2, 2));
  test::TEventLog log(board);
  EXPECT_FALSE(board.PlayMove(2, 2, true));
  EXPECT_EQ(log.Take(), Lines{"message"});
  EXPECT_EQ(board.Point(2, 2), kEmpty);
  EXPECT_EQ(board.ToMove(), kWhite);

  ASSERT_TRUE(board.PlayMove(5, 5, true));
  ASSERT_TRUE(board.PlayMove(1, 5, true));
  EXPECT_TRUE(board.PlayMove(2, 2, true));
  EXPECT_EQ(board.Point(3, 2), kEmpty);
  EXPECT_EQ(board.WhiteCaptures(), 1);
}

TEST(Ko, PassesEndTheKo) {
  TGoBoard board = BoardFromDiagram(kKoShape);
  ASSERT_TRUE(board.PlayMove(3, 2, true));
  ASSERT_TRUE(board.Pass());
  ASSERT_TRUE(board.Pass());
  EXPECT_TRUE(board.PlayMove(2, 2, true));
}

TEST(Ko, TakingTwoStonesLeavesNoKo) {
  TGoBoard board = BoardFromDiagram(R"(
    . O O X .
    O X X . .
    . . . . .
    . . . . .
    . . . . .)");
  ASSERT_TRUE(board.PlayMove(1, 1, true));
  EXPECT_EQ(board.BlackCaptures(), 2);
  EXPECT_EQ(board.MoveHistory()[1].KoX, 0);
  // White takes back the one black stone at once: not a ko, since two stones went.
  EXPECT_TRUE(board.PlayMove(2, 1, true));
  EXPECT_EQ(board.Point(1, 1), kEmpty);
  EXPECT_EQ(board.MoveHistory()[2].KoX, 1);
  EXPECT_EQ(board.MoveHistory()[2].KoY, 1);
}

TEST(Refusals, OccupiedAndOffBoardPointsChangeNothingButTheStoredLine) {
  TGoBoard board;
  ASSERT_TRUE(board.PlayMove(4, 4, true));
  ASSERT_TRUE(board.PlayMove(16, 16, true));
  ASSERT_TRUE(board.PlayMove(4, 16, true));
  ASSERT_TRUE(board.Back());
  ASSERT_TRUE(board.Back());
  ASSERT_EQ(board.LastMove(), 3);
  const std::string before = DiagramOf(board);
  test::TEventLog log(board);
  for (auto [x, y] : {std::pair{4, 4}, {0, 5}, {20, 1}, {1, -1}, {-1, 0}}) {
    EXPECT_FALSE(board.IsLegal(x, y));
    EXPECT_FALSE(board.PlayMove(x, y, true));
  }
  EXPECT_EQ(log.Take(), Lines(5, "message"));
  EXPECT_EQ(DiagramOf(board), before);
  EXPECT_EQ(board.MoveCount(), 1);
  EXPECT_EQ(board.LastMove(), 1);
  EXPECT_EQ(board.ToMove(), kWhite);
  EXPECT_FALSE(board.Forward());
}

TEST(Refusals, SmallerBoardsUseOnlyTheirOwnPoints) {
  TGoBoard board;
  board.NewGame(9);
  EXPECT_FALSE(board.PlayMove(10, 1, true));
  EXPECT_TRUE(board.PlayMove(9, 9, true));
  board.NewGame(0);
  EXPECT_EQ(board.Size(), 1);
  // A one-point board: the only move there is has no liberty.
  EXPECT_FALSE(board.PlayMove(1, 1, true));
}

TEST(SmallerBoards, StonesOnTheFarEdgeAndCornerHaveOnlyTheirBoardsLiberties) {
  // On 19 lines these stones would keep a liberty beyond the 9th line.
  TGoBoard board = BoardFromDiagram(R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . O
    . . . . . . . O X
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . X O)",
                                    kWhite);
  ASSERT_TRUE(board.PlayMove(9, 6, true));
  ASSERT_TRUE(board.PlayMove(9, 8, true));
  EXPECT_EQ(DiagramOf(board), Normalised(R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . O
    . . . . . . . O .
    . . . . . . . . O
    . . . . . . . . .
    . . . . . . . . X
    . . . . . . . X .)"));
  EXPECT_EQ(board.WhiteCaptures(), 1);
  EXPECT_EQ(board.BlackCaptures(), 1);
  // The lone corner stone's capture is a ko: White may not take back at once.
  EXPECT_FALSE(board.IsLegal(9, 9));
  EXPECT_FALSE(board.IsOnBoard(10, 5));
  EXPECT_FALSE(board.PlayMove(10, 9, true));
}

TEST(SmallerBoards, GroupsOnTheLastLineAndSuicideInTheFarCorner) {
  TGoBoard board = BoardFromDiagram(R"(
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . O . . . . . . O
    . . . . O X X O . . . O .)",
                                    kWhite);
  ASSERT_TRUE(board.PlayMove(7, 12, true));
  EXPECT_EQ(board.WhiteCaptures(), 2);
  EXPECT_EQ(board.Point(6, 13), kEmpty);
  EXPECT_EQ(board.Point(7, 13), kEmpty);
  // Two stones taken: no ko, Black may play back into the gap.
  EXPECT_TRUE(board.IsLegal(6, 13));
  // The far corner has two liberties only, both White's: suicide.
  EXPECT_FALSE(board.IsLegal(13, 13));
  EXPECT_FALSE(board.PlayMove(13, 13, true));
  EXPECT_EQ(board.ToMove(), kBlack);

  TMoveList list;
  board.GetMoveList(board.LastMove(), list);
  EXPECT_EQ(list.Count, 1);
  EXPECT_EQ(list.Size, 13);
}

TEST(StarPoints, UsualMarkingForEachSize) {
  auto stars = [](int size) {
    std::vector<std::pair<int, int>> points;
    for (int y = 0; y <= size + 1; ++y)
      for (int x = 0; x <= size + 1; ++x)
        if (IsStarPoint(size, x, y)) points.emplace_back(x, y);
    return points;
  };
  using P = std::vector<std::pair<int, int>>;
  EXPECT_EQ(
      stars(19),
      (P{{4, 4}, {10, 4}, {16, 4}, {4, 10}, {10, 10}, {16, 10}, {4, 16}, {10, 16}, {16, 16}}));
  EXPECT_EQ(stars(13),
            (P{{4, 4}, {7, 4}, {10, 4}, {4, 7}, {7, 7}, {10, 7}, {4, 10}, {7, 10}, {10, 10}}));
  EXPECT_EQ(stars(9), (P{{3, 3}, {7, 3}, {5, 5}, {3, 7}, {7, 7}}));
  EXPECT_EQ(stars(11), (P{{3, 3}, {9, 3}, {6, 6}, {3, 9}, {9, 9}}));
  EXPECT_EQ(stars(12), (P{{4, 4}, {9, 4}, {4, 9}, {9, 9}}));
  EXPECT_EQ(stars(8), (P{{3, 3}, {6, 3}, {3, 6}, {6, 6}}));
  EXPECT_EQ(stars(15).size(), 9u);
  EXPECT_EQ(stars(5), (P{{3, 3}}));
  EXPECT_EQ(stars(3), (P{{2, 2}}));
  for (int size : {1, 2, 4, 6}) EXPECT_TRUE(stars(size).empty()) << size;
}

std::vector<std::pair<int, int>> BlackStones(const TGoBoard& board) {
  std::vector<std::pair<int, int>> stones;
  for (int y = 1; y <= board.Size(); ++y)
    for (int x = 1; x <= board.Size(); ++x)
      if (board.Point(x, y) == kBlack) stones.emplace_back(x, y);
  return stones;
}

TEST(Handicap, ThirdStoneCornerFollowsTheOrder) {
  using P = std::vector<std::pair<int, int>>;
  TGoBoard viewer;
  viewer.SetHandicap(3, 1);
  EXPECT_EQ(BlackStones(viewer), (P{{16, 4}, {4, 16}, {16, 16}}));
  EXPECT_EQ(viewer.ToMove(), kWhite);

  TGoBoard printing;
  printing.SetHandicap(3, 0);
  EXPECT_EQ(BlackStones(printing), (P{{4, 4}, {16, 4}, {4, 16}}));
  EXPECT_EQ(printing.ToMove(), kWhite);
  EXPECT_EQ(printing.MoveCount(), 0);
  EXPECT_EQ(printing.HandicapCount(), 3);
  EXPECT_EQ(printing.HandicapOrder(), 0);
}

TEST(Handicap, StoneCountsPerBoardSize) {
  auto stones = [](int size, int count) {
    TGoBoard board;
    board.NewGame(static_cast<std::uint8_t>(size));
    board.SetHandicap(count, 1);
    return BlackStones(board).size();
  };
  for (int size : {9, 13, 19}) {
    for (int count = 2; count <= 9; ++count) EXPECT_EQ(stones(size, count), count) << size;
  }
  EXPECT_EQ(stones(19, 10), 12u);
  EXPECT_EQ(stones(19, 19), 12u);
  EXPECT_EQ(stones(13, 12), 8u);
  EXPECT_EQ(stones(9, 19), 8u);

  TGoBoard nine;
  nine.NewGame(9);
  nine.SetHandicap(9, 1);
  EXPECT_EQ(DiagramOf(nine), Normalised(R"(
    .........
    .........
    ..X.X.X..
    .........
    ..X.X.X..
    .........
    ..X.X.X..
    .........
    .........)"));
}

TEST(Handicap, OutOfRangeCountsAndOtherSizesChangeNothing) {
  for (int count : {1, 20, 0, -3}) {
    TGoBoard board;
    board.SetHandicap(count, 1);
    EXPECT_TRUE(BlackStones(board).empty());
    EXPECT_EQ(board.ToMove(), kBlack);
    EXPECT_EQ(board.HandicapCount(), count);
  }
  TGoBoard eleven;
  eleven.NewGame(11);
  eleven.SetHandicap(4, 1);
  EXPECT_TRUE(BlackStones(eleven).empty());
  EXPECT_EQ(eleven.ToMove(), kBlack);
}

TEST(Handicap, StonesAreReportedWithoutNumbersAndOutsideTheHistory) {
  TGoBoard board;
  // Only one point event is assigned; it must still be told about every stone.
  std::vector<std::string> changed;
  board.OnPointChanged = [&](const TGoBoard&, int x, int y, int n, std::uint8_t c) {
    changed.push_back(std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(n) + " " +
                      std::to_string(c));
  };
  board.SetHandicap(2, 1);
  EXPECT_EQ(changed, (Lines{"16,4 0 1", "4,16 0 1"}));
  EXPECT_EQ(board.NumberGrid()[3][15], 0);
  EXPECT_FALSE(board.Back());
  EXPECT_EQ(board.Point(16, 4), kBlack);
}

TEST(TextCodes, TwoLetterNumbersAndCoordinateLetters) {
  EXPECT_EQ(EncodeNumber2(0), "AA");
  EXPECT_EQ(EncodeNumber2(26), "BA");
  EXPECT_EQ(EncodeNumber2(27), "BB");
  EXPECT_EQ(EncodeNumber2(675), "ZZ");
  EXPECT_EQ(EncodeNumber2(676), "[A");
  EXPECT_EQ(EncodeNumber2(702), "\\A");
  EXPECT_EQ(EncodeNumber2(753), "]Z");
  EXPECT_EQ(EncodeNumber2(-5), "AA");
  for (int n : {0, 1, 25, 26, 600, 625, 701, 751, 753})
    EXPECT_EQ(DecodeNumber2(EncodeNumber2(n)), n);
  EXPECT_EQ(DecodeNumber2("\\!"), 0);
  EXPECT_EQ(DecodeNumber2("AA"), 0);
  EXPECT_EQ(DecodeNumber2("XCrest"), 600);
  // Strings too short to hold a number read as 0 and never read past their end.
  EXPECT_EQ(DecodeNumber2(""), 0);
  EXPECT_EQ(DecodeNumber2(std::string_view("B", 1)), 0);
  EXPECT_EQ(DecodeNumber2("\xB0\xA1"), (0xB0 - 65) * 26 + (0xA1 - 65));

  EXPECT_EQ(CoordLetter(1), 'B');
  EXPECT_EQ(CoordLetter(19), 'T');
  EXPECT_EQ(CoordLetter(0), 'A');
  EXPECT_EQ(LetterCoord("T"), 19);
  EXPECT_EQ(LetterCoord("Bxyz"), 1);
  EXPECT_EQ(LetterCoord(""), -1);
}

}  // namespace
}  // namespace moyo
