#pragma once
// Modal notices: a message box with a caption, a text and one OK button that
// the user closes, or the program closes from code (a timer's tick).

#include <functional>
#include <string>

namespace moyo::platform {

class Notifier {
 public:
  virtual ~Notifier() = default;

  // Shows the notice. Where the program can wait (the desktop) it returns when
  // the notice is closed; where it cannot (a web page) it returns at once and
  // raises OnClosed when the notice closes. Timers keep ticking while it is
  // open. Texts are CP949 bytes.
  virtual void ShowNotice(const std::string& caption, const std::string& text) = 0;
  // Closes the open notice as its OK button would; nothing when none is open.
  virtual void CloseNotice() = 0;
  // Whether ShowNotice returns only once the notice has closed.
  virtual bool WaitsForClose() const { return true; }

  // Raised, where ShowNotice does not wait, when the newest open notice closes.
  std::function<void()> OnClosed;
};

}  // namespace moyo::platform
