#pragma once
// How one printed diagram is drawn.

#include <cstdint>

namespace moyo {

struct TGPOPTION {
  bool DrawGrid = true;  // board mode; off draws a retake list
  bool DrawNumbers = true;
  bool DrawLetters = true;
  std::int32_t GridSize = 100;  // cell size in device units
  std::uint8_t LetterFontPct = 73;
  std::uint8_t NumberFontPct = 73;
  std::uint8_t OutlinePct = 3;  // stone outline width
};

}  // namespace moyo
