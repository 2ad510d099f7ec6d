#pragma once
// One viewer of the page: the viewer session on the desktop's painter, drawing
// into an RGBA image that the page copies onto its <canvas>. What the session
// shows and the services it waits with (timers, notices, sound) come from the
// page; this part builds natively too, so its board is tested against Qt's.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/BitmapStore.h"
#include "record/TReadResult.h"
#include "viewer/TViewerSession.h"
#include "web/RecordRoad.h"
#include "web/RgbaImage.h"
#include "web/RgbaPaintBox.h"

namespace moyo::web {

// What the page provides a viewer with; the viewer owns none of it.
struct WebViewerServices {
  TViewerView* view = nullptr;
  platform::Notifier* notifier = nullptr;
  std::function<std::unique_ptr<platform::Timer>()> makeTimer;
  platform::SoundPlayer* stoneSound = nullptr;
  platform::BitmapStore* artwork = nullptr;
  TextPainter* text = nullptr;
  // Empty, or making nothing: commentary links open nothing.
  std::function<std::unique_ptr<TReferenceWindow>()> makeReferenceWindow;
};

class WebViewer {
 public:
  explicit WebViewer(const WebViewerServices& services);

  TViewerSession& Session() { return *session_; }
  RgbaPaintBox& PaintBox() { return box_; }

  // Reads body with reader at the member level and shows the record at its
  // first move. A failed or refused read leaves everything as it was.
  TReadResult Load(std::string_view body, RecordReader reader, const std::string& level);

  // Places the board in a frame width x height as the form does; a cell above
  // zero pins the cell size instead of fitting it.
  layout::TBoardPlace Place(int width, int height, int cell);

  // The question-and-answer text (CP949) of the game up to the move on the board.
  std::string QnaText();

 private:
  RgbaPaintBox box_;
  RgbaBitmap missingPicture_;
  std::unique_ptr<TViewerSession> session_;
};

}  // namespace moyo::web
