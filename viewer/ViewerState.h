#pragma once
// The viewer's mode and the flags its operations share. These flags are the
// one record of each state; the buttons' faces only show them.

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

// The state every operation of the viewer reads and changes.
struct TViewerState {
  ViewerMode mode = ViewerMode::Viewing;
  bool soundOn = true;                 // a placed stone is heard
  bool loading = false;                // a record is being entered; never heard
  bool autoPlaying = false;            // automatic play wanted; the timer stops itself when cleared
  bool autoStopShown = false;          // the stop face of automatic play shows (autoEndBtn)
  bool numbersShown = false;           // move numbers are on the stones (numEndBtn shows)
  bool hintShown = false;              // hint marks are on the board (HintXBtn shows)
  bool replying = false;               // the opponent's replies to a right guess are under way
  std::uint8_t lastPaintedColour = 0;  // colour of the latest stone-placed event
};

}  // namespace moyo
