#pragma once
// Seeded random games of legal moves, for round-trip tests, differential tests and benchmarks.

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "board/TGoBoard.h"

namespace moyo::test {

// The moves of a game (0, 0 a pass) and how often each kind of refusal met the player.
struct TRandomGame {
  std::vector<std::pair<int, int>> Moves;
  int Captures = 0;
  int KoRefusals = 0;
  int SuicideRefusals = 0;
  int OccupiedRefusals = 0;
  int Passes = 0;
};

// Plays up to Moves random moves on Board from its position: each move tries random points
// until one is legal (passing with PassPercent chance, or after 50 tries). AfterMove, when
// set, sees the board after every move.
TRandomGame PlayRandomGame(TGoBoard& Board, std::uint32_t Seed, int Moves, int PassPercent,
                           const std::function<void(const TGoBoard&)>& AfterMove = {});

}  // namespace moyo::test
