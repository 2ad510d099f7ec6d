#pragma once
// Modal notices: a message box with a caption, a text and one OK button that
// the user closes, or the program closes from code (a timer's tick).

#include <string>

namespace moyo::platform {

class Notifier {
 public:
  virtual ~Notifier() = default;

  // Shows the notice and returns when it is closed. Timers keep ticking while
  // it is open. Texts are CP949 bytes.
  virtual void ShowNotice(const std::string& caption, const std::string& text) = 0;
  // Closes the open notice as its OK button would; nothing when none is open.
  virtual void CloseNotice() = 0;
};

}  // namespace moyo::platform
