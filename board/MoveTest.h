#pragma once
// The rule that decides whether a stone may be played: occupied points, captures found by
// flood fill around the played point, suicide and the simple ko.

#include <cstdint>

#include "board/BoardRecords.h"
#include "board/BoardTypes.h"
#include "board/TStack.h"

namespace moyo {

// The outcome of one move test.
struct TMoveTestResult {
  bool Allowed = false;
  // The single stone the move captures, else 0, 0.
  int KoX = 0;
  int KoY = 0;
  // The stones the move captures, the last collected on top.
  TStack Captures;
};

// Tests Colour playing (X, Y) on Points (a Size x Size board, Size <= 19), where Current
// is the move that led to the position. Result must be fresh.
void TestMove(const TPointGrid& Points, int Size, int X, int Y, std::uint8_t Colour,
              const TMoveRecord& Current, TMoveTestResult& Result);

}  // namespace moyo
