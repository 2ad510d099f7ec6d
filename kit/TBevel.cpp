#include "kit/TBevel.h"

#include <QPainter>

namespace moyo::kit {

TBevel::TBevel(QWidget* parent) : QWidget(parent) {}

void TBevel::paintEvent(QPaintEvent*) {
  // Shadow on the top and left, light on the bottom and right: a lowered box.
  QPainter painter(this);
  const QRect box = rect().adjusted(0, 0, -1, -1);
  painter.setPen(QColor(128, 128, 128));
  painter.drawLine(box.topLeft(), box.topRight());
  painter.drawLine(box.topLeft(), box.bottomLeft());
  painter.setPen(Qt::white);
  painter.drawLine(box.bottomLeft(), box.bottomRight());
  painter.drawLine(box.topRight(), box.bottomRight());
}

}  // namespace moyo::kit
