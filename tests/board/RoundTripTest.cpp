// Long seeded random games stepped back to the start and forward to the end again, compared
// position by position with copies saved while they were played.
#include <gtest/gtest.h>

#include <sstream>

#include "board/TGoBoard.h"
#include "tests/support/BoardDiagram.h"
#include "tests/support/RandomGame.h"

namespace moyo {
namespace {

// Describes how two positions differ, ignoring history entries after the current move;
// empty when they are the same.
std::string Difference(const TBoardSnapshot& a, const TBoardSnapshot& b) {
  std::ostringstream out;
  if (a.Points != b.Points) {
    out << "points:\n"
        << test::DiagramOf(a.Points, a.Size) << "\nvs\n"
        << test::DiagramOf(b.Points, b.Size) << "\n";
  }
  if (a.NumberGrid != b.NumberGrid) out << "numbers differ\n";
  if (a.ToMove != b.ToMove) out << "to move " << int{a.ToMove} << " vs " << int{b.ToMove} << "\n";
  if (a.BlackCaptures != b.BlackCaptures || a.WhiteCaptures != b.WhiteCaptures) {
    out << "captures " << a.BlackCaptures << "/" << a.WhiteCaptures << " vs " << b.BlackCaptures
        << "/" << b.WhiteCaptures << "\n";
  }
  if (a.MoveCount != b.MoveCount) out << "move " << a.MoveCount << " vs " << b.MoveCount << "\n";
  if (a.CaptureLog.Count != b.CaptureLog.Count ||
      !std::equal(a.CaptureLog.Entries.begin(), a.CaptureLog.Entries.begin() + a.CaptureLog.Count,
                  b.CaptureLog.Entries.begin())) {
    out << "capture log differs\n";
  }
  if (a.MoveCount == b.MoveCount &&
      !std::equal(a.MoveHistory.begin(), a.MoveHistory.begin() + a.MoveCount + 1,
                  b.MoveHistory.begin())) {
    out << "history differs\n";
  }
  return out.str();
}

TBoardSnapshot Saved(const TGoBoard& board) {
  TBoardSnapshot s;
  board.SavePosition(s);
  return s;
}

struct TTotals {
  int Captures = 0, Ko = 0, Suicide = 0, Passes = 0, Entered = 0;
};

// Plays one game, walks it back and forth, and enters it again as a record would be.
void RoundTrip(std::uint8_t size, int handicap, bool numbers, std::uint32_t seed, TTotals& totals) {
  const TNumbering numbering{.StartNumber = 0, .FirstMove = 0, .ShowNumbers = numbers};
  auto fresh = [&] {
    TGoBoard board;
    board.NewGame(size);
    board.SetNumbering(numbering);
    board.SetHandicap(handicap, 1);
    return board;
  };
  TGoBoard board = fresh();
  std::vector<TBoardSnapshot> positions{Saved(board)};
  const test::TRandomGame game = test::PlayRandomGame(
      board, seed, kMaxMoves, 4, [&](const TGoBoard& b) { positions.push_back(Saved(b)); });
  totals.Captures += game.Captures;
  totals.Ko += game.KoRefusals;
  totals.Suicide += game.SuicideRefusals;
  totals.Passes += game.Passes;
  const int end = board.MoveCount();
  // A pass leaves the line end alone, as the viewer's record loading does.
  board.SetLastMove(end);
  ASSERT_EQ(end, static_cast<int>(game.Moves.size()));

  while (board.Back()) {
    ASSERT_EQ(Difference(Saved(board), positions[board.MoveCount()]), "")
        << "back to move " << board.MoveCount();
  }
  ASSERT_EQ(board.MoveCount(), 0);
  while (board.Forward()) {
    ASSERT_EQ(Difference(Saved(board), positions[board.MoveCount()]), "")
        << "forward to move " << board.MoveCount();
  }
  ASSERT_EQ(board.MoveCount(), end);

  // The viewer's way in: every move entered without stones, back to the start, then replayed.
  // Entering refuses a move onto a handicap point even after its stone was taken, so only
  // games that never play there can be entered.
  for (auto [x, y] : game.Moves) {
    if (x > 0 && positions[0].Points[y - 1][x - 1] != kEmpty) return;
  }
  TGoBoard entered = fresh();
  for (auto [x, y] : game.Moves) {
    ASSERT_TRUE(x == 0 ? entered.Pass() : entered.PlayMove(x, y, false));
  }
  entered.SetLastMove(entered.MoveCount());
  while (entered.Back()) {
  }
  ASSERT_EQ(Difference(Saved(entered), positions[0]), "");
  while (entered.Forward()) {
    ASSERT_EQ(Difference(Saved(entered), positions[entered.MoveCount()]), "")
        << "replay to move " << entered.MoveCount();
  }
  ASSERT_EQ(entered.MoveCount(), end);
  ++totals.Entered;
}

TEST(RandomRoundTrip, EveryPositionComesBackExactly) {
  TTotals totals;
  std::uint32_t seed = 20261208;
  for (std::uint8_t size : {9, 13, 19}) {
    for (bool numbers : {false, true}) {
      for (int game = 0; game < 2; ++game) {
        SCOPED_TRACE("size " + std::to_string(size) + " seed " + std::to_string(seed));
        RoundTrip(size, game == 0 ? 0 : 2 + static_cast<int>(seed % 8), numbers, seed, totals);
        ++seed;
        if (HasFatalFailure()) return;
      }
    }
  }
  // The games must have met every rule, or the comparison proves little.
  EXPECT_GT(totals.Captures, 200);
  EXPECT_GT(totals.Ko, 0);
  EXPECT_GT(totals.Suicide, 0);
  EXPECT_GT(totals.Passes, 0);
  EXPECT_GE(totals.Entered, 6);
}

}  // namespace
}  // namespace moyo
