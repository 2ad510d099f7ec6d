#pragma once
// The window that replays a reference diagram of a commentary; the viewer
// creates it on first use and keeps it.

#include <string>

namespace moyo {

struct TBoardSnapshot;

class TReferenceWindow {
 public:
  virtual ~TReferenceWindow() = default;
  // Shows `snapshot` on a board of `lines` lines, turned when `flipped`.
  virtual void ShowPosition(int lines, const TBoardSnapshot& snapshot, bool flipped, bool draw) = 0;
  // Brings the window up.
  virtual void ShowWindow() = 0;
  // Plays the moves of a reference-diagram string on the position shown.
  virtual void LoadDiagram(const std::string& diagram) = 0;
};

}  // namespace moyo
