#pragma once
// What the RGBA canvas tests share: a text painter that draws nothing, and
// Qt pictures turned into RGBA images.

#include <QImage>
#include <algorithm>

#include "tests/web/NoText.h"
#include "web/RgbaImage.h"

namespace moyo::web::test {

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
