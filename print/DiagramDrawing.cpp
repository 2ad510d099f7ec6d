#include "print/DiagramDrawing.h"

#include <algorithm>

#include "board/StarPoints.h"
#include "print/LFontDesc.h"
#include "print/LetterLabels.h"

namespace moyo {
namespace {

using platform::Rect;

constexpr platform::Brush kBlackBrush{platform::kBlack, platform::BrushStyle::Solid};
constexpr platform::Brush kWhiteBrush{platform::kWhite, platform::BrushStyle::Solid};
constexpr platform::Pen kNullPen{platform::kBlack, 1, platform::PenStyle::Null, false};

bool IsStone(TCellState state) {
  return state != TCellState::Empty;
}

Rect Offset(Rect box, int dx, int dy) {
  return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

// A font whose cell (ascent plus descent) is cellHeight units high: the canvas
// takes em heights, so the first measure of "0" scales the request.
platform::FontSpec FontOfCellHeight(platform::Canvas& canvas, unsigned style, int cellHeight) {
  platform::FontSpec font;
  font.face = kPrintFontName;
  font.style = style;
  font.charset = platform::Charset::Hangul;
  font.pixelHeight = std::max(cellHeight, 1);
  canvas.SetFont(font);
  const int measured = canvas.TextExtent("0").height;
  if (measured > 0 && measured != font.pixelHeight) {
    font.pixelHeight = std::max(1, (font.pixelHeight * font.pixelHeight + measured / 2) / measured);
  }
  return font;
}

int DigitCount(int number) {
  int digits = 1;
  while (number >= 10) {
    number /= 10;
    ++digits;
  }
  return digits;
}

}  // namespace

TCellGeometry::TCellGeometry(int gridSize, int outlinePct)
    : G(gridSize),
      c(gridSize / 2),
      e(gridSize % 2 == 1 ? gridSize / 2 : gridSize / 2 + 1),
      // Below 100 dots the thin line's share rounds to nothing; a line stays one dot at least.
      thin(std::max(1, (2 * gridSize / 100) / 2)),
      thick(std::max(1, (7 * gridSize / 100) / 2)),
      star((22 * gridSize / 100) / 2),
      inset(5 * gridSize / 200),
      outline(outlinePct * gridSize / 100) {}

Rect TCellGeometry::Segment(Direction direction, int h) const {
  switch (direction) {
    case Direction::Up:
      return {e - h, 0, c + h, c};
    case Direction::Right:
      return {e, e - h, G, c + h};
    case Direction::Down:
      return {e - h, e, c + h, G};
    case Direction::Left:
      break;
  }
  return {0, e - h, c, c + h};
}

Rect TCellGeometry::StarBox() const {
  return {e - star, e - star, c + star, c + star};
}

Rect TCellGeometry::StoneBox() const {
  return {inset, inset, G - 1 - inset, G - 1 - inset};
}

TDiagramDrawer::TDiagramDrawer(platform::Canvas& canvas, const LDispGGrid& grid, int top, int left,
                               const TGPOPTION& options)
    : canvas_(canvas),
      grid_(grid),
      top_(top),
      left_(left),
      options_(options),
      geometry_(std::clamp(options.GridSize, 0, kMaxGridSize), options.OutlinePct) {
  const int G = geometry_.G;
  letterHeight_ = G * options.LetterFontPct / 100;
  letterFont_ = FontOfCellHeight(canvas, platform::kRegular, letterHeight_);
  // Numbers are narrowed so that three digits still fit on a stone.
  constexpr int kWidthPct[3] = {42, 40, 30};
  const int numberHeight = G * options.NumberFontPct / 100;
  for (int i = 0; i < 3; ++i) {
    numberFonts_[i] = FontOfCellHeight(canvas, platform::kBold, numberHeight);
    numberFonts_[i].averageWidth = std::max(1, numberHeight * kWidthPct[i] / 100);
    canvas.SetFont(numberFonts_[i]);
    zeroHalfHeights_[i] = canvas.TextExtent("0").height / 2;
  }
}

void TDiagramDrawer::DrawDiagram() {
  if (geometry_.G != options_.GridSize || geometry_.G == 0) return;
  if (options_.DrawGrid) {
    const int lines = grid_.BoardSize();
    for (int row = 0; row < lines; ++row) {
      for (int column = 0; column < lines; ++column) DrawDiagramCell(row, column);
    }
    return;
  }
  for (int row = 0; row < LDispGGrid::kRows; ++row) {
    if (grid_.GetState(row, 0) == TCellState::Empty) break;
    for (int column = 0; column < LDispGGrid::kColumns - 1; ++column) {
      DrawDiagramCell(row, column);
      const bool bothEmpty = grid_.GetState(row, column) == TCellState::Empty &&
                             grid_.GetState(row, column + 1) == TCellState::Empty;
      if (bothEmpty || column == 27) break;
    }
  }
}

void TDiagramDrawer::DrawDiagramCell(int row, int column) {
  if (!LDispGGrid::Contains(row, column)) return;
  const int x = left_ + column * geometry_.G;
  const int y = top_ + row * geometry_.G;
  canvas_.SetPen(kNullPen);
  canvas_.SetBrush(kBlackBrush);
  const int lines = grid_.BoardSize();
  if (options_.DrawGrid && row < lines && column < lines) DrawGridLines(row, column, x, y);

  const TCellState state = grid_.GetState(row, column);
  if (IsStone(state)) {
    canvas_.SetPen({platform::kBlack, geometry_.outline, platform::PenStyle::Solid, true});
    canvas_.SetBrush(state == TCellState::Black ? kBlackBrush : kWhiteBrush);
    canvas_.Ellipse(Offset(geometry_.StoneBox(), x, y));
  }
  DrawLabel(x, y, row, column);
}

void TDiagramDrawer::DrawGridLines(int row, int column, int x, int y) {
  using Direction = TCellGeometry::Direction;
  struct Side {
    Direction direction;
    int dRow, dColumn;
    bool onEdge;  // along the board's edge: thick
  };
  const int last = grid_.BoardSize() - 1;
  const Side sides[] = {
      {Direction::Up, -1, 0, column == 0 || column == last},
      {Direction::Right, 0, 1, row == 0 || row == last},
      {Direction::Down, 1, 0, column == 0 || column == last},
      {Direction::Left, 0, -1, row == 0 || row == last},
  };
  const bool stoneHere = IsStone(grid_.GetState(row, column));
  bool drewSegment = false;
  for (const Side& side : sides) {
    const int nRow = row + side.dRow;
    const int nColumn = column + side.dColumn;
    if (nRow < 0 || nRow > last || nColumn < 0 || nColumn > last) continue;
    // No line runs between two touching stones.
    if (stoneHere && IsStone(grid_.GetState(nRow, nColumn))) continue;
    if (side.onEdge) {
      canvas_.FillRect(Offset(geometry_.Segment(side.direction, geometry_.thick), x + 1, y));
    } else {
      canvas_.FillRect(Offset(geometry_.Segment(side.direction, geometry_.thin), x, y));
    }
    drewSegment = true;
  }
  if (drewSegment && IsStarPoint(last + 1, column + 1, row + 1))
    canvas_.Ellipse(Offset(geometry_.StarBox(), x, y));
}

void TDiagramDrawer::DrawWhiteDisc(int x, int y) {
  const int r = letterHeight_ / 2;
  const int cx = x + geometry_.c;
  const int cy = y + geometry_.c;
  canvas_.SetPen(kNullPen);
  canvas_.SetBrush(kWhiteBrush);
  canvas_.Ellipse({cx - r, cy - r, cx + r, cy + r});
}

void TDiagramDrawer::DrawLabel(int x, int y, int row, int column) {
  const TCellState state = grid_.GetState(row, column);
  const std::uint8_t letter = grid_.GetLetter(row, column);
  const int number = grid_.GetNumber(row, column);
  const bool showLetter = letter != 0 && options_.DrawLetters;
  const bool showNumber = letter == 0 && options_.DrawNumbers && number >= 0;
  if (!showLetter && !showNumber) return;

  // Labels on an empty point stand on a white disc that hides the grid lines.
  if (state == TCellState::Empty) DrawWhiteDisc(x, y);
  const platform::Rgb colour = state == TCellState::Black ? platform::kWhite : platform::kBlack;
  const int cx = x + geometry_.c;
  if (showLetter) {
    canvas_.SetFont(letterFont_);
    canvas_.TextOut(cx, y + geometry_.c - letterHeight_ / 2, LetterText(letter, number), colour,
                    platform::TextAnchor::TopCentre);
    return;
  }
  const int font = std::min(DigitCount(number), 3) - 1;
  canvas_.SetFont(numberFonts_[font]);
  canvas_.TextOut(cx, y + geometry_.c - zeroHalfHeights_[font] - 1, std::to_string(number), colour,
                  platform::TextAnchor::TopCentre);
}

void DrawDiagram(platform::Canvas& canvas, const LDispGGrid& grid, int top, int left,
                 const TGPOPTION& options) {
  TDiagramDrawer(canvas, grid, top, left, options).DrawDiagram();
}

}  // namespace moyo
