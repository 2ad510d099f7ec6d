#pragma once
// While a dialog of the control is shown modally, the host's other windows
// take no input; they are enabled again when the dialog closes, whatever its outcome.

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace moyo::platform {

// Disables every visible, enabled top-level window except `dialog` for its own lifetime.
class QtModalGuard {
 public:
  explicit QtModalGuard(const QWidget* dialog);
  ~QtModalGuard();
  QtModalGuard(const QtModalGuard&) = delete;
  QtModalGuard& operator=(const QtModalGuard&) = delete;

 private:
  // Only the windows this guard disabled are enabled again; a window closed meanwhile is skipped.
  std::vector<QPointer<QWidget>> disabled_;
};

// Runs dialog modally with the other windows disabled; returns its result code.
int ExecModal(QDialog& dialog);

}  // namespace moyo::platform
