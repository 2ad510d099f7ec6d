#pragma once
// Drawing one printed Go diagram: an N x N board with grid, star points,
// stones, move numbers and letters, or a retake list of stones, letters and
// dashes without grid.

#include "platform/Canvas.h"
#include "print/LDispGGrid.h"
#include "print/TGPOPTION.h"

namespace moyo {

// The measures of one diagram cell of size G, relative to its top-left corner.
struct TCellGeometry {
  TCellGeometry(int gridSize, int outlinePct);

  int G;
  int c;        // centre
  int e;        // where the right and lower half segments start: c + 1 on even cells
  int thin;     // half-width of an inner line
  int thick;    // half-width of an edge line
  int star;     // half-size of a star point
  int inset;    // gap between the cell and its stone
  int outline;  // stone outline width

  enum class Direction { Up, Right, Down, Left };
  // The segment of a line from the centre toward one side, half-width h.
  platform::Rect Segment(Direction direction, int h) const;
  // The star point's box.
  platform::Rect StarBox() const;
  // The stone's box.
  platform::Rect StoneBox() const;
};

// The largest cell size drawn; a larger one (or one of 0 or less) draws nothing.
inline constexpr int kMaxGridSize = 1'000'000;

// Draws grid on canvas with its top-left cell at (left, top), in device units.
void DrawDiagram(platform::Canvas& canvas, const LDispGGrid& grid, int top, int left,
                 const TGPOPTION& options);

// One diagram drawing: the tools and geometry that all cells of one call share.
class TDiagramDrawer {
 public:
  // Makes the fonts and measures for grid at (left, top).
  TDiagramDrawer(platform::Canvas& canvas, const LDispGGrid& grid, int top, int left,
                 const TGPOPTION& options);

  // Draws every cell, in board or list mode as the options say; nothing for a
  // grid size outside 1 to kMaxGridSize.
  void DrawDiagram();
  // Draws one cell of the grid at its place.
  void DrawDiagramCell(int row, int column);

 private:
  void DrawGridLines(int row, int column, int x, int y);
  void DrawWhiteDisc(int x, int y);
  void DrawLabel(int x, int y, int row, int column);

  platform::Canvas& canvas_;
  const LDispGGrid& grid_;
  int top_;
  int left_;
  TGPOPTION options_;
  TCellGeometry geometry_;
  platform::FontSpec letterFont_;
  int letterHeight_;
  platform::FontSpec numberFonts_[3];  // 1 digit, 2 digits, 3 or more
  int zeroHalfHeights_[3];             // half the height of "0" in each number font
};

}  // namespace moyo
