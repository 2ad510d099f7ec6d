#pragma once
// A paint box without a window: an RGB32 image with a canvas on it. The paint
// box widget shows one; command-line tools and tests draw into one directly.

#include <QImage>
#include <functional>
#include <memory>

#include "platform/PaintBox.h"
#include "platform/qt/QtCanvas.h"

namespace moyo::platform {

class QtImageBox : public PaintBox {
 public:
  // A 1 x 1 surface until the first SetSize.
  QtImageBox();
  ~QtImageBox() override;

  Canvas& GetCanvas() override { return *canvas_; }
  // Sizes below one pixel are taken as one.
  void SetSize(int width, int height) override;
  Size GetSize() const override { return {image_.width(), image_.height()}; }
  void Changed() override;

  // What has been drawn. The canvas's painter is still active on it: copy it
  // before keeping it beyond the next drawing.
  const QImage& Image() const { return image_; }

  // Raised by Changed and by SetSize, so a window can show the new picture.
  std::function<void()> OnChanged;

 private:
  QImage image_;
  std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace moyo::platform
