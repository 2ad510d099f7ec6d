#include "web/RgbaImage.h"

#include <algorithm>

namespace moyo::web {

void RgbaImage::Resize(int newWidth, int newHeight) {
  width = std::max(1, newWidth);
  height = std::max(1, newHeight);
  pixels.assign(static_cast<std::size_t>(width) * height * 4, 0);
  for (std::size_t i = 3; i < pixels.size(); i += 4) pixels[i] = 255;
}

}  // namespace moyo::web
