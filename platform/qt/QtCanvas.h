#pragma once
// The canvas over a QPainter: a screen image, a printer page or any other
// paint device. Geometry is drawn without antialiasing so pixels come out as
// the board painter computes them.

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>
#include <map>
#include <memory>
#include <tuple>

#include "platform/Canvas.h"

namespace moyo::platform {

class QtCanvas : public Canvas {
 public:
  // Draws on device with a painter of its own, active until destruction.
  explicit QtCanvas(QPaintDevice& device);
  // Draws with the caller's active painter (a print job's pages).
  explicit QtCanvas(QPainter& painter);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  // The painter drawn with.
  QPainter& Painter() { return *painter_; }

  void CopyRect(const Rect& dest, const Bitmap& src, int srcX, int srcY, RasterOp op) override;
  void TileRect(const Rect& dest, const Bitmap& src, const Rect& piece) override;
  void SetPen(const Pen& pen) override { pen_ = pen; }
  void SetBrush(const Brush& brush) override { brush_ = brush; }
  void Line(int x1, int y1, int x2, int y2) override;
  void Ellipse(const Rect& box) override;
  void Rectangle(const Rect& box) override;
  void FillRect(const Rect& box) override;
  void SetFont(const FontSpec& font) override;
  Size TextExtent(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text, Rgb colour,
               TextAnchor anchor = TextAnchor::TopLeft) override;
  int DotsPerInchY() const override;

 private:
  // A text laid out once in a font, for the move numbers and labels that are
  // drawn again and again.
  struct LaidOutText {
    QStaticText text;
    int width;
  };
  struct LoadedFont {
    QFont font;
    QFontMetrics metrics;
    std::map<std::string, LaidOutText> texts;
  };
  using FontKey = std::tuple<std::string, int, int, int, unsigned, Charset>;

  void Prepare();
  LoadedFont& CurrentFont();
  const LaidOutText& LayOut(LoadedFont& font, const std::string& text);
  void DrawWordsApart(const LoadedFont& font, QPoint topLeft, const QString& text);

  std::unique_ptr<QPainter> ownPainter_;
  QPainter* painter_;
  Pen pen_;
  Brush brush_;
  FontSpec fontSpec_;
  std::map<FontKey, LoadedFont> fonts_;
  LoadedFont* font_ = nullptr;
};

}  // namespace moyo::platform
