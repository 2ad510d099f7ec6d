#include "platform/qt/QtNotifier.h"

#include <QMessageBox>

#include "platform/qt/QtText.h"

namespace moyo::platform {

QtNotifier::QtNotifier(QWidget* parent) : parent_(parent) {}

void QtNotifier::ShowNotice(const std::string& caption, const std::string& text) {
  QMessageBox box(parent_);
  box.setWindowTitle(ToQt(caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQt(text));
  box.setStandardButtons(QMessageBox::Ok);
  // A notice opened while another is showing replaces it as the one that
  // CloseNotice closes; the earlier one is closed when this one returns.
  QPointer<QMessageBox> outer = open_;
  open_ = &box;
  box.exec();
  open_ = outer;
}

void QtNotifier::CloseNotice() {
  if (open_) open_->done(QMessageBox::Ok);
}

}  // namespace moyo::platform
