#pragma once
// A picture held as a QImage in the 32-bit format the raster operations need.

#include <QImage>
#include <algorithm>

#include "platform/Canvas.h"

namespace moyo::platform {

class QtBitmap : public Bitmap {
 public:
  // Takes any QImage; it is converted to RGB32 so AND and OR copies combine
  // colour channels bit by bit.
  explicit QtBitmap(const QImage& image);

  // In logical pixels: a picture with a device pixel ratio of 2 is half its image.
  int Width() const override { return image_.width() / Ratio(); }
  int Height() const override { return image_.height() / Ratio(); }
  // Device pixels a logical pixel, 1 or more.
  int Ratio() const { return std::max(1, static_cast<int>(image_.devicePixelRatio())); }
  // The picture in RGB32.
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
};

}  // namespace moyo::platform
