#pragma once
// A picture as RGBA bytes, row by row, alpha always opaque: the web module's
// board image (shown on a <canvas> by copying these bytes) and its artwork.

#include <cstdint>
#include <vector>

#include "platform/Canvas.h"

namespace moyo::web {

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height * 4 bytes

  // A width x height picture, all black; sizes below one are taken as one.
  void Resize(int newWidth, int newHeight);
  std::uint8_t* At(int x, int y) {
    return pixels.data() + (static_cast<std::size_t>(y) * width + x) * 4;
  }
  const std::uint8_t* At(int x, int y) const {
    return pixels.data() + (static_cast<std::size_t>(y) * width + x) * 4;
  }
};

// A picture the painter copies from: stones, masks, wood, edges.
class RgbaBitmap : public platform::Bitmap {
 public:
  explicit RgbaBitmap(RgbaImage image) : image_(std::move(image)) {}
  int Width() const override { return image_.width; }
  int Height() const override { return image_.height; }
  const RgbaImage& Image() const { return image_; }

 private:
  RgbaImage image_;
};

}  // namespace moyo::web
