#include "refdiagram/qt/HelpPictures.h"

#include <QPainter>
#include <QPolygonF>

namespace moyo {
namespace {

constexpr int kWidth = 17;
constexpr int kHeight = 9;
const QColor kArrowColour(36, 60, 72);

// A solid triangle pointing left or right, its flat side at x.
void PaintArrowHead(QPainter& painter, qreal x, bool forward) {
  const qreal tip = forward ? x + 6 : x - 6;
  painter.drawPolygon(QPolygonF{{x, 0.5}, {tip, kHeight / 2.0}, {x, kHeight - 0.5}});
}

// One arrow head for a single step, two for a step of five.
QPixmap PaintArrows(bool forward, bool five) {
  QPixmap picture(kWidth, kHeight);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kArrowColour);
  const qreal middle = kWidth / 2.0;
  if (five) {
    PaintArrowHead(painter, forward ? middle - 6 : middle + 6, forward);
    PaintArrowHead(painter, middle, forward);
  } else {
    PaintArrowHead(painter, forward ? middle - 3 : middle + 3, forward);
  }
  return picture;
}

}  // namespace

QPixmap HelpPicture(const std::string& name) {
  if (name == "img51") return PaintArrows(false, true);
  if (name == "img52") return PaintArrows(false, false);
  if (name == "img53") return PaintArrows(true, false);
  if (name == "img54") return PaintArrows(true, true);
  return {};
}

}  // namespace moyo
