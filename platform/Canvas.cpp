#include "platform/Canvas.h"

#include <algorithm>

namespace moyo::platform {

std::array<Rect, 4> FrameBands(const Rect& box, int penWidth) {
  const int w = std::clamp(penWidth, 1, std::max(1, std::min(box.Width(), box.Height())));
  return {Rect{box.left, box.top, box.right, box.top + w},
          Rect{box.left, box.bottom - w, box.right, box.bottom},
          Rect{box.left, box.top, box.left + w, box.bottom},
          Rect{box.right - w, box.top, box.right, box.bottom}};
}

void Canvas::TileRect(const Rect& dest, const Bitmap& src, const Rect& piece) {
  if (piece.Width() <= 0 || piece.Height() <= 0) return;
  for (int y = dest.top; y < dest.bottom; y += piece.Height()) {
    for (int x = dest.left; x < dest.right; x += piece.Width()) {
      CopyRect({x, y, std::min(x + piece.Width(), dest.right),
                std::min(y + piece.Height(), dest.bottom)},
               src, piece.left, piece.top, RasterOp::Copy);
    }
  }
}

}  // namespace moyo::platform
