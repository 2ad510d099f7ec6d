#pragma once
// Text for the RGBA canvas: measuring and drawing are left to whoever has the
// fonts (the browser, in the web module).

#include <string>

#include "platform/Canvas.h"
#include "web/RgbaImage.h"

namespace moyo::web {

class TextPainter {
 public:
  virtual ~TextPainter() = default;
  // Width and height of text (CP949 bytes) in font.
  virtual platform::Size Extent(const platform::FontSpec& font, const std::string& text) = 0;
  // Draws text in colour onto image, the top-left of its box at (x, y),
  // blending glyph edges with what is there.
  virtual void Draw(RgbaImage& image, int x, int y, const platform::FontSpec& font,
                    const std::string& text, platform::Rgb colour) = 0;
};

}  // namespace moyo::web
