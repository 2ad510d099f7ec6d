#include "refdiagram/qt/THelpNavButton.h"

#include <QPainter>

namespace moyo {
namespace {

// The face rises from these colours at the bottom edge to its top colour.
const QColor kFaceTop(255, 255, 255);
const QColor kFaceBottom(204, 212, 212);
const QColor kActiveTop(181, 191, 191);
const QColor kActiveBottom(128, 144, 144);

}  // namespace

THelpNavButton::THelpNavButton(QWidget* parent) : kit::TGradientButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  SetActive(false);
  connect(this, &QPushButton::pressed, this, [this] { SetActive(true); });
  connect(this, &QPushButton::released, this, [this] { SetActive(underMouse()); });
}

void THelpNavButton::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void THelpNavButton::paintEvent(QPaintEvent* event) {
  kit::TGradientButton::paintEvent(event);
  if (picture_.isNull()) return;
  QPainter painter(this);
  const int shift = isDown() ? 1 : 0;
  painter.drawPixmap((width() - picture_.width()) / 2 + shift,
                     (height() - picture_.height()) / 2 + shift, picture_);
}

void THelpNavButton::enterEvent(QEnterEvent* event) {
  SetActive(true);
  kit::TGradientButton::enterEvent(event);
}

void THelpNavButton::leaveEvent(QEvent* event) {
  SetActive(isDown());
  kit::TGradientButton::leaveEvent(event);
}

void THelpNavButton::SetActive(bool active) {
  active_ = active;
  SetGradient(active ? kActiveTop : kFaceTop, active ? kActiveBottom : kFaceBottom);
  QPalette colours = palette();
  colours.setColor(QPalette::ButtonText, active ? Qt::white : Qt::black);
  setPalette(colours);
}

}  // namespace moyo
