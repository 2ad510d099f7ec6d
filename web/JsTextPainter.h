#pragma once
// Text measured and drawn by the page's 2D canvas with the fonts served beside
// the module (the substitutes of the desktop's faces).

#include "web/TextPainter.h"

namespace moyo::web {

class JsTextPainter : public TextPainter {
 public:
  platform::Size Extent(const platform::FontSpec& font, const std::string& text) override;
  void Draw(RgbaImage& image, int x, int y, const platform::FontSpec& font, const std::string& text,
            platform::Rgb colour) override;
};

}  // namespace moyo::web
