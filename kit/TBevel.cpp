#include "kit/TBevel.h"

#include <QPainter>

#include "kit/BevelFrame.h"

namespace moyo::kit {

TBevel::TBevel(QWidget* parent) : QWidget(parent) {}

void TBevel::paintEvent(QPaintEvent*) {
  // Shadow on the top and left, light on the bottom and right: a lowered box.
  QPainter painter(this);
  DrawBevelFrame(painter, rect(), kBevelShadow, kBevelLight);
}

}  // namespace moyo::kit
