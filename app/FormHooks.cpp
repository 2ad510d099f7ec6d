#include "app/FormHooks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace moyo::app {

// The form's shortcut for turning the board.
constexpr Qt::Key kTurnBoardKey = Qt::Key_R;
constexpr Qt::KeyboardModifiers kTurnBoardModifiers = Qt::ControlModifier;

void TurnBoard(QWidget* form) {
  QKeyEvent press(QEvent::KeyPress, kTurnBoardKey, kTurnBoardModifiers);
  QKeyEvent release(QEvent::KeyRelease, kTurnBoardKey, kTurnBoardModifiers);
  QApplication::sendEvent(form, &press);
  QApplication::sendEvent(form, &release);
}

void SetStoneSound(QWidget* form, bool on) {
  form->setProperty("stoneSound", on);
}

void ClickPrintButton(QWidget* form) {
  if (auto* button = form->findChild<QAbstractButton*>(QStringLiteral("printBtn"))) {
    button->click();
  }
}

}  // namespace moyo::app
