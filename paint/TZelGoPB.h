#pragma once
// The board painter: draws an N x N board (19 x 19 unless its owner says
// otherwise) with its wood, edge shadow, grid, star points, coordinate labels,
// stones and marks onto a paint box, and turns mouse presses on it into board
// points. It keeps its own copy of what each point shows, so it can repaint
// without asking the board model.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "board/BoardTypes.h"
#include "platform/Canvas.h"
#include "platform/PaintBox.h"

namespace moyo {

// The mark code of the last move's triangle.
inline constexpr int kLastMoveMark = mark::kLastMove;

class TZelGoPB {
 public:
  // Paints on paintBox with background as the wood texture and edge as the
  // edge shadow picture; all three belong to the caller and must outlive the
  // painter. Takes over the paint box's mouse presses.
  TZelGoPB(platform::PaintBox& paintBox, const platform::Bitmap& background,
           const platform::Bitmap& edge);
  ~TZelGoPB();
  TZelGoPB(const TZelGoPB&) = delete;
  TZelGoPB& operator=(const TZelGoPB&) = delete;

  // Uses these cell-sized pictures for stones from now on (call before
  // SetBoardSize); they belong to the caller. Without them stones are circles.
  void SetStoneBitmaps(const platform::Bitmap* black, const platform::Bitmap* white,
                       const platform::Bitmap* blackMask, const platform::Bitmap* whiteMask);

  // Sizes the board square to pixels (Lines() x the cell size), the paint box
  // to pixels + Margin, refits the mark fonts and repaints. Sizes below Lines()
  // and the current size, once drawn at, are ignored.
  void SetBoardSize(int pixels);
  // Draws a board of lines x lines points (clamped to 1..19) from now on, as the
  // board model's size; a change empties every point and, once the board has
  // been drawn, keeps the cell size, resizes the paint box and repaints.
  void SetLines(int lines);
  // Lines on each side of the board drawn.
  int Lines() const { return lines_; }
  // Redraws the whole board from the painter's own copy of the points.
  void Repaint();
  // The canvas's faces changed under the painter (a page's fonts came in after
  // it drew): fits the mark fonts again and redraws the whole board.
  void RefitText();
  // Sets point (x, y) to colour (0 empty, 1 black, 2 white) with the number or
  // mark code, and redraws that one cell. Points off the board are ignored.
  void DrawPoint(std::uint8_t colour, int x, int y, int number);
  // Shows the position points with no marks; while held, draws only the
  // points that change, at EndHold.
  void LoadBoard(const TPointGrid& points);
  // Holds back DrawPoint's drawing while a whole record is entered, where no
  // step in between is seen: the points are still taken, and EndHold draws
  // each changed cell once, in the order of its last change, which leaves the
  // picture drawing every change would have left. A Repaint draws them too.
  void BeginHold() { holding_ = true; }
  void EndHold();
  // Turns the view by 180 degrees, or back.
  void ToggleFlip();
  // Replaces the edge shadow picture (trial mode has its own); shown at the
  // next Repaint. The picture belongs to the caller.
  void SetEdgeBitmap(const platform::Bitmap& edge);

  // Draws the mark code number on point (x, y). With clear, a point that has
  // a mark is drawn without it instead, so the same call toggles the mark.
  void DrawMark(int x, int y, int number, bool clear);
  // Shows these marks on the board (0 for none).
  void LoadMarks(const TNumberGrid& marks);
  // Removes every mark from the board.
  void ClearMarks();

  // A mouse press at pixel (px, py) of the paint box.
  void MouseDown(platform::MouseButton button, unsigned shift, int px, int py);
  // Raised for every mouse press with the point under it; presses in the
  // margin give Lines() + 1 (or 0 when flipped), so the receiver checks the range.
  std::function<void(TZelGoPB& sender, platform::MouseButton button, unsigned shift, int x, int y)>
      OnPointClick;

  // Pixels of one cell; 0 before the first SetBoardSize.
  int CellSize() const { return cellSize_; }
  // Pixels of the board square.
  int BoardPixels() const { return boardPixels_; }
  // Pixels right of and below the board for the shadow and the labels.
  int Margin() const { return margin_; }
  // Sets the board square's size without drawing (a host's starting value).
  void SetBoardPixels(int pixels) { boardPixels_ = pixels; }
  // Sets the margin; above 10 it holds the coordinate labels.
  void SetMargin(int margin) { margin_ = margin; }
  // The colour of the margin behind the shadow and the labels; the host's
  // panel colour, light grey (229, 229, 229) unless set.
  void SetMarginColour(platform::Rgb colour) { marginColour_ = colour; }
  // Whether the view is turned by 180 degrees.
  bool Flipped() const { return flipped_; }
  // What the painter holds for point (x, y), 1..Lines(); 0 off the board.
  std::uint8_t PointAt(int x, int y) const;
  // The number or mark code held for point (x, y), 1..Lines(); 0 off the board.
  int MarkAt(int x, int y) const;

  // The fitted font sizes, in points, of the mark texts.
  int NumberSize3() { return MarkFonts().number3; }
  int NumberSize2() { return MarkFonts().number2; }
  int HangulSize() { return MarkFonts().hangul; }
  int LetterSize() { return MarkFonts().letter; }

 private:
  struct Cell {
    int left, top;
  };
  // The largest size from 17 down at which each sample fits in the cell, or 0.
  struct MarkFontSizes {
    int number3 = 0, number2 = 0, hangul = 0, letter = 0;
  };

  platform::Canvas& Canvas() { return paintBox_.GetCanvas(); }
  Cell DrawnCell(int x, int y) const;
  int DrawnX(int x) const { return flipped_ ? lines_ + 1 - x : x; }
  int DrawnY(int y) const { return flipped_ ? lines_ + 1 - y : y; }

  void PaintBackground();
  void PaintGrid();
  void PaintStarPoint(int cx, int cy);
  void PaintLabels();
  void PaintCellWood(int px, int py);
  void PaintEmptyCell(int drawnX, int drawnY);
  // The cell of (x, y) as the painter's copy holds it: cleared, stone, mark.
  void PaintPoint(int x, int y);
  void PaintStone(std::uint8_t colour, int drawnX, int drawnY);
  void PaintMark(int x, int y, int number);
  void PaintLastMoveTriangle(std::uint8_t colour, int drawnX, int drawnY);
  void PaintSquare(bool black, int drawnX, int drawnY);
  // The mark fonts fitted to the present cell. Fitting loads a dozen fonts, so
  // it waits until a mark needs them, and is done once per cell size.
  const MarkFontSizes& MarkFonts();
  bool OnBoard(int x, int y) const { return x >= 1 && x <= lines_ && y >= 1 && y <= lines_; }

  platform::PaintBox& paintBox_;
  const platform::Bitmap& background_;
  const platform::Bitmap* edge_;
  int tileWidth_, tileHeight_;
  const platform::Bitmap* blackStone_ = nullptr;
  const platform::Bitmap* whiteStone_ = nullptr;
  const platform::Bitmap* blackMask_ = nullptr;
  const platform::Bitmap* whiteMask_ = nullptr;
  std::optional<MarkFontSizes> markFonts_;
  int half_ = 0;
  TNumberGrid markGrid_{};
  int lines_ = kMaxBoardSize;
  bool flipped_ = false;
  int cellSize_ = 0;
  int boardPixels_ = 190;
  int margin_ = 20;
  platform::Rgb marginColour_{229, 229, 229};
  TPointGrid pointGrid_{};
  bool holding_ = false;
  // While held: for each point, when it last changed (1, 2, ...), 0 if it has not.
  TNumberGrid heldChanges_{};
  int heldCount_ = 0;
};

}  // namespace moyo
