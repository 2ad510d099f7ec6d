#pragma once
// The line of play a print draws: where it starts and its moves, each by the
// colour that played it, so records with setup stones or moves out of turn
// print as the viewer shows them.

#include <array>
#include <cstdint>

#include "board/BoardRecords.h"
#include "board/BoardTypes.h"

namespace moyo {

struct TPrintLine {
  TMoveList moves;
  // colours[i] played move i + 1 (kBlack or kWhite); kEmpty leaves it to the
  // side to move, so a line given without colours alternates.
  std::array<std::uint8_t, kMaxMoves> colours{};
  // The handicap, put down as printing always has, third stone top-left.
  int handicap = 0;
  // Stones of the start position the handicap does not put down (kBlack or
  // kWhite, [Y-1][X-1]); drawn like handicap stones, without numbers.
  TPointGrid setup{};
};

}  // namespace moyo
