// How fast the board model enters a record and steps along a 500-move line.
#include <benchmark/benchmark.h>

#include "board/TGoBoard.h"
#include "tests/support/RandomGame.h"

namespace moyo {
namespace {

// A seeded random 500-move game on 19 x 19 with captures, the same on every run.
const test::TRandomGame& Game() {
  static const test::TRandomGame game = [] {
    TGoBoard board;
    return test::PlayRandomGame(board, 500, kMaxMoves, 2);
  }();
  return game;
}

void Enter(TGoBoard& board, const test::TRandomGame& game, bool place) {
  for (auto [x, y] : game.Moves) {
    if (x == 0) {
      board.Pass();
    } else {
      board.PlayMove(x, y, place);
    }
  }
  board.SetLastMove(board.MoveCount());
}

// The viewer loading a record: new game, handicap, every move entered without stones, back to
// the start, and the first move shown.
void BM_EnterRecord(benchmark::State& state) {
  const test::TRandomGame& game = Game();
  TGoBoard board;
  for (auto _ : state) {
    board.NewGame(19);
    board.SetHandicap(0, 1);
    Enter(board, game, false);
    while (board.MoveCount() > 0) board.Back();
    board.Forward();
    benchmark::DoNotOptimize(board.MoveCount());
  }
  state.counters["moves"] = static_cast<double>(game.Moves.size());
  state.counters["captures"] = game.Captures;
}
BENCHMARK(BM_EnterRecord)->Unit(benchmark::kMicrosecond);

// Replaying the whole line under the rules, captures and all, with no events assigned.
void BM_ForwardWholeLine(benchmark::State& state) {
  TGoBoard board;
  Enter(board, Game(), true);
  while (board.Back()) {
  }
  for (auto _ : state) {
    while (board.Forward()) {
    }
    state.PauseTiming();
    while (board.Back()) {
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ForwardWholeLine)->Unit(benchmark::kMicrosecond);

// Taking the whole line back to the start, putting every captured stone back.
void BM_BackWholeLine(benchmark::State& state) {
  TGoBoard board;
  Enter(board, Game(), true);
  for (auto _ : state) {
    while (board.Back()) {
    }
    state.PauseTiming();
    while (board.Forward()) {
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BackWholeLine)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace moyo
