#include "platform/qt/QtCanvas.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <algorithm>

#include "platform/qt/QtBitmap.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtText.h"

namespace moyo::platform {
namespace {

QColor ToQColor(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

QPainter::CompositionMode ToMode(RasterOp op) {
  switch (op) {
    case RasterOp::And:
      return QPainter::RasterOp_SourceAndDestination;
    case RasterOp::Or:
      return QPainter::RasterOp_SourceOrDestination;
    case RasterOp::Copy:
      break;
  }
  return QPainter::CompositionMode_Source;
}

}  // namespace

QtCanvas::QtCanvas(QPaintDevice& device)
    : ownPainter_(std::make_unique<QPainter>(&device)), painter_(ownPainter_.get()) {
  Prepare();
}

QtCanvas::QtCanvas(QPainter& painter) : painter_(&painter) {
  Prepare();
}

QtCanvas::~QtCanvas() = default;

void QtCanvas::Prepare() {
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_->setRenderHint(QPainter::TextAntialiasing, true);
}

void QtCanvas::CopyRect(const Rect& dest, const Bitmap& src, int srcX, int srcY, RasterOp op) {
  const auto* bitmap = dynamic_cast<const QtBitmap*>(&src);
  if (bitmap == nullptr || dest.Width() <= 0 || dest.Height() <= 0) return;
  // Only the part of the block that lies inside the picture is copied. The
  // block is in logical pixels, the picture's rectangle in its own pixels.
  const int ratio = bitmap->Ratio();
  const QRect wanted(srcX * ratio, srcY * ratio, dest.Width() * ratio, dest.Height() * ratio);
  const QRect part = wanted.intersected(bitmap->Image().rect());
  if (part.isEmpty()) return;
  const QPoint to(dest.left + (part.left() - wanted.left()) / ratio,
                  dest.top + (part.top() - wanted.top()) / ratio);
  painter_->setCompositionMode(ToMode(op));
  painter_->drawImage(to, bitmap->Image(), part);
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QtCanvas::TileRect(const Rect& dest, const Bitmap& src, const Rect& piece) {
  const auto* bitmap = dynamic_cast<const QtBitmap*>(&src);
  if (bitmap == nullptr || dest.Width() <= 0 || dest.Height() <= 0) return;
  const QRect block(piece.left, piece.top, piece.Width(), piece.Height());
  if (block.isEmpty() || !bitmap->Image().rect().contains(block)) {
    Canvas::TileRect(dest, src, piece);
    return;
  }
  // One textured fill instead of a copy a tile: the edge shadow repeats a
  // one-pixel row hundreds of times.
  const QImage texture =
      block == bitmap->Image().rect() ? bitmap->Image() : bitmap->Image().copy(block);
  painter_->setBrushOrigin(dest.left, dest.top);
  painter_->fillRect(QRect(dest.left, dest.top, dest.Width(), dest.Height()), QBrush(texture));
  painter_->setBrushOrigin(0, 0);
}

void QtCanvas::Line(int x1, int y1, int x2, int y2) {
  if (pen_.style == PenStyle::Null || (x1 == x2 && y1 == y2)) return;
  const QColor colour = ToQColor(pen_.colour);
  // A line covers its start pixel and stops before its end pixel, in either
  // direction; thin straight lines are filled as pixel runs to keep that exact.
  if (pen_.width <= 1 && (x1 == x2 || y1 == y2)) {
    if (y1 == y2) {
      const int from = x1 < x2 ? x1 : x2 + 1;
      painter_->fillRect(QRect(from, y1, std::abs(x2 - x1), 1), colour);
    } else {
      const int from = y1 < y2 ? y1 : y2 + 1;
      painter_->fillRect(QRect(x1, from, 1, std::abs(y2 - y1)), colour);
    }
    return;
  }
  QPen pen(colour);
  pen.setWidth(std::max(1, pen_.width));
  pen.setCapStyle(Qt::FlatCap);
  painter_->setPen(pen);
  // A flat-capped Qt line covers the same pixels whichever way it runs; the
  // pixel it leaves out must be the end one, so reversed lines move by one.
  const int dx = x2 < x1 ? 1 : 0;
  const int dy = y2 < y1 ? 1 : 0;
  painter_->drawLine(x1 + dx, y1 + dy, x2 + dx, y2 + dy);
}

void QtCanvas::Ellipse(const Rect& box) {
  if (box.Width() <= 0 || box.Height() <= 0) return;
  painter_->setBrush(brush_.style == BrushStyle::Solid ? QBrush(ToQColor(brush_.colour))
                                                       : QBrush(Qt::NoBrush));
  if (pen_.style == PenStyle::Null) {
    painter_->setPen(Qt::NoPen);
    painter_->drawEllipse(QRect(box.left, box.top, box.Width(), box.Height()));
    return;
  }
  const int width = std::max(1, pen_.width);
  QPen pen(ToQColor(pen_.colour));
  pen.setWidth(width);
  painter_->setPen(pen);
  if (width == 1) {
    // A one-pixel outline of a w x h box spans w - 1 by h - 1 in Qt's terms.
    painter_->drawEllipse(QRect(box.left, box.top, box.Width() - 1, box.Height() - 1));
    return;
  }
  // The pen runs along the middle of its width; an inside-frame outline is
  // moved in by half a width so the ellipse stays in its box.
  const double inset = pen_.insideFrame ? width / 2.0 : 0.0;
  painter_->drawEllipse(
      QRectF(box.left + inset, box.top + inset, box.Width() - 2 * inset, box.Height() - 2 * inset));
}

void QtCanvas::Rectangle(const Rect& box) {
  if (box.Width() <= 0 || box.Height() <= 0) return;
  if (brush_.style == BrushStyle::Solid) {
    painter_->fillRect(QRect(box.left, box.top, box.Width(), box.Height()),
                       ToQColor(brush_.colour));
  }
  if (pen_.style == PenStyle::Null) return;
  const QColor colour = ToQColor(pen_.colour);
  for (const Rect& band : FrameBands(box, pen_.width)) {
    painter_->fillRect(QRect(band.left, band.top, band.Width(), band.Height()), colour);
  }
}

void QtCanvas::FillRect(const Rect& box) {
  if (box.Width() <= 0 || box.Height() <= 0 || brush_.style == BrushStyle::Null) return;
  painter_->fillRect(QRect(box.left, box.top, box.Width(), box.Height()), ToQColor(brush_.colour));
}

void QtCanvas::SetFont(const FontSpec& font) {
  fontSpec_ = font;
  font_ = nullptr;
}

QtCanvas::LoadedFont& QtCanvas::CurrentFont() {
  if (font_ != nullptr) return *font_;
  const FontKey key{fontSpec_.face,         fontSpec_.pointSize, fontSpec_.pixelHeight,
                    fontSpec_.averageWidth, fontSpec_.style,     fontSpec_.charset};
  auto it = fonts_.find(key);
  if (it == fonts_.end()) {
    QFont font = MakeQtFont(fontSpec_, DotsPerInchY());
    QFontMetrics metrics(font, painter_->device());
    it = fonts_.emplace(key, LoadedFont{font, metrics, {}}).first;
  }
  font_ = &it->second;
  return *font_;
}

const QtCanvas::LaidOutText& QtCanvas::LayOut(LoadedFont& font, const std::string& text) {
  auto it = font.texts.find(text);
  if (it != font.texts.end()) return it->second;
  // Commentary-sized texts are not worth keeping; a board's numbers and labels are.
  constexpr std::size_t kMaxKept = 4096;
  if (font.texts.size() >= kMaxKept) font.texts.clear();
  const QString qtext = ToQt(text);
  QStaticText laidOut(qtext);
  laidOut.setTextFormat(Qt::PlainText);
  laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
  laidOut.prepare(QTransform(), font.font);
  return font.texts.emplace(text, LaidOutText{laidOut, font.metrics.horizontalAdvance(qtext)})
      .first->second;
}

Size QtCanvas::TextExtent(const std::string& text) {
  LoadedFont& font = CurrentFont();
  return {LayOut(font, text).width, font.metrics.height()};
}

void QtCanvas::TextOut(int x, int y, const std::string& text, Rgb colour, TextAnchor anchor) {
  if (text.empty()) return;
  LoadedFont& font = CurrentFont();
  const LaidOutText& laidOut = LayOut(font, text);
  switch (anchor) {
    case TextAnchor::TopCentre:
      x -= laidOut.width / 2;
      break;
    case TextAnchor::TopRight:
    case TextAnchor::BottomRight:
      x -= laidOut.width;
      break;
    case TextAnchor::TopLeft:
    case TextAnchor::BottomLeft:
      break;
  }
  const bool bottom = anchor == TextAnchor::BottomLeft || anchor == TextAnchor::BottomRight;
  const int top = bottom ? y - font.metrics.height() : y;
  painter_->setFont(font.font);
  painter_->setPen(ToQColor(colour));
  if (painter_->paintEngine() != nullptr && painter_->paintEngine()->type() == QPaintEngine::Pdf &&
      text.find(' ') != std::string::npos) {
    DrawWordsApart(font, QPoint(x, top), ToQt(text));
    return;
  }
  painter_->drawStaticText(QPoint(x, top), laidOut.text);
}

// Some faces share their blank glyph with the control characters (NanumGothicCoding
// maps U+0000 to U+001F to it), and a PDF's text layer then reads every blank as
// U+0001. On PDF pages the words are set one by one where the whole text puts
// them, with no blank glyph, so the text layer reads the words and the gaps.
void QtCanvas::DrawWordsApart(const LoadedFont& font, QPoint topLeft, const QString& text) {
  const int baseline = topLeft.y() + font.metrics.ascent();
  qsizetype start = 0;
  while (start < text.size()) {
    if (text[start] == u' ') {
      ++start;
      continue;
    }
    qsizetype end = text.indexOf(u' ', start);
    if (end < 0) end = text.size();
    const int offset = font.metrics.horizontalAdvance(text.left(start));
    painter_->drawText(QPoint(topLeft.x() + offset, baseline), text.mid(start, end - start));
    start = end;
  }
}

int QtCanvas::DotsPerInchY() const {
  return painter_->device()->logicalDpiY();
}

}  // namespace moyo::platform
