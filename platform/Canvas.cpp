#include "platform/Canvas.h"

#include <algorithm>

namespace moyo::platform {

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
