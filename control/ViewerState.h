#pragma once
// The viewer's mode and the flags its handlers share.

#include <cstdint>

namespace moyo {

// The viewer modes with the byte codes the mode stack stores.
enum class ViewerMode : std::uint8_t {
  Trial = 2,
  Viewing = 9,
  GuessBlack = 10,
  GuessWhite = 11,
  GuessBoth = 12,
};

// True for the three next-move guessing modes.
constexpr bool IsGuessing(ViewerMode mode) {
  return mode == ViewerMode::GuessBlack || mode == ViewerMode::GuessWhite ||
         mode == ViewerMode::GuessBoth;
}

// The state every handler of the form reads and changes.
struct TViewerState {
  ViewerMode mode = ViewerMode::Viewing;
  bool soundOn = true;                 // a placed stone is heard
  bool loading = false;                // a record is being entered; never heard
  bool autoPlaying = false;            // automatic play wanted; the timer stops itself when cleared
  bool hintShown = false;              // hint marks are on the board
  std::uint8_t lastPaintedColour = 0;  // colour of the latest stone-placed event
};

}  // namespace moyo
