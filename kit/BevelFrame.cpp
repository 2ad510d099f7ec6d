#include "kit/BevelFrame.h"

#include <QPainter>

namespace moyo::kit {

void DrawBevelFrame(QPainter& painter, const QRect& box, const QColor& topLeft,
                    const QColor& bottomRight, int width) {
  // Rectangles are filled rather than stroked, so no pen rule can move a line
  // by a pixel: each ring covers exactly its outermost row and column.
  QRect ring = box;
  for (int i = 0; i < width && ring.width() > 0 && ring.height() > 0; ++i) {
    const int w = ring.width();
    const int h = ring.height();
    painter.fillRect(QRect(ring.left(), ring.top(), w - 1, 1), topLeft);
    painter.fillRect(QRect(ring.left(), ring.top(), 1, h - 1), topLeft);
    painter.fillRect(QRect(ring.left(), ring.bottom(), w, 1), bottomRight);
    painter.fillRect(QRect(ring.right(), ring.top(), 1, h), bottomRight);
    ring.adjust(1, 1, -1, -1);
  }
}

}  // namespace moyo::kit
