#pragma once
// One <moyo-scope> element's viewer in the module: the viewer session with the
// page's services, under the id the element registered its form with. The
// page holds it as an opaque handle; printing and the reference panel reach
// the session through it.

#include <memory>

#include "web/PageServices.h"
#include "web/WebViewer.h"

namespace moyo::web {

class PageForm {
 public:
  PageForm(int formId, platform::BitmapStore& artwork, TextPainter& text);

  int Id() const { return id_; }
  WebViewer& Viewer() { return viewer_; }
  TViewerSession& Session() { return viewer_.Session(); }
  PageNotifier& Notices() { return notifier_; }
  PageView& View() { return view_; }

 private:
  int id_;
  PageView view_;
  PageNotifier notifier_;
  PageSound sound_;
  WebViewer viewer_;
};

}  // namespace moyo::web
