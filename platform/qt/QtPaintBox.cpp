#include "platform/qt/QtPaintBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

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
  // Known from the start, so the first SetSize makes the one image needed.
  box_.SetPixelRatio(ScreenRatio());
}

int QtPaintBox::ScreenRatio() const {
  // On a screen of several device pixels a pixel the picture is drawn at the
  // screen's own resolution, so nothing is scaled up when it is shown.
  return static_cast<int>(std::ceil(devicePixelRatioF()));
}

void QtPaintBox::SetSize(int width, int height) {
  box_.SetPixelRatio(ScreenRatio());
  box_.SetSize(width, height);
  const Size size = box_.GetSize();
  setFixedSize(size.width, size.height);
  update();
}

void QtPaintBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  const int ratio = box_.PixelRatio();
  painter.drawImage(area, box_.Image(), QRect(area.topLeft() * ratio, area.size() * ratio));
}

void QtPaintBox::mousePressEvent(QMouseEvent* event) {
  if (!OnMouseDown) return;
  const QPoint at = event->position().toPoint();
  OnMouseDown(ToButton(event->button()), ToShift(event->modifiers()), at.x(), at.y());
}

}  // namespace moyo::platform
