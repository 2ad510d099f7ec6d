#pragma once
// What the RGBA canvas tests share: a text painter that draws nothing, and
// Qt pictures turned into RGBA images.

#include <QImage>
#include <algorithm>
#include <string>

#include "web/RgbaImage.h"
#include "web/TextPainter.h"

namespace moyo::web::test {

class NoText : public TextPainter {
 public:
  platform::Size Extent(const platform::FontSpec&, const std::string&) override { return {}; }
  void Draw(RgbaImage&, int, int, const platform::FontSpec&, const std::string&,
            platform::Rgb) override {}
};

inline RgbaImage ToRgba(const QImage& from) {
  const QImage image = from.convertToFormat(QImage::Format_RGBA8888);
  RgbaImage rgba;
  rgba.Resize(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    std::copy_n(image.constScanLine(y), image.width() * 4, rgba.At(0, y));
  }
  return rgba;
}

}  // namespace moyo::web::test
