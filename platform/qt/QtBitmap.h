#pragma once
// A picture held as a QImage in the 32-bit format the raster operations need.

#include <QImage>

#include "platform/Canvas.h"

namespace moyo::platform {

class QtBitmap : public Bitmap {
 public:
  // Takes any QImage; it is converted to RGB32 so AND and OR copies combine
  // colour channels bit by bit.
  explicit QtBitmap(const QImage& image);

  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  // The picture in RGB32.
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
};

}  // namespace moyo::platform
