#pragma once
// A text painter that draws nothing: the page's text is the browser's, so the
// tests of the RGBA boards leave it out.

#include <string>

#include "web/TextPainter.h"

namespace moyo::web::test {

class NoText : public TextPainter {
 public:
  platform::Size Extent(const platform::FontSpec&, const std::string&) override { return {}; }
  void Draw(RgbaImage&, int, int, const platform::FontSpec&, const std::string&,
            platform::Rgb) override {}
};

}  // namespace moyo::web::test
