#pragma once
// The canvas over an RGBA image, drawing every pixel itself so the board comes
// out exactly as the desktop paints it: copies combined bit by bit (AND, OR,
// copy), one-pixel lines without their end pixel, filled rectangles and frames.
// Text goes to a TextPainter. It notes the area drawn since it was last asked.

#include "platform/Canvas.h"
#include "web/RgbaImage.h"
#include "web/TextPainter.h"

namespace moyo::web {

class RgbaCanvas : public platform::Canvas {
 public:
  // Draws on image with text by text; both must outlive the canvas.
  RgbaCanvas(RgbaImage& image, TextPainter& text) : image_(image), text_(text) {}

  void CopyRect(const platform::Rect& dest, const platform::Bitmap& src, int srcX, int srcY,
                platform::RasterOp op) override;
  void SetPen(const platform::Pen& pen) override { pen_ = pen; }
  void SetBrush(const platform::Brush& brush) override { brush_ = brush; }
  void Line(int x1, int y1, int x2, int y2) override;
  void Ellipse(const platform::Rect& box) override;
  void Rectangle(const platform::Rect& box) override;
  void FillRect(const platform::Rect& box) override;
  void SetFont(const platform::FontSpec& font) override { font_ = font; }
  platform::Size TextExtent(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text, platform::Rgb colour,
               platform::TextAnchor anchor = platform::TextAnchor::TopLeft) override;
  int DotsPerInchY() const override { return 96; }

  // The area drawn on since the last call (empty when nothing was), and forgets it.
  platform::Rect TakeDirty();
  // Counts box, already inside the image, as drawn on.
  void Touch(const platform::Rect& box);

 private:
  // Fills the part of box inside the image with colour.
  void Fill(const platform::Rect& box, platform::Rgb colour);
  void Plot(int x, int y, platform::Rgb colour);

  RgbaImage& image_;
  TextPainter& text_;
  platform::Pen pen_;
  platform::Brush brush_;
  platform::FontSpec font_;
  platform::Rect dirty_;
};

}  // namespace moyo::web
