#include "paint/TZelGoPB.h"

#include "board/StarPoints.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace moyo {
namespace {

using platform::Brush;
using platform::Pen;
using platform::Rect;
using platform::Rgb;

// The light line along the board's top and left edges.
constexpr Rgb kHighlight{251, 218, 162};

}  // namespace

TZelGoPB::TZelGoPB(platform::PaintBox& paintBox, const platform::Bitmap& background,
                   const platform::Bitmap& edge)
    : paintBox_(paintBox),
      background_(background),
      edge_(&edge),
      tileWidth_(background.Width()),
      tileHeight_(background.Height()) {
  paintBox_.OnMouseDown = [this](platform::MouseButton button, unsigned shift, int x, int y) {
    MouseDown(button, shift, x, y);
  };
}

TZelGoPB::~TZelGoPB() {
  paintBox_.OnMouseDown = nullptr;
}

void TZelGoPB::SetStoneBitmaps(const platform::Bitmap* black, const platform::Bitmap* white,
                               const platform::Bitmap* blackMask,
                               const platform::Bitmap* whiteMask) {
  blackStone_ = black;
  whiteStone_ = white;
  blackMask_ = blackMask;
  whiteMask_ = whiteMask;
}

void TZelGoPB::SetBoardSize(int pixels) {
  // Below one pixel a line a cell would have no size at all. The starting size
  // is not taken for unchanged, or a board of that size would never be drawn.
  if (pixels < lines_ || (pixels == boardPixels_ && cellSize_ > 0)) return;
  paintBox_.SetSize(pixels + margin_, pixels + margin_);
  cellSize_ = pixels / lines_;
  half_ = cellSize_ / 2;
  markFonts_.reset();
  boardPixels_ = pixels;
  Repaint();
}

void TZelGoPB::RefitText() {
  markFonts_.reset();
  if (cellSize_ > 0) Repaint();
}

void TZelGoPB::SetLines(int lines) {
  lines = std::clamp(lines, 1, kMaxBoardSize);
  if (lines == lines_) return;
  lines_ = lines;
  // A position of another size means nothing on this one; the owner loads the new one.
  pointGrid_ = {};
  markGrid_ = {};
  if (cellSize_ == 0) return;  // the first SetBoardSize sizes and draws it
  boardPixels_ = lines_ * cellSize_;
  paintBox_.SetSize(boardPixels_ + margin_, boardPixels_ + margin_);
  Repaint();
}

std::uint8_t TZelGoPB::PointAt(int x, int y) const {
  return OnBoard(x, y) ? pointGrid_[y - 1][x - 1] : 0;
}

int TZelGoPB::MarkAt(int x, int y) const {
  return OnBoard(x, y) ? markGrid_[y - 1][x - 1] : 0;
}

TZelGoPB::Cell TZelGoPB::DrawnCell(int x, int y) const {
  return {(x - 1) * cellSize_, (y - 1) * cellSize_};
}

void TZelGoPB::Repaint() {
  heldChanges_ = {};
  heldCount_ = 0;
  PaintBackground();
  PaintGrid();
  for (int y = 1; y <= lines_; ++y) {
    for (int x = 1; x <= lines_; ++x) {
      const std::uint8_t colour = pointGrid_[y - 1][x - 1];
      if (colour != kEmpty) PaintStone(colour, DrawnX(x), DrawnY(y));
      PaintMark(x, y, markGrid_[y - 1][x - 1]);
    }
  }
  if (margin_ > 10) PaintLabels();
  paintBox_.Changed();
}

void TZelGoPB::PaintBackground() {
  platform::Canvas& canvas = Canvas();
  const int p = boardPixels_;
  canvas.TileRect({0, 0, p, p}, background_, {0, 0, tileWidth_, tileHeight_});
  // The margin is cleared first, so labels are never drawn over old ones.
  if (margin_ > 0) {
    canvas.SetBrush(Brush{marginColour_});
    canvas.FillRect({p, 0, p + margin_, p + margin_});
    canvas.FillRect({0, p, p, p + margin_});
  }
  // The shadow right of and below the board, drawn from pieces of the edge picture.
  const platform::Bitmap& edge = *edge_;
  using platform::RasterOp;
  canvas.CopyRect({p, 0, p + 7, 5}, edge, 3, 0, RasterOp::Copy);
  canvas.TileRect({p, 5, p + 7, p}, edge, {3, 4, 10, 5});
  canvas.CopyRect({0, p, 3, p + 7}, edge, 0, 5, RasterOp::Copy);
  canvas.TileRect({3, p, p, p + 7}, edge, {2, 5, 3, 12});
  canvas.CopyRect({p, p, p + 7, p + 7}, edge, 3, 5, RasterOp::Copy);
  canvas.SetPen(Pen{kHighlight});
  canvas.Line(0, 0, p, 0);
  canvas.Line(0, 0, 0, p);
}

void TZelGoPB::PaintGrid() {
  platform::Canvas& canvas = Canvas();
  canvas.SetPen(Pen{platform::kBlack});
  // End is the centre of the last row and column; lines stop just before it,
  // and the crossing lines fill it in, all but the very corner.
  const int end = (lines_ - 1) * cellSize_ + half_;
  for (int i = 0; i < lines_; ++i) {
    const int c = i * cellSize_ + half_;
    canvas.Line(half_, c, end, c);
    canvas.Line(c, half_, c, end);
  }
  if (cellSize_ % 2 == 0) canvas.Line(end, end, end + 1, end);
  for (int y = 1; y <= lines_; ++y) {
    for (int x = 1; x <= lines_; ++x) {
      if (IsStarPoint(lines_, x, y))
        PaintStarPoint((x - 1) * cellSize_ + half_, (y - 1) * cellSize_ + half_);
    }
  }
}

void TZelGoPB::PaintStarPoint(int cx, int cy) {
  platform::Canvas& canvas = Canvas();
  canvas.SetPen(Pen{platform::kBlack});
  // A small diamond-rounded dot of horizontal runs: 3-5-7-5-3 or 3-5-3 pixels.
  const int rows = cellSize_ >= 20 ? 2 : 1;
  for (int i = -rows; i <= rows; ++i) {
    const int reach = rows + 1 - std::abs(i);
    canvas.Line(cx - reach, cy + i, cx + reach + 1, cy + i);
  }
}

void TZelGoPB::PaintLabels() {
  platform::Canvas& canvas = Canvas();
  int size = 9;
  if (cellSize_ <= 14) {
    size = 6;
  } else if (cellSize_ <= 24) {
    size = 7;
  } else if (cellSize_ <= 29) {
    size = 8;
  }
  canvas.SetFont({cellSize_ >= 20 ? "Times New Roman" : "MS Serif", size});
  for (int i = 0; i < lines_; ++i) {
    const int row = flipped_ ? lines_ - i : i + 1;
    const std::string rowText = (row < 10 ? " " : "") + std::to_string(row);
    const platform::Size rowExtent = canvas.TextExtent(rowText);
    canvas.TextOut(boardPixels_ + 4, i * cellSize_ + (cellSize_ - rowExtent.height) / 2 + 1,
                   rowText, platform::kBlack);
    // Columns are lettered from A (A to S on 19 lines) with no letter skipped.
    const std::string column(1, static_cast<char>(flipped_ ? 64 + lines_ - i : 65 + i));
    const platform::Size columnExtent = canvas.TextExtent(column);
    canvas.TextOut(i * cellSize_ + (cellSize_ - columnExtent.width) / 2 + 3, boardPixels_ + 6,
                   column, platform::kBlack);
  }
}

void TZelGoPB::PaintCellWood(int px, int py) {
  if (tileWidth_ <= 0 || tileHeight_ <= 0) return;
  platform::Canvas& canvas = Canvas();
  // The block of texture under the cell, wrapping past the texture's right
  // and bottom edges as the tiling does.
  for (int y = py; y < py + cellSize_;) {
    const int sy = y % tileHeight_;
    const int h = std::min(tileHeight_ - sy, py + cellSize_ - y);
    for (int x = px; x < px + cellSize_;) {
      const int sx = x % tileWidth_;
      const int w = std::min(tileWidth_ - sx, px + cellSize_ - x);
      canvas.CopyRect({x, y, x + w, y + h}, background_, sx, sy, platform::RasterOp::Copy);
      x += w;
    }
    y += h;
  }
}

void TZelGoPB::PaintEmptyCell(int drawnX, int drawnY) {
  platform::Canvas& canvas = Canvas();
  const Cell cell = DrawnCell(drawnX, drawnY);
  PaintCellWood(cell.left, cell.top);
  const int cx = cell.left + half_;
  const int cy = cell.top + half_;
  canvas.SetPen(Pen{platform::kBlack});
  // The grid through the cell; on the board's edges it starts or ends at the centre.
  const int last = lines_;
  canvas.Line(drawnX == 1 ? cx : cell.left, cy, drawnX == last ? cx : cell.left + cellSize_, cy);
  canvas.Line(cx, drawnY == 1 ? cy : cell.top, cx, drawnY == last ? cy : cell.top + cellSize_);
  if (drawnX == last && drawnY == last && cellSize_ % 2 == 0) canvas.Line(cx, cy, cx + 1, cy);
  // The star points are symmetric, so the drawn point is one exactly when the point is.
  if (IsStarPoint(lines_, drawnX, drawnY)) PaintStarPoint(cx, cy);
  if (drawnX == 1 || drawnY == 1) {
    canvas.SetPen(Pen{kHighlight});
    if (drawnX == 1) canvas.Line(0, cell.top, 0, cell.top + cellSize_);
    if (drawnY == 1) canvas.Line(cell.left, 0, cell.left + cellSize_, 0);
  }
}

void TZelGoPB::PaintStone(std::uint8_t colour, int drawnX, int drawnY) {
  platform::Canvas& canvas = Canvas();
  const Cell cell = DrawnCell(drawnX, drawnY);
  const Rect box{cell.left, cell.top, cell.left + cellSize_, cell.top + cellSize_};
  const bool black = colour == kBlack;
  const platform::Bitmap* stone = black ? blackStone_ : whiteStone_;
  const platform::Bitmap* mask = black ? blackMask_ : whiteMask_;
  if (cellSize_ >= 10 && cellSize_ <= 59 && stone != nullptr && mask != nullptr) {
    // The mask clears the disc and keeps the wood around it; the stone, black
    // outside its disc, then fills the disc in.
    canvas.CopyRect(box, *mask, 0, 0, platform::RasterOp::And);
    canvas.CopyRect(box, *stone, 0, 0, platform::RasterOp::Or);
    return;
  }
  const Rgb fill = black ? platform::kBlack : platform::kWhite;
  canvas.SetPen(Pen{fill});
  canvas.SetBrush(Brush{fill});
  canvas.Ellipse(box);
}

void TZelGoPB::DrawPoint(std::uint8_t colour, int x, int y, int number) {
  if (!OnBoard(x, y)) return;
  pointGrid_[y - 1][x - 1] = colour;
  markGrid_[y - 1][x - 1] = number;
  if (holding_) {
    heldChanges_[y - 1][x - 1] = ++heldCount_;
    return;
  }
  PaintPoint(x, y);
  paintBox_.Changed();
}

void TZelGoPB::PaintPoint(int x, int y) {
  // The cell is cleared first, so nothing of an earlier mark or stone shows
  // around a new stone.
  PaintEmptyCell(DrawnX(x), DrawnY(y));
  const std::uint8_t colour = pointGrid_[y - 1][x - 1];
  if (colour != kEmpty) PaintStone(colour, DrawnX(x), DrawnY(y));
  PaintMark(x, y, markGrid_[y - 1][x - 1]);
}

void TZelGoPB::EndHold() {
  holding_ = false;
  if (heldCount_ == 0) return;
  // A mark may reach past its cell, so the cells are drawn in the order they
  // last changed, each over what its neighbours' earlier drawing left.
  std::vector<std::pair<int, int>> changed;  // (when, y * kMaxBoardSize + x), 0-based
  for (int y = 0; y < kMaxBoardSize; ++y) {
    for (int x = 0; x < kMaxBoardSize; ++x) {
      if (heldChanges_[y][x] > 0) changed.emplace_back(heldChanges_[y][x], y * kMaxBoardSize + x);
    }
  }
  std::sort(changed.begin(), changed.end());
  for (const auto& [when, point] : changed) {
    const int x = point % kMaxBoardSize + 1, y = point / kMaxBoardSize + 1;
    if (OnBoard(x, y)) PaintPoint(x, y);
  }
  heldChanges_ = {};
  heldCount_ = 0;
  paintBox_.Changed();
}

void TZelGoPB::LoadBoard(const TPointGrid& points) {
  if (!holding_) {
    pointGrid_ = points;
    markGrid_ = {};
    Repaint();
    return;
  }
  // Held, only the cells that change are noted: the rest of the picture
  // already shows what the new position shows there.
  for (int y = 0; y < kMaxBoardSize; ++y) {
    for (int x = 0; x < kMaxBoardSize; ++x) {
      if (points[y][x] == pointGrid_[y][x] && markGrid_[y][x] == 0) continue;
      pointGrid_[y][x] = points[y][x];
      markGrid_[y][x] = 0;
      heldChanges_[y][x] = ++heldCount_;
    }
  }
}

void TZelGoPB::ToggleFlip() {
  flipped_ = !flipped_;
  Repaint();
}

void TZelGoPB::SetEdgeBitmap(const platform::Bitmap& edge) {
  edge_ = &edge;
}

void TZelGoPB::MouseDown(platform::MouseButton button, unsigned shift, int px, int py) {
  if (cellSize_ <= 0) return;  // nothing is drawn before the first SetBoardSize
  int x = px / cellSize_ + 1;
  int y = py / cellSize_ + 1;
  if (flipped_) {
    x = lines_ + 1 - x;
    y = lines_ + 1 - y;
  }
  if (OnPointClick) OnPointClick(*this, button, shift, x, y);
}

}  // namespace moyo
