#include "kit/TGradientButton.h"

#include <QLinearGradient>
#include <QPainter>

namespace moyo::kit {

TGradientButton::TGradientButton(QWidget* parent) : QPushButton(parent) {
  connect(this, &QPushButton::clicked, this, [this] {
    if (OnClick) OnClick();
  });
}

void TGradientButton::SetGradient(const QColor& top, const QColor& bottom) {
  top_ = top;
  bottom_ = bottom;
  update();
}

void TGradientButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const bool sunk = isDown();
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0, sunk ? bottom_ : top_);
  gradient.setColorAt(1, sunk ? top_ : bottom_);
  painter.fillRect(rect(), gradient);
  painter.setPen(QColor(96, 96, 96));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(128, 128, 128));
  painter.drawText(rect().translated(sunk ? 1 : 0, sunk ? 1 : 0), Qt::AlignCenter, text());
}

}  // namespace moyo::kit
