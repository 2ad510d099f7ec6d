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
  // In logical pixels, whatever the ratio.
  Size GetSize() const override { return {image_.width() / ratio_, image_.height() / ratio_}; }
  // Device pixels a logical pixel of the image (1 unless set); the canvas
  // keeps drawing in logical pixels, at the finer resolution. Clears the image.
  void SetPixelRatio(int ratio);
  int PixelRatio() const { return ratio_; }
  void Changed() override;

  // What has been drawn. The canvas's painter is still active on it: copy it
  // before keeping it beyond the next drawing.
  const QImage& Image() const { return image_; }

  // Raised by Changed and by SetSize, so a window can show the new picture.
  std::function<void()> OnChanged;

 private:
  void NewImage(int width, int height);

  QImage image_;
  int ratio_ = 1;
  std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace moyo::platform
