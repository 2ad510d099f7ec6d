#include "platform/qt/QtPaintBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace moyo::platform {
namespace {

MouseButton ToButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return MouseButton::Left;
  }
}

unsigned ToShift(Qt::KeyboardModifiers modifiers) {
  unsigned shift = kShiftNone;
  if (modifiers & Qt::ShiftModifier) shift |= kShiftKey;
  if (modifiers & Qt::AltModifier) shift |= kAltKey;
  if (modifiers & Qt::ControlModifier) shift |= kCtrlKey;
  return shift;
}

}  // namespace

QtPaintBox::QtPaintBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(0, 0);
}

void QtPaintBox::SetSize(int width, int height) {
  box_.SetSize(width, height);
  setFixedSize(box_.Image().size());
  update();
}

void QtPaintBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect().topLeft(), box_.Image(), event->rect());
}

void QtPaintBox::mousePressEvent(QMouseEvent* event) {
  if (!OnMouseDown) return;
  const QPoint at = event->position().toPoint();
  OnMouseDown(ToButton(event->button()), ToShift(event->modifiers()), at.x(), at.y());
}

}  // namespace moyo::platform
