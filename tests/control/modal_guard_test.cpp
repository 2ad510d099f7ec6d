// Modal dialogs keep the other windows from taking input while they are open.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include "platform/qt/QtModalGuard.h"

namespace moyo {
namespace {

TEST(ModalGuard, OtherWindowsAreDisabledWhileTheDialogRunsAndEnabledAfterwards) {
  QWidget host;
  host.show();
  QWidget other;
  other.show();
  QWidget alreadyDisabled;
  alreadyDisabled.setEnabled(false);
  alreadyDisabled.show();
  QWidget hidden;  // never shown: left alone

  QDialog dialog(&host);
  bool hostBlocked = false, otherEnabled = true, dialogEnabled = false;
  QTimer::singleShot(0, [&] {
    // The dialog's own window cannot be disabled without the dialog; modality blocks it.
    hostBlocked = host.isEnabled() && QApplication::activeModalWidget() == &dialog &&
                  dialog.windowModality() == Qt::ApplicationModal;
    otherEnabled = other.isEnabled();
    dialogEnabled = dialog.isEnabled();
    dialog.reject();
  });
  EXPECT_EQ(platform::ExecModal(dialog), QDialog::Rejected);

  EXPECT_TRUE(hostBlocked);
  EXPECT_FALSE(otherEnabled);
  EXPECT_TRUE(dialogEnabled);
  EXPECT_TRUE(host.isEnabled());
  EXPECT_TRUE(other.isEnabled());
  EXPECT_FALSE(alreadyDisabled.isEnabled());  // stays as its owner left it
  EXPECT_TRUE(hidden.isEnabled());
}

TEST(ModalGuard, AWindowClosedWhileTheDialogRunsIsSkipped) {
  auto* transient = new QWidget;
  transient->show();
  {
    platform::QtModalGuard guard(nullptr);
    EXPECT_FALSE(transient->isEnabled());
    delete transient;
  }  // nothing to enable, nothing dangling
  SUCCEED();
}

}  // namespace
}  // namespace moyo
