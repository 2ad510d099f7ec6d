#include "platform/qt/QtModalGuard.h"

#include <QApplication>
#include <QDialog>

namespace moyo::platform {
namespace {

// Whether dialog belongs to window: window holds one of the dialog's parents.
bool OwnsDialog(const QWidget* window, const QWidget* dialog) {
  for (const QWidget* parent = dialog->parentWidget(); parent != nullptr;
       parent = parent->parentWidget()) {
    if (parent->window() == window) return true;
  }
  return false;
}

}  // namespace

QtModalGuard::QtModalGuard(const QWidget* dialog) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window == dialog || !window->isVisible() || !window->isEnabled()) continue;
    // Disabling the window a dialog belongs to would disable the dialog with it;
    // that window is blocked by the dialog's application modality instead.
    if (dialog != nullptr && OwnsDialog(window, dialog)) continue;
    window->setEnabled(false);
    disabled_.emplace_back(window);
  }
}

QtModalGuard::~QtModalGuard() {
  for (const QPointer<QWidget>& window : disabled_) {
    if (window) window->setEnabled(true);
  }
}

int ExecModal(QDialog& dialog) {
  dialog.setWindowModality(Qt::ApplicationModal);
  const QtModalGuard guard(&dialog);
  return dialog.exec();
}

}  // namespace moyo::platform
