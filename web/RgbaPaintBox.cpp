#include "web/RgbaPaintBox.h"

namespace moyo::web {

void RgbaPaintBox::SetSize(int width, int height) {
  image_.Resize(width, height);
  canvas_.Touch({0, 0, image_.width, image_.height});
}

}  // namespace moyo::web
