#include "print/DiagramDrawing.h"

#include <gtest/gtest.h>

#include "print/LFontDesc.h"
#include "print/LetterLabels.h"
#include "tests/print/RecordingCanvas.h"

namespace moyo {
namespace {

using platform::Rect;
using testing::DrawnOp;
using testing::RecordingCanvas;
using Kind = DrawnOp::Kind;

constexpr int kTop = 1000;
constexpr int kLeft = 500;

TGPOPTION Options(int grid, bool board = true) {
  TGPOPTION options;
  options.GridSize = grid;
  options.DrawGrid = board;
  return options;
}

// The operations drawn for one cell of a board at (kLeft, kTop).
std::vector<DrawnOp> CellOps(const LDispGGrid& grid, int row, int column, int size) {
  RecordingCanvas canvas;
  TDiagramDrawer drawer(canvas, grid, kTop, kLeft, Options(size));
  canvas.ops.clear();
  drawer.DrawDiagramCell(row, column);
  return canvas.ops;
}

std::vector<Rect> Boxes(const std::vector<DrawnOp>& ops, Kind kind) {
  std::vector<Rect> boxes;
  for (const DrawnOp& op : ops) {
    if (op.kind == kind) boxes.push_back(op.box);
  }
  return boxes;
}

Rect At(Rect box, int row, int column, int size) {
  const int x = kLeft + column * size, y = kTop + row * size;
  return {box.left + x, box.top + y, box.right + x, box.bottom + y};
}

TEST(CellGeometry, OddAndEvenGridSizes) {
  const TCellGeometry odd(185, 3);
  EXPECT_EQ(odd.c, 92);
  EXPECT_EQ(odd.e, 92);
  EXPECT_EQ(odd.thin, 1);
  EXPECT_EQ(odd.thick, 6);
  EXPECT_EQ(odd.StarBox(), (Rect{72, 72, 112, 112}));
  EXPECT_EQ(odd.inset, 4);
  EXPECT_EQ(odd.outline, 5);
  EXPECT_EQ(odd.StoneBox(), (Rect{4, 4, 180, 180}));
  EXPECT_EQ(odd.Segment(TCellGeometry::Direction::Up, 1), (Rect{91, 0, 93, 92}));

  // Even cells have no middle pixel: the lower and right halves start one after the centre.
  const TCellGeometry even(100, 3);
  EXPECT_EQ(even.c, 50);
  EXPECT_EQ(even.e, 51);
  EXPECT_EQ(even.Segment(TCellGeometry::Direction::Right, even.thin), (Rect{51, 50, 100, 51}));
  EXPECT_EQ(even.Segment(TCellGeometry::Direction::Down, even.thin), (Rect{50, 51, 51, 100}));
  EXPECT_EQ(even.Segment(TCellGeometry::Direction::Left, even.thin), (Rect{0, 50, 50, 51}));
  // The two-a-page grid of 115 is odd: its halves meet at the centre.
  const TCellGeometry twoAPage(115, 3);
  EXPECT_EQ(twoAPage.e, twoAPage.c);
  EXPECT_EQ(twoAPage.thick, 4);
  EXPECT_EQ(twoAPage.StarBox(), (Rect{45, 45, 69, 69}));
}

TEST(CellGeometry, SmallGridsKeepEveryLineAtLeastOneDotWide) {
  // The dialog takes grids from 90 dots; below 100 the thin line's share rounds to nothing.
  const LDispGGrid grid;
  for (int size = 90; size <= 100; ++size) {
    for (const auto& [row, column] : {std::pair{9, 9}, std::pair{0, 5}, std::pair{3, 3}}) {
      const std::vector<Rect> segments = Boxes(CellOps(grid, row, column, size), Kind::FillRect);
      ASSERT_FALSE(segments.empty());
      for (const Rect& segment : segments) {
        EXPECT_GE(segment.Width(), 1) << size << " at " << row << "," << column;
        EXPECT_GE(segment.Height(), 1) << size << " at " << row << "," << column;
      }
    }
  }
}

TEST(BoardCells, InnerStarPointHasFourThinSegmentsAndADot) {
  const LDispGGrid grid;
  const std::vector<DrawnOp> ops = CellOps(grid, 3, 9, 185);
  const TCellGeometry g(185, 3);
  using D = TCellGeometry::Direction;
  EXPECT_EQ(Boxes(ops, Kind::FillRect),
            (std::vector<Rect>{
                At(g.Segment(D::Up, 1), 3, 9, 185), At(g.Segment(D::Right, 1), 3, 9, 185),
                At(g.Segment(D::Down, 1), 3, 9, 185), At(g.Segment(D::Left, 1), 3, 9, 185)}));
  ASSERT_EQ(Boxes(ops, Kind::Ellipse), (std::vector<Rect>{At(g.StarBox(), 3, 9, 185)}));
  EXPECT_EQ(ops.back().brush.colour, platform::kBlack);
  EXPECT_EQ(ops.back().pen.style, platform::PenStyle::Null);
}

TEST(BoardCells, CornerAndEdgeSegmentsAreThickAndShifted) {
  const LDispGGrid grid;
  const TCellGeometry g(185, 3);
  using D = TCellGeometry::Direction;
  // Top-left corner: the two edge lines only, thick, one unit to the right.
  const Rect right = g.Segment(D::Right, 6), down = g.Segment(D::Down, 6);
  EXPECT_EQ(
      Boxes(CellOps(grid, 0, 0, 185), Kind::FillRect),
      (std::vector<Rect>{At({right.left + 1, right.top, right.right + 1, right.bottom}, 0, 0, 185),
                         At({down.left + 1, down.top, down.right + 1, down.bottom}, 0, 0, 185)}));
  // On the top edge the line into the board is thin.
  const std::vector<Rect> edge = Boxes(CellOps(grid, 0, 5, 185), Kind::FillRect);
  ASSERT_EQ(edge.size(), 3u);
  EXPECT_EQ(edge[1], At(g.Segment(D::Down, 1), 0, 5, 185));
  EXPECT_EQ(edge[0].Height(), 12);
}

TEST(BoardCells, SmallerBoardsHaveTheirOwnEdgesAndStarPoints) {
  LDispGGrid grid;
  grid.SetBoardSize(9);
  const TCellGeometry g(100, 3);
  RecordingCanvas canvas;
  DrawDiagram(canvas, grid, kTop, kLeft, Options(100));
  std::vector<Rect> stars;
  for (auto [row, column] : {std::pair{2, 2}, {2, 6}, {4, 4}, {6, 2}, {6, 6}})
    stars.push_back(At(g.StarBox(), row, column, 100));
  EXPECT_EQ(Boxes(canvas.ops, Kind::Ellipse), stars);
  // Two segments for each of the 2 x 9 x 8 links between neighbouring points, none outside.
  const std::vector<Rect> segments = Boxes(canvas.ops, Kind::FillRect);
  EXPECT_EQ(segments.size(), 288u);
  for (const Rect& s : segments) EXPECT_LE(s.right, kLeft + 9 * 100 + 1);
  // The 9th row and column are the board's edges: thick, and nothing beyond them.
  using D = TCellGeometry::Direction;
  const Rect up = g.Segment(D::Up, g.thick), left = g.Segment(D::Left, g.thick);
  EXPECT_EQ(
      Boxes(CellOps(grid, 8, 8, 100), Kind::FillRect),
      (std::vector<Rect>{At({up.left + 1, up.top, up.right + 1, up.bottom}, 8, 8, 100),
                         At({left.left + 1, left.top, left.right + 1, left.bottom}, 8, 8, 100)}));
  EXPECT_EQ(Boxes(CellOps(grid, 8, 4, 100), Kind::FillRect)[0],
            At(g.Segment(D::Up, g.thin), 8, 4, 100));

  grid.SetBoardSize(0);
  EXPECT_EQ(grid.BoardSize(), 1);
  grid.SetBoardSize(25);
  EXPECT_EQ(grid.BoardSize(), 19);
}

TEST(BoardCells, NoLineBetweenTouchingStones) {
  LDispGGrid grid;
  grid.SetCell(5, 5, TCellState::Black, 10, 0);
  grid.SetCell(5, 6, TCellState::White, 11, 0);
  grid.SetCell(0, 7, TCellState::Black, 12, 0);
  const TCellGeometry g(185, 3);
  using D = TCellGeometry::Direction;
  EXPECT_EQ(
      Boxes(CellOps(grid, 5, 5, 185), Kind::FillRect),
      (std::vector<Rect>{At(g.Segment(D::Up, 1), 5, 5, 185), At(g.Segment(D::Down, 1), 5, 5, 185),
                         At(g.Segment(D::Left, 1), 5, 5, 185)}));
  EXPECT_EQ(Boxes(CellOps(grid, 5, 6, 185), Kind::FillRect).size(), 3u);
  // An empty point keeps its line toward a stone.
  EXPECT_EQ(Boxes(CellOps(grid, 5, 4, 185), Kind::FillRect).size(), 4u);
  // A stone on the edge keeps its thick edge segments toward empty points.
  EXPECT_EQ(Boxes(CellOps(grid, 0, 7, 185), Kind::FillRect).size(), 3u);
}

TEST(BoardCells, StonesAreInsetWithAnInsideOutline) {
  LDispGGrid grid;
  grid.SetCell(9, 9, TCellState::White, -1, 0);
  const std::vector<DrawnOp> ops = CellOps(grid, 9, 9, 185);
  const DrawnOp& stone = ops.back();
  ASSERT_EQ(stone.kind, Kind::Ellipse);
  EXPECT_EQ(stone.box, At({4, 4, 180, 180}, 9, 9, 185));
  EXPECT_EQ(stone.brush.colour, platform::kWhite);
  EXPECT_EQ(stone.pen.width, 5);
  EXPECT_TRUE(stone.pen.insideFrame);
  EXPECT_EQ(stone.pen.style, platform::PenStyle::Solid);
}

TEST(BoardCells, NumbersPickANarrowerFontForMoreDigitsAndContrastWithTheStone) {
  LDispGGrid grid;
  grid.SetCell(0, 0, TCellState::Black, 7, 0);
  grid.SetCell(0, 1, TCellState::White, 42, 0);
  grid.SetCell(0, 2, TCellState::Black, 123, 0);
  RecordingCanvas canvas;
  DrawDiagram(canvas, grid, kTop, kLeft, Options(185));
  const std::vector<DrawnOp> texts = canvas.Of(Kind::Text);
  ASSERT_EQ(texts.size(), 3u);
  const int height = 185 * 73 / 100;  // 135
  EXPECT_EQ(texts[0].text, "7");
  EXPECT_EQ(texts[0].colour, platform::kWhite);
  EXPECT_EQ(texts[0].font.averageWidth, height * 42 / 100);
  EXPECT_EQ(texts[1].colour, platform::kBlack);
  EXPECT_EQ(texts[1].font.averageWidth, height * 40 / 100);
  EXPECT_EQ(texts[2].font.averageWidth, height * 30 / 100);
  EXPECT_TRUE(texts[2].font.style & platform::kBold);
  // Centred on the point: top-centre anchor at the cell's centre less half a digit's height.
  EXPECT_EQ(texts[1].anchor, platform::TextAnchor::TopCentre);
  EXPECT_EQ(texts[1].x, kLeft + 185 + 92);
  EXPECT_EQ(texts[1].y, kTop + 92 - height / 2 - 1);
}

TEST(BoardCells, LettersHideNumbersAndStandOnAWhiteDiscOnEmptyPoints) {
  LDispGGrid grid;
  grid.SetCell(4, 4, TCellState::Empty, 12, 'a');
  grid.SetCell(4, 5, TCellState::Black, -1, 'b');
  RecordingCanvas canvas;
  TDiagramDrawer drawer(canvas, grid, kTop, kLeft, Options(185));
  canvas.ops.clear();
  drawer.DrawDiagramCell(4, 4);
  const DrawnOp disc = canvas.ops[canvas.ops.size() - 2];
  const DrawnOp text = canvas.ops.back();
  const int r = 185 * 73 / 100 / 2;
  EXPECT_EQ(disc.box, At({92 - r, 92 - r, 92 + r, 92 + r}, 4, 4, 185));
  EXPECT_EQ(disc.brush.colour, platform::kWhite);
  EXPECT_EQ(text.text, "\xB0\xA1");  // 가
  EXPECT_EQ(text.colour, platform::kBlack);
  EXPECT_EQ(text.y, kTop + 4 * 185 + 92 - r);
  EXPECT_EQ(text.font.face, kPrintFontName);

  canvas.ops.clear();
  drawer.DrawDiagramCell(4, 5);
  EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"\xB3\xAA"}));  // 나 on black
  EXPECT_EQ(canvas.ops.back().colour, platform::kWhite);

  // Labels past the single letters carry their number, which is not printed.
  grid.SetCell(4, 6, TCellState::White, 31, kNumberedLetter);
  canvas.ops.clear();
  drawer.DrawDiagramCell(4, 6);
  EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"\xB0\xC5"}));  // 거

  TGPOPTION noLetters = Options(185);
  noLetters.DrawLetters = false;
  noLetters.DrawNumbers = false;
  RecordingCanvas plain;
  DrawDiagram(plain, grid, 0, 0, noLetters);
  EXPECT_TRUE(plain.Texts().empty());
}

TEST(ListMode, RowsEndAfterTheLastBlankAndTheListAtAnEmptyRow) {
  LDispGGrid list;
  // stone, dash, stone, blank, stone, dash, stone, blank
  for (int group = 0; group < 2; ++group) {
    list.SetCell(0, 4 * group, TCellState::Black, 10 + group, 0);
    list.SetCell(0, 4 * group + 1, TCellState::Empty, -1, '-');
    list.SetCell(0, 4 * group + 2, TCellState::White, 20 + group, 0);
  }
  // A full second row, then nothing.
  for (int column = 0; column < LDispGGrid::kColumns; ++column) {
    list.SetCell(1, column, TCellState::White, 100 + column, 0);
  }
  list.SetCell(3, 0, TCellState::Black, 99, 0);  // after an empty row: never drawn

  RecordingCanvas canvas;
  DrawDiagram(canvas, list, kTop, kLeft, Options(100, false));
  EXPECT_TRUE(canvas.Of(Kind::FillRect).empty());  // no grid in a list
  std::vector<std::string> expected = {"10", "-", "20", "11", "-", "21"};
  for (int column = 0; column < 28; ++column) expected.push_back(std::to_string(100 + column));
  EXPECT_EQ(canvas.Texts(), expected);
  // The dash stands on a white disc in the second cell.
  const std::vector<DrawnOp> texts = canvas.Of(Kind::Text);
  EXPECT_EQ(texts[1].x, kLeft + 100 + 50);
  EXPECT_EQ(texts[6].y, kTop + 100 + 50 - 36 - 1);
}

TEST(DiagramDrawing, BadGridSizesDrawNothing) {
  LDispGGrid grid;
  grid.SetCell(0, 0, TCellState::Black, 1, 0);
  for (int size : {0, -5, kMaxGridSize + 1}) {
    RecordingCanvas canvas;
    DrawDiagram(canvas, grid, 0, 0, Options(size));
    EXPECT_TRUE(canvas.Of(Kind::Ellipse).empty()) << size;
    EXPECT_TRUE(canvas.Of(Kind::Text).empty()) << size;
  }
}

TEST(DiagramGrid, CellWordsLettersAndBounds) {
  LDispGGrid grid;
  EXPECT_EQ(grid.GetCell(0, 0), 2u);
  EXPECT_EQ(grid.GetNumber(18, 28), -1);
  grid.SetCell(2, 3, TCellState::White, 77, 'c');
  EXPECT_EQ(grid.GetCell(2, 3), (static_cast<std::uint32_t>('c') << 24) | 1u);
  grid.SetCell(2, 3, TCellState::Black, 78, 0);  // a 0 letter keeps the letter
  EXPECT_EQ(grid.GetLetter(2, 3), 'c');
  EXPECT_EQ(grid.GetState(2, 3), TCellState::Black);
  EXPECT_EQ(grid.GetNumber(2, 3), 78);
  grid.SetCell(19, 0, TCellState::Black, 1, 'a');
  grid.SetCell(0, 29, TCellState::Black, 1, 'a');
  grid.SetCell(-1, -1, TCellState::Black, 1, 'a');
  EXPECT_EQ(grid.GetState(19, 0), TCellState::Empty);
  EXPECT_EQ(grid.GetLetter(0, 29), 0);
  grid.SetCell(0, 0, TCellState::Black, 70000, 0);
  EXPECT_EQ(grid.GetNumber(0, 0), -1);
}

TEST(FontDescriptor, PointSizesBecomeDeviceHeights) {
  RecordingCanvas printer(600);
  const LFontDesc title(kPrintFontName, platform::kItalic, -12);
  EXPECT_EQ(title.Size, 12);
  const platform::FontSpec font = title.MakeFont(printer);
  EXPECT_EQ(font.pixelHeight, 100);
  EXPECT_EQ(font.style, platform::kItalic);
  EXPECT_EQ(font.face, kPrintFontName);
  EXPECT_EQ(LFontDesc("Times New Roman", 0, 10).MakeFont(RecordingCanvas(96)).pixelHeight, 13);
}

}  // namespace
}  // namespace moyo
