// Button faces and the form's other pictures.

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "resources/artwork/ArtworkPainters.h"

namespace moyo::artwork {
namespace {

const QColor kPanel(229, 229, 229);
const QColor kInk(28, 44, 84);
const QColor kOrange(236, 118, 10);
const QColor kGreyInk(158, 160, 164);

// The four states of a face, in frame order.
enum class State { Up, Disabled, Highlighted, Down };

QFont KoreanFont(int pixels) {
  QFont font("NanumGothic");
  font.setBold(true);
  font.setPixelSize(pixels);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

void PaintStoneIcon(QPainter& p, QPointF centre, double r, bool white) {
  QRadialGradient light(centre + QPointF(-r * 0.35, -r * 0.4), r * 1.25);
  if (white) {
    light.setColorAt(0.0, QColor(255, 255, 253));
    light.setColorAt(0.6, QColor(232, 227, 214));
    light.setColorAt(1.0, QColor(168, 162, 150));
  } else {
    light.setColorAt(0.0, QColor(120, 122, 130));
    light.setColorAt(0.35, QColor(40, 41, 46));
    light.setColorAt(1.0, QColor(6, 6, 8));
  }
  p.setPen(QPen(white ? QColor(120, 116, 108) : QColor(0, 0, 0), 0.8));
  p.setBrush(light);
  p.drawEllipse(centre, r, r);
}

// A left- or right-pointing triangle of width w, height h, its point at tip.
QPainterPath Triangle(QPointF tip, double w, double h, bool left) {
  QPainterPath path;
  const double back = left ? tip.x() + w : tip.x() - w;
  path.moveTo(tip);
  path.lineTo(back, tip.y() - h / 2);
  path.lineTo(back, tip.y() + h / 2);
  path.closeSubpath();
  return path;
}

void PaintArrow(QPainter& p, QRectF frame, int arrow, const QColor& ink) {
  const QPointF c = frame.center();
  const double h = std::min(9.0, frame.height() * 0.5);
  const double w = h * 0.8;
  QPainterPath path;
  switch (arrow) {
    case 1:  // to the start: |<
      path.addRect(QRectF(c.x() - w / 2 - 2.5, c.y() - h / 2, 2, h));
      path.addPath(Triangle({c.x() - w / 2, c.y()}, w, h, true));
      break;
    case 2:  // five back: <<
      path.addPath(Triangle({c.x() - w, c.y()}, w, h, true));
      path.addPath(Triangle({c.x(), c.y()}, w, h, true));
      break;
    case 3:  // one back: <
      path.addPath(Triangle({c.x() - w / 2, c.y()}, w, h, true));
      break;
    case 4:  // one forward: >
      path.addPath(Triangle({c.x() + w / 2, c.y()}, w, h, false));
      break;
    case 5:  // five forward: >>
      path.addPath(Triangle({c.x(), c.y()}, w, h, false));
      path.addPath(Triangle({c.x() + w, c.y()}, w, h, false));
      break;
    default:  // to the end: >|
      path.addPath(Triangle({c.x() + w / 2, c.y()}, w, h, false));
      path.addRect(QRectF(c.x() + w / 2 + 0.5, c.y() - h / 2, 2, h));
      break;
  }
  path.setFillRule(Qt::WindingFill);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(path);
}

void PaintUpDown(QPainter& p, QRectF frame, bool up, const QColor& ink) {
  const QPointF c = frame.center();
  const double w = 7, h = 4;
  QPainterPath path;
  path.moveTo(c.x() - w / 2, c.y() + (up ? h / 2 : -h / 2));
  path.lineTo(c.x() + w / 2, c.y() + (up ? h / 2 : -h / 2));
  path.lineTo(c.x(), c.y() + (up ? -h / 2 : h / 2));
  path.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(path);
}

// The raised or pressed body of a button.
void PaintBody(QPainter& p, QRectF frame, State state) {
  QLinearGradient fill(frame.topLeft(), frame.bottomLeft());
  QColor border(112, 128, 155);
  switch (state) {
    case State::Up:
    case State::Highlighted:
      fill.setColorAt(0.0, QColor(253, 253, 255));
      fill.setColorAt(0.5, QColor(236, 240, 246));
      fill.setColorAt(1.0, QColor(208, 216, 229));
      if (state == State::Highlighted) border = QColor(210, 120, 40);
      break;
    case State::Disabled:
      fill.setColorAt(0.0, QColor(244, 244, 244));
      fill.setColorAt(1.0, QColor(222, 222, 222));
      border = QColor(176, 176, 176);
      break;
    case State::Down:
      fill.setColorAt(0.0, QColor(192, 202, 219));
      fill.setColorAt(1.0, QColor(230, 234, 242));
      border = QColor(86, 100, 128);
      break;
  }
  p.setPen(QPen(border, 1));
  p.setBrush(fill);
  const double radius = std::min(4.0, frame.height() / 4);
  p.drawRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

}  // namespace

QImage PaintFace(int width, int height, FaceContent content, const QString& word, int arrow) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kPanel);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const int frameWidth = width / 4;
  const State states[] = {State::Up, State::Disabled, State::Highlighted, State::Down};
  for (int k = 0; k < 4; ++k) {
    const State state = states[k];
    const QRectF frame(k * frameWidth, 0, frameWidth, height);
    PaintBody(p, frame, state);
    // A pressed face shows its content one pixel down and to the right.
    const QRectF inner = state == State::Down ? frame.translated(1, 1) : frame;
    const QColor ink = state == State::Disabled      ? kGreyInk
                       : state == State::Highlighted ? kOrange
                                                     : kInk;
    p.setOpacity(state == State::Disabled ? 0.45 : 1.0);
    switch (content) {
      case FaceContent::Word:
        p.setOpacity(1.0);
        p.setFont(KoreanFont(height >= 30 ? 15 : 12));
        p.setPen(ink);
        p.drawText(inner, Qt::AlignCenter, word);
        break;
      case FaceContent::Arrow:
        p.setOpacity(1.0);
        PaintArrow(p, inner, arrow, ink);
        break;
      case FaceContent::NewsUp:
      case FaceContent::NewsDown:
        p.setOpacity(1.0);
        PaintUpDown(p, inner, content == FaceContent::NewsUp, ink);
        break;
      case FaceContent::BlackStone:
      case FaceContent::WhiteStone:
        PaintStoneIcon(p, inner.center(), 6.5, content == FaceContent::WhiteStone);
        break;
      case FaceContent::BothStones:
        PaintStoneIcon(p, inner.center() + QPointF(-3.5, 0), 6.5, false);
        PaintStoneIcon(p, inner.center() + QPointF(3.5, 0), 6.5, true);
        break;
    }
    p.setOpacity(1.0);
    if (state == State::Highlighted && content != FaceContent::Word) {
      // Faces without a word show the highlight as an orange underline.
      p.setPen(QPen(kOrange, 1.5));
      p.drawLine(QPointF(inner.left() + 5, inner.bottom() - 3),
                 QPointF(inner.right() - 5, inner.bottom() - 3));
    }
  }
  return image;
}

QImage PaintTitle(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kPanel);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  PaintStoneIcon(p, {12, height / 2.0}, 8, false);
  PaintStoneIcon(p, {25, height / 2.0}, 8, true);
  QFont latin("Liberation Serif");
  latin.setBold(true);
  latin.setItalic(true);
  latin.setPixelSize(19);
  p.setFont(latin);
  p.setPen(kInk);
  const QRectF nameBox(40, 0, 130, height - 2);
  p.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, "Moyoscope");
  const int nameWidth = p.fontMetrics().horizontalAdvance("Moyoscope");
  p.setFont(KoreanFont(14));
  p.setPen(QColor(150, 96, 40));
  p.drawText(QRectF(40 + nameWidth + 12, 0, 140, height - 2), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromUtf8("기보감상"));
  QLinearGradient rule(40, 0, width, 0);
  rule.setColorAt(0.0, QColor(28, 44, 84, 200));
  rule.setColorAt(1.0, QColor(28, 44, 84, 0));
  p.setPen(QPen(QBrush(rule), 1));
  p.drawLine(QPointF(40, height - 1.5), QPointF(width, height - 1.5));
  return image;
}

QImage PaintPlayerStrip(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kPanel);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient blue(0, 0, 0, height);
  blue.setColorAt(0.0, QColor(58, 98, 168));
  blue.setColorAt(0.5, QColor(34, 70, 138));
  blue.setColorAt(1.0, QColor(22, 50, 108));
  p.setPen(QPen(QColor(16, 34, 76), 1));
  p.setBrush(blue);
  p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 5, 5);
  // The two rows, Black above and White below, parted by a fine line.
  p.setPen(QPen(QColor(255, 255, 255, 60), 1));
  p.drawLine(QPointF(6, height / 2.0), QPointF(width - 6, height / 2.0));
  PaintStoneIcon(p, {19, 17}, 10, false);
  PaintStoneIcon(p, {19, 49}, 10, true);
  // Prisoner bowls at the right, under the capture counts.
  for (double cy : {17.0, 49.0}) {
    QRadialGradient wood(QPointF(212, cy - 4), 16);
    wood.setColorAt(0.0, QColor(168, 112, 62));
    wood.setColorAt(0.7, QColor(112, 68, 34));
    wood.setColorAt(1.0, QColor(70, 40, 20));
    p.setPen(QPen(QColor(52, 30, 14), 1));
    p.setBrush(wood);
    p.drawEllipse(QPointF(218, cy), 13, 11);
    p.setPen(QPen(QColor(220, 170, 110, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(218, cy), 9.5, 7.5);
  }
  return image;
}

QImage PaintWallpaper(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient steel(0, 0, 0, height);
  steel.setColorAt(0.0, QColor(240, 242, 246));
  steel.setColorAt(0.5, QColor(226, 230, 237));
  steel.setColorAt(1.0, QColor(210, 216, 226));
  p.fillRect(image.rect(), steel);
  // Fine vertical ribs, at a spacing that divides the width so the tiles meet.
  p.setPen(QColor(255, 255, 255, 70));
  for (int x = 0; x < width; x += 4) p.drawLine(x, 0, x, height);
  p.setPen(QColor(150, 160, 180));
  p.drawLine(0, 0, width, 0);
  return image;
}

}  // namespace moyo::artwork
