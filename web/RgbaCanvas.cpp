#include "web/RgbaCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace moyo::web {
namespace {

using platform::Rect;
using platform::Rgb;

Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (r.Width() <= 0 || r.Height() <= 0) return {};
  return r;
}

bool Empty(const Rect& r) {
  return r.Width() <= 0 || r.Height() <= 0;
}

}  // namespace

void RgbaCanvas::Touch(const Rect& box) {
  if (Empty(box)) return;
  if (Empty(dirty_)) {
    dirty_ = box;
    return;
  }
  dirty_ = {std::min(dirty_.left, box.left), std::min(dirty_.top, box.top),
            std::max(dirty_.right, box.right), std::max(dirty_.bottom, box.bottom)};
}

Rect RgbaCanvas::TakeDirty() {
  const Rect dirty = dirty_;
  dirty_ = {};
  return dirty;
}

void RgbaCanvas::Fill(const Rect& box, Rgb colour) {
  const Rect part = Intersect(box, {0, 0, image_.width, image_.height});
  if (Empty(part)) return;
  for (int y = part.top; y < part.bottom; ++y) {
    std::uint8_t* p = image_.At(part.left, y);
    for (int x = part.left; x < part.right; ++x, p += 4) {
      p[0] = colour.r;
      p[1] = colour.g;
      p[2] = colour.b;
    }
  }
  Touch(part);
}

void RgbaCanvas::Plot(int x, int y, Rgb colour) {
  Fill({x, y, x + 1, y + 1}, colour);
}

void RgbaCanvas::CopyRect(const Rect& dest, const platform::Bitmap& src, int srcX, int srcY,
                          platform::RasterOp op) {
  const auto* bitmap = dynamic_cast<const RgbaBitmap*>(&src);
  if (bitmap == nullptr || Empty(dest)) return;
  const RgbaImage& from = bitmap->Image();
  // Only the part of the block inside the picture, and inside the image, is copied.
  const Rect block = Intersect({srcX, srcY, srcX + dest.Width(), srcY + dest.Height()},
                               {0, 0, from.width, from.height});
  const Rect to = Intersect({dest.left + block.left - srcX, dest.top + block.top - srcY,
                             dest.left + block.right - srcX, dest.top + block.bottom - srcY},
                            {0, 0, image_.width, image_.height});
  if (Empty(block) || Empty(to)) return;
  const int dx = srcX - dest.left;
  const int dy = srcY - dest.top;
  for (int y = to.top; y < to.bottom; ++y) {
    std::uint8_t* d = image_.At(to.left, y);
    const std::uint8_t* s = from.At(to.left + dx, y + dy);
    for (int x = to.left; x < to.right; ++x, d += 4, s += 4) {
      for (int c = 0; c < 3; ++c) {
        switch (op) {
          case platform::RasterOp::And:
            d[c] &= s[c];
            break;
          case platform::RasterOp::Or:
            d[c] |= s[c];
            break;
          case platform::RasterOp::Copy:
            d[c] = s[c];
            break;
        }
      }
    }
  }
  Touch(to);
}

void RgbaCanvas::Line(int x1, int y1, int x2, int y2) {
  if (pen_.style == platform::PenStyle::Null || (x1 == x2 && y1 == y2)) return;
  const int width = std::max(1, pen_.width);
  const int before = (width - 1) / 2;
  // A line covers its start pixel and stops before its end pixel, whichever
  // way it runs; a wide pen widens it evenly across its direction.
  if (y1 == y2) {
    const int from = x1 < x2 ? x1 : x2 + 1;
    Fill({from, y1 - before, from + std::abs(x2 - x1), y1 - before + width}, pen_.colour);
    return;
  }
  if (x1 == x2) {
    const int from = y1 < y2 ? y1 : y2 + 1;
    Fill({x1 - before, from, x1 - before + width, from + std::abs(y2 - y1)}, pen_.colour);
    return;
  }
  // Slanted lines (diagram drawings only): Bresenham, end pixel left out.
  const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
  const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
  int error = dx + dy;
  for (int x = x1, y = y1; x != x2 || y != y2;) {
    Fill({x - before, y - before, x - before + width, y - before + width}, pen_.colour);
    const int twice = 2 * error;
    if (twice >= dy) error += dy, x += sx;
    if (twice <= dx) error += dx, y += sy;
  }
}

void RgbaCanvas::Ellipse(const Rect& box) {
  if (Empty(box)) return;
  // Pixels whose centres lie inside the ellipse are filled; those of them next
  // to an outside pixel make the outline.
  const double cx = (box.left + box.right) / 2.0;
  const double cy = (box.top + box.bottom) / 2.0;
  const double rx = box.Width() / 2.0;
  const double ry = box.Height() / 2.0;
  const auto inside = [&](int x, int y) {
    const double u = (x + 0.5 - cx) / rx;
    const double v = (y + 0.5 - cy) / ry;
    return u * u + v * v <= 1.0;
  };
  const bool outline = pen_.style != platform::PenStyle::Null;
  const bool fill = brush_.style == platform::BrushStyle::Solid;
  const int ring = std::max(1, pen_.width);
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) {
      if (!inside(x, y)) continue;
      bool edge = false;
      for (int k = 1; k <= ring && !edge; ++k) {
        edge = !inside(x - k, y) || !inside(x + k, y) || !inside(x, y - k) || !inside(x, y + k);
      }
      if (outline && edge) {
        Plot(x, y, pen_.colour);
      } else if (fill) {
        Plot(x, y, brush_.colour);
      }
    }
  }
}

void RgbaCanvas::Rectangle(const Rect& box) {
  if (Empty(box)) return;
  if (brush_.style == platform::BrushStyle::Solid) Fill(box, brush_.colour);
  if (pen_.style == platform::PenStyle::Null) return;
  for (const Rect& band : platform::FrameBands(box, pen_.width)) Fill(band, pen_.colour);
}

void RgbaCanvas::FillRect(const Rect& box) {
  if (brush_.style == platform::BrushStyle::Null) return;
  Fill(box, brush_.colour);
}

platform::Size RgbaCanvas::TextExtent(const std::string& text) {
  return text_.Extent(font_, text);
}

void RgbaCanvas::TextOut(int x, int y, const std::string& text, Rgb colour,
                         platform::TextAnchor anchor) {
  if (text.empty()) return;
  const platform::Size extent = text_.Extent(font_, text);
  using platform::TextAnchor;
  if (anchor == TextAnchor::TopCentre) x -= extent.width / 2;
  if (anchor == TextAnchor::TopRight || anchor == TextAnchor::BottomRight) x -= extent.width;
  if (anchor == TextAnchor::BottomLeft || anchor == TextAnchor::BottomRight) y -= extent.height;
  text_.Draw(image_, x, y, font_, text, colour);
  Touch(
      Intersect({x, y, x + extent.width, y + extent.height}, {0, 0, image_.width, image_.height}));
}

}  // namespace moyo::web
