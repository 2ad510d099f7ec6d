#include "control/FormPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <functional>

#include "platform/Text.h"
#include "platform/qt/QtFonts.h"

namespace moyo {
namespace {

QFont FaceFont(int pixels, bool bold) {
  QFont font(platform::SubstituteFamily(platform::Utf8ToCp949("굴림"), platform::Charset::Hangul));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// A stone with a soft highlight, the way the board shows one.
void DrawStone(QPainter& painter, const QRectF& box, bool black) {
  QRadialGradient shade(box.left() + box.width() * 0.35, box.top() + box.height() * 0.3,
                        box.width() * 0.7);
  shade.setColorAt(0, black ? QColor(110, 110, 110) : QColor(255, 255, 255));
  shade.setColorAt(1, black ? QColor(10, 10, 10) : QColor(190, 190, 185));
  painter.setPen(black ? QColor(0, 0, 0) : QColor(120, 120, 120));
  painter.setBrush(shade);
  painter.drawEllipse(box);
}

// Four frames of one face: up, disabled (greyed), highlighted (word in
// orange), down (sunk by one pixel).
QPixmap FourFrames(int width, int height, const std::function<void(QPainter&, int)>& drawFrame) {
  QPixmap strip(width * 4, height);
  strip.fill(Qt::transparent);
  QPainter painter(&strip);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int frame = 0; frame < 4; ++frame) {
    painter.save();
    painter.translate(frame * width, 0);
    painter.setClipRect(0, 0, width, height);
    drawFrame(painter, frame);
    painter.restore();
  }
  return strip;
}

// A rounded word button like the artwork's word faces.
QPixmap WordFace(int width, int height, const char* word) {
  return FourFrames(width, height, [=](QPainter& painter, int frame) {
    const bool down = frame == 3;
    QLinearGradient face(0, 0, 0, height);
    face.setColorAt(0, down ? QColor(150, 160, 185) : QColor(235, 238, 248));
    face.setColorAt(1, down ? QColor(205, 210, 228) : QColor(160, 170, 198));
    painter.setPen(QColor(80, 90, 120));
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 3, 3);
    painter.setFont(FaceFont(height >= 30 ? 14 : 12, true));
    painter.setPen(frame == 1   ? QColor(150, 150, 150)
                   : frame == 2 ? QColor(240, 120, 0)
                                : QColor(30, 40, 80));
    painter.drawText(QRect(down ? 1 : 0, down ? 1 : 0, width, height), Qt::AlignCenter,
                     QString::fromUtf8(word));
  });
}

// The icon of a guessing button: one or two stones on a flat face.
QPixmap StoneIcon(int width, int height, bool black, bool both) {
  return FourFrames(width, height, [=](QPainter& painter, int frame) {
    const bool down = frame == 3;
    painter.setPen(down ? QColor(110, 110, 110) : QColor(170, 170, 170));
    painter.setBrush(down ? QColor(200, 200, 200) : QColor(236, 236, 236));
    painter.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    const double d = height - 8;
    const double shift = down ? 1 : 0;
    if (both) {
      DrawStone(painter, QRectF(3 + shift, 3 + shift, d, d), true);
      DrawStone(painter, QRectF(width - d - 3 + shift, 5 + shift, d, d), false);
    } else {
      DrawStone(painter, QRectF((width - d) / 2 + shift, 4 + shift, d, d), black);
    }
    if (frame == 1) painter.fillRect(0, 0, width, height, QColor(236, 236, 236, 150));
    if (frame == 2) {
      painter.setPen(QColor(240, 120, 0));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    }
  });
}

QPixmap Title() {
  QPixmap title(310, 25);
  title.fill(QColor(229, 229, 229));
  QPainter painter(&title);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawStone(painter, QRectF(2, 4, 17, 17), true);
  DrawStone(painter, QRectF(13, 4, 17, 17), false);
  painter.setFont(FaceFont(16, true));
  painter.setPen(QColor(40, 60, 110));
  painter.drawText(QRect(38, 0, 272, 25), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromUtf8("모요스코프  기보감상"));
  return title;
}

QPixmap PlayerStrip() {
  // Two rows on a blue ground: a black stone for Black's row, a white stone
  // for White's, and at the right end of each a bowl of captured stones.
  QPixmap strip(233, 66);
  QPainter painter(&strip);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient ground(0, 0, 0, 66);
  ground.setColorAt(0, QColor(70, 100, 170));
  ground.setColorAt(1, QColor(40, 65, 130));
  painter.fillRect(strip.rect(), ground);
  painter.setPen(QColor(150, 175, 220));
  painter.drawLine(6, 33, 226, 33);
  for (int row = 0; row < 2; ++row) {
    const int top = row * 33;
    DrawStone(painter, QRectF(8, top + 7, 19, 19), row == 0);
    painter.setPen(QColor(30, 30, 30));
    painter.setBrush(QColor(150, 105, 55));
    painter.drawEllipse(QRectF(195, top + 9, 33, 17));
    painter.setBrush(QColor(120, 80, 40));
    painter.drawEllipse(QRectF(199, top + 11, 25, 9));
  }
  return strip;
}

QPixmap Wallpaper() {
  QPixmap paper(44, 35);
  QPainter painter(&paper);
  QLinearGradient ground(0, 0, 0, 35);
  ground.setColorAt(0, QColor(214, 220, 236));
  ground.setColorAt(1, QColor(178, 188, 214));
  painter.fillRect(paper.rect(), ground);
  painter.setPen(QColor(200, 206, 226));
  painter.drawLine(0, 17, 43, 17);
  return paper;
}

}  // namespace

QPixmap FormPicture(const std::string& name) {
  if (name == "title") return Title();
  if (name == "playerstrip") return PlayerStrip();
  if (name == "wallpaper") return Wallpaper();
  if (name == "blackicon") return StoneIcon(22, 20, true, false);
  if (name == "whiteicon") return StoneIcon(22, 20, false, false);
  if (name == "bothicon") return StoneIcon(27, 20, true, true);
  if (name == "moveface") return WordFace(46, 20, "N번째");
  if (name == "hintface") return WordFace(56, 20, "힌트보임");
  if (name == "hintxface") return WordFace(56, 20, "힌트숨김");
  if (name == "printface") return WordFace(96, 35, "인쇄하기");
  return {};
}

}  // namespace moyo
