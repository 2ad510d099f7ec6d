#pragma once
// Notices as modal QMessageBoxes owned by a parent widget.

#include <QPointer>

#include "platform/Notifier.h"

class QMessageBox;
class QWidget;

namespace moyo::platform {

class QtNotifier : public Notifier {
 public:
  // Notices are owned by `parent` and centred on it.
  explicit QtNotifier(QWidget* parent);

  void ShowNotice(const std::string& caption, const std::string& text) override;
  void CloseNotice() override;

 private:
  QWidget* parent_;
  QPointer<QMessageBox> open_;
};

}  // namespace moyo::platform
