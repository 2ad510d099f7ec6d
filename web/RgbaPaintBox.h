#pragma once
// A paint box over an RGBA image: the board painter draws into it and the page
// copies the changed area onto its <canvas>.

#include "platform/PaintBox.h"
#include "web/RgbaCanvas.h"

namespace moyo::web {

class RgbaPaintBox : public platform::PaintBox {
 public:
  explicit RgbaPaintBox(TextPainter& text) : canvas_(image_, text) { image_.Resize(1, 1); }

  platform::Canvas& GetCanvas() override { return canvas_; }
  // Sizes below one pixel are taken as one; the whole picture counts as changed.
  void SetSize(int width, int height) override;
  platform::Size GetSize() const override { return {image_.width, image_.height}; }
  void Changed() override {}

  const RgbaImage& Image() const { return image_; }
  // The area drawn since the last call; the page copies just that.
  platform::Rect TakeDirty() { return canvas_.TakeDirty(); }

 private:
  RgbaImage image_;
  RgbaCanvas canvas_;
};

}  // namespace moyo::web
