#pragma once
// The browser of the news panel. The Qt WebEngine view is heavy, so the form
// makes one only when the host first gives a news address, and the viewer
// module does not even link it.

#include <memory>
#include <string>

class QWidget;

namespace moyo {

class TNewsView {
 public:
  virtual ~TNewsView() = default;
  // The widget to place in the news panel.
  virtual QWidget* Widget() = 0;
  // Shows the page at `address` (CP949 bytes).
  virtual void Navigate(const std::string& address) = 0;
};

// The real browser, a Qt WebEngine view from the news module
// (libmoyoscope-news.so), loaded on first use; null when the module is missing.
// It fetches the page without blocking, converts the service's CP949 pages to
// UTF-8 and shows them, with the address as their base, when they arrive.
std::unique_ptr<TNewsView> MakeWebNewsView(QWidget* parent);

// The page as UTF-8 HTML: a CP949 body converted, so the browser never has
// to guess the encoding, and the charset declaration made to match.
std::string NewsPageToUtf8(const std::string& cp949Body);

}  // namespace moyo
