#pragma once
// The page's viewer without the page: the session on the RGBA paint box with
// silent stand-ins for the view, notices, timers and sound; the board tests
// and the benchmark drive it as the page's buttons would.

#include <memory>

#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "tests/support/ViewerFakes.h"
#include "web/WebViewer.h"

namespace moyo::web::test {

struct PageViewer {
  // A viewer painting with artwork and text at cell pixels a point, margin beside the board.
  PageViewer(platform::BitmapStore& artwork, TextPainter& text, int cell, int margin)
      : viewer(Services(artwork, text)) {
    viewer.Session().Painter().SetMargin(margin);
    viewer.Place(0, 0, cell);
  }
  // Steps to the position after move n of the main line with the one-move buttons.
  void GoTo(int n) {
    while (MoveNumber() > n) viewer.Session().Navigate(2);
    for (int last = -1; MoveNumber() < n && MoveNumber() != last;) {
      last = MoveNumber();
      viewer.Session().Navigate(3);
    }
  }
  int MoveNumber() { return viewer.Session().Board().MoveCount(); }
  int LastMove() { return viewer.Session().Board().LastMove(); }

  moyo::test::SilentView view;
  moyo::test::RecordingNotifier notices;
  moyo::test::CountingSound sound;
  WebViewer viewer;

 private:
  WebViewerServices Services(platform::BitmapStore& artwork, TextPainter& text) {
    WebViewerServices services;
    services.view = &view;
    services.notifier = &notices;
    services.makeTimer = [] { return std::make_unique<moyo::test::ManualTimer>(); };
    services.stoneSound = &sound;
    services.artwork = &artwork;
    services.text = &text;
    return services;
  }
};

}  // namespace moyo::web::test
