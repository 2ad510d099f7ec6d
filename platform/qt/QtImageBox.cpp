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
  const Size now = GetSize();
  if (width == now.width && height == now.height) return;
  NewImage(width, height);
}

void QtImageBox::SetPixelRatio(int ratio) {
  ratio = std::max(1, ratio);
  if (ratio == ratio_) return;
  const Size size = GetSize();
  ratio_ = ratio;
  NewImage(size.width, size.height);
}

void QtImageBox::NewImage(int width, int height) {
  canvas_.reset();  // the painter must let go of the old image first
  image_ = QImage(width * ratio_, height * ratio_, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio_);
  image_.fill(Qt::white);
  canvas_ = std::make_unique<QtCanvas>(image_);
  if (OnChanged) OnChanged();
}

void QtImageBox::Changed() {
  if (OnChanged) OnChanged();
}

}  // namespace moyo::platform
