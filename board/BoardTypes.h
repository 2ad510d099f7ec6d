#pragma once
// Point grids and capacities shared by the board model, the painter and the printer.

#include <array>
#include <cstdint>

#include "board/MarkCodes.h"

namespace moyo {

inline constexpr int kMaxBoardSize = 19;

// Point colours of the board model and the painter.
inline constexpr std::uint8_t kEmpty = 0;
inline constexpr std::uint8_t kBlack = 1;
inline constexpr std::uint8_t kWhite = 2;

// One line of play holds at most this many moves (history entries 0..kMaxMoves).
inline constexpr int kMaxMoves = 500;

// The mark code of the newest stone when move numbers are off.
inline constexpr std::int32_t LastMoveMark = mark::kLastMove;

// 19 x 19 point colours, indexed [Y-1][X-1] (row-major by Y).
using TPointGrid = std::array<std::array<std::uint8_t, kMaxBoardSize>, kMaxBoardSize>;

// 19 x 19 numbers or mark codes attached to the points, indexed [Y-1][X-1].
using TNumberGrid = std::array<std::array<std::int32_t, kMaxBoardSize>, kMaxBoardSize>;

}  // namespace moyo
