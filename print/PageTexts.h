#pragma once
// The texts and rules around printed diagrams: the page frame, the game
// header block and the captions of partial diagrams.

#include <string>

#include "platform/Canvas.h"
#include "print/LFontDesc.h"
#include "print/TGamePInfo.h"

namespace moyo {

// Page frame captions.
inline constexpr int kFrameWholeGame = 1;  // "총보 : a ~ b"
inline constexpr int kFramePartial = 0;    // "부분보 : a ~ b"
inline constexpr int kFrameNoCaption = -1;

// The page's size and the job's time stamp, which every page text needs.
struct TPageInfo {
  int width = 0;          // dots
  int height = 0;         // dots
  std::string timeStamp;  // "date   time"
  std::string title;      // the print header's Title
};

// The current local date and time as "YYYY-MM-DD   HH:MM:SS".
std::string CurrentTimeStamp();

// The publisher's notice printed at the foot of every page (CP949).
const std::string& FooterNotice();

// The rules above and below the diagrams, the caption, the time stamp with the
// title, and the footer notice, for margins top and left.
void PrintPageFrame(platform::Canvas& canvas, const TPageInfo& page, int top, int left, int start,
                    int end, int mode);

// The event name and the five lines of players, terms, result and date, from y
// down, lines at x; returns the height used.
int PrintGameHeader(platform::Canvas& canvas, const TPageInfo& page, const TGamePInfo& header,
                    int y, int x, const LFontDesc& titleFont, const LFontDesc& lineFont);

// The caption text of the partial diagram of moves first to last (cut to the move count).
std::string DiagramCaption(int first, int last, int moveCount);

// Draws that caption at (x, y) with the caller's font and alignment.
void PrintDiagramCaption(platform::Canvas& canvas, int y, int x, int first, int last, int moveCount,
                         platform::TextAnchor anchor);

}  // namespace moyo
