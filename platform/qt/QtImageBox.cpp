#include "platform/qt/QtImageBox.h"

#include <algorithm>

namespace moyo::platform {

// A painter cannot begin on an empty image, so the box starts at one pixel.
QtImageBox::QtImageBox() : image_(1, 1, QImage::Format_RGB32) {
  image_.fill(Qt::white);
  canvas_ = std::make_unique<QtCanvas>(image_);
}

QtImageBox::~QtImageBox() = default;

void QtImageBox::SetSize(int width, int height) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (width == image_.width() && height == image_.height()) return;
  canvas_.reset();  // the painter must let go of the old image first
  image_ = QImage(width, height, QImage::Format_RGB32);
  image_.fill(Qt::white);
  canvas_ = std::make_unique<QtCanvas>(image_);
  if (OnChanged) OnChanged();
}

void QtImageBox::Changed() {
  if (OnChanged) OnChanged();
}

}  // namespace moyo::platform
