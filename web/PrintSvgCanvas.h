#pragma once
// A printed page as SVG markup: the diagram printer's rectangles, ellipses and
// texts become SVG shapes in the page's own dots, so the browser prints them
// sharp at whatever resolution its printer has. Text is written as text in the
// faces that stand in for the desktop's, measured by the page.

#include <functional>
#include <string>

#include "platform/Canvas.h"

namespace moyo::web {

// The width and height of a UTF-8 text in a font family at a pixel height
// with style bits (kBold, kItalic), as the page measures it.
using TextMeasure = std::function<platform::Size(const std::string& family, int pixels,
                                                 unsigned style, const std::string& utf8)>;

class PrintSvgCanvas final : public platform::Canvas {
 public:
  // A page width x height dots at dpi dots an inch, texts measured by measure.
  PrintSvgCanvas(int width, int height, int dpi, TextMeasure measure);

  // Printed pages have no pictures: stones are ellipses, so copies draw nothing.
  void CopyRect(const platform::Rect&, const platform::Bitmap&, int, int,
                platform::RasterOp) override {}
  void SetPen(const platform::Pen& pen) override { pen_ = pen; }
  void SetBrush(const platform::Brush& brush) override { brush_ = brush; }
  void Line(int x1, int y1, int x2, int y2) override;
  void Ellipse(const platform::Rect& box) override;
  void Rectangle(const platform::Rect& box) override;
  void FillRect(const platform::Rect& box) override;
  void SetFont(const platform::FontSpec& font) override;
  platform::Size TextExtent(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text, platform::Rgb colour,
               platform::TextAnchor anchor = platform::TextAnchor::TopLeft) override;
  int DotsPerInchY() const override { return dpi_; }

  // The whole page: an <svg> element holding what was drawn.
  std::string Markup() const;

 private:
  struct Face {
    std::string family;
    int pixels = 1;
    unsigned style = 0;
    double stretch = 1;  // horizontal scale of a narrowed font
  };
  void Box(const platform::Rect& box, platform::Rgb colour);

  int width_, height_, dpi_;
  TextMeasure measure_;
  platform::Pen pen_;
  platform::Brush brush_;
  Face face_;  // of the font selected
  std::string body_;
};

// text (UTF-8) with the characters that are markup escaped, and the control
// characters XML cannot hold as blanks: record texts never become markup.
std::string XmlText(const std::string& utf8);

}  // namespace moyo::web
