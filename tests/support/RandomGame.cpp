#include "tests/support/RandomGame.h"

#include <random>

namespace moyo::test {
namespace {

// True when (X, Y) retakes a ko: the last move took one stone there and stands alone with
// that point as its only liberty, so playing it would take back exactly one stone.
bool IsKoRetake(const TGoBoard& Board, int X, int Y) {
  const TMoveRecord& last = Board.MoveHistory()[Board.MoveCount()];
  if (last.X <= 0 || last.KoX != X || last.KoY != Y) return false;
  const int around[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  for (const auto& d : around) {
    const int nx = last.X + d[0], ny = last.Y + d[1];
    if (!Board.IsOnBoard(nx, ny) || (nx == X && ny == Y)) continue;
    const std::uint8_t p = Board.Point(nx, ny);
    if (p == kEmpty || p == Board.Point(last.X, last.Y)) return false;
  }
  return true;
}

}  // namespace

TRandomGame PlayRandomGame(TGoBoard& Board, std::uint32_t Seed, int Moves, int PassPercent,
                           const std::function<void(const TGoBoard&)>& AfterMove) {
  TRandomGame game;
  std::mt19937 random(Seed);
  std::uniform_int_distribution<int> point(1, Board.Size());
  std::uniform_int_distribution<int> percent(0, 99);
  for (int i = 0; i < Moves && Board.MoveCount() < kMaxMoves; ++i) {
    bool played = false;
    if (percent(random) >= PassPercent) {
      for (int attempt = 0; attempt < 50 && !played; ++attempt) {
        const int x = point(random), y = point(random);
        if (!Board.IsEmptyPoint(x, y)) {
          ++game.OccupiedRefusals;
        } else if (!Board.IsLegal(x, y)) {
          ++(IsKoRetake(Board, x, y) ? game.KoRefusals : game.SuicideRefusals);
        } else {
          const int before = Board.BlackCaptures() + Board.WhiteCaptures();
          played = Board.PlayMove(x, y, true);
          game.Captures += Board.BlackCaptures() + Board.WhiteCaptures() - before;
          game.Moves.emplace_back(x, y);
        }
      }
    }
    if (!played) {
      Board.Pass();
      ++game.Passes;
      game.Moves.emplace_back(0, 0);
    }
    if (AfterMove) AfterMove(Board);
  }
  return game;
}

}  // namespace moyo::test
