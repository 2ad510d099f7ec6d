// The board painter's logic on a recording canvas: geometry, mouse mapping,
// what is drawn for stones and each mark code, and which cells are redrawn.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <random>
#include <string>

#include "paint/TZelGoPB.h"
#include "tests/support/FakeCanvas.h"

namespace moyo {
namespace {

using platform::MouseButton;
using platform::RasterOp;
using platform::Rect;
using platform::Rgb;
using testing::FakeBitmap;
using testing::FakeCanvas;
using testing::FakePaintBox;

constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kHighlight{251, 218, 162};

class PainterTest : public ::testing::Test {
 protected:
  PainterTest()
      : wood_(65, 243, "baseb"),
        edge_(10, 12, "bedge"),
        bs_(26, 26, "bs"),
        ws_(26, 26, "ws"),
        bm_(26, 26, "bm"),
        wm_(26, 26, "wm"),
        painter_(box_, wood_, edge_) {
    painter_.SetStoneBitmaps(&bs_, &ws_, &bm_, &wm_);
  }

  FakeCanvas& Canvas() { return box_.canvas; }

  // The texts drawn since the canvas was last cleared.
  std::optional<testing::DrawnText> OnlyText() {
    if (Canvas().texts.size() != 1) return std::nullopt;
    return Canvas().texts.front();
  }

  FakePaintBox box_;
  FakeBitmap wood_, edge_, bs_, ws_, bm_, wm_;
  TZelGoPB painter_;
};

TEST_F(PainterTest, BoardSizeSetsCellPaintBoxAndIgnoresUnusableSizes) {
  EXPECT_EQ(painter_.CellSize(), 0);
  EXPECT_EQ(painter_.BoardPixels(), 190);
  EXPECT_EQ(painter_.Margin(), 20);
  painter_.SetBoardSize(380);
  EXPECT_EQ(painter_.CellSize(), 20);
  EXPECT_EQ(box_.size, (platform::Size{400, 400}));
  EXPECT_EQ(box_.changes, 1);
  // The grid runs between the centres of the first and last lines.
  const auto& lines = Canvas().lines;
  EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                         [](const auto& l) {
                           return l.x1 == 10 && l.y1 == 10 && l.x2 == 370 && l.y2 == 10;
                         }),
            lines.end());
  // An even cell fills the last corner with one pixel.
  EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                         [](const auto& l) {
                           return l.x1 == 370 && l.y1 == 370 && l.x2 == 371 && l.y2 == 370;
                         }),
            lines.end());
  for (int bad : {0, -5, 18, 380}) {
    painter_.SetBoardSize(bad);
    EXPECT_EQ(painter_.BoardPixels(), 380);
    EXPECT_EQ(box_.changes, 1);
  }
  painter_.SetBoardSize(209);
  EXPECT_EQ(painter_.CellSize(), 11);
  // The starting 190 pixels are no reason to leave a first board of cell 10 undrawn.
  FakePaintBox freshBox;
  TZelGoPB fresh(freshBox, wood_, edge_);
  fresh.SetBoardSize(190);
  EXPECT_EQ(fresh.CellSize(), 10);
  EXPECT_EQ(box_.size, (platform::Size{229, 229}));
  for (const auto& l : Canvas().lines) EXPECT_FALSE(l.x1 == 203 && l.x2 == 204 && l.y1 == 203);
}

TEST_F(PainterTest, LabelsUseTheirFontsAndPositionsAndTurnWithTheBoard) {
  painter_.SetBoardSize(380);
  auto find = [&](const std::string& text) {
    for (const auto& t : Canvas().texts)
      if (t.text == text) return t;
    ADD_FAILURE() << "no label " << text;
    return testing::DrawnText{};
  };
  // The fake measures 7 points as 7 pixels a character and 14 high.
  testing::DrawnText one = find(" 1");
  EXPECT_EQ(one.font.face, "Times New Roman");
  EXPECT_EQ(one.font.pointSize, 7);
  EXPECT_EQ(one.x, 384);
  EXPECT_EQ(one.y, (20 - 14) / 2 + 1);
  EXPECT_EQ(find("19").y, 18 * 20 + 4);
  EXPECT_EQ(find("A").x, (20 - 7) / 2 + 3);
  EXPECT_EQ(find("A").y, 386);
  EXPECT_EQ(find("S").x, 18 * 20 + 9);
  EXPECT_EQ(std::count_if(Canvas().texts.begin(), Canvas().texts.end(),
                          [](const auto& t) { return t.text == "I"; }),
            1);

  Canvas().Clear();
  painter_.ToggleFlip();
  EXPECT_EQ(find("19").y, 4);
  EXPECT_EQ(find("S").x, 9);

  for (auto [pixels, face, size] : {std::tuple{209, "MS Serif", 6},
                                    {285, "MS Serif", 7},
                                    {475, "Times New Roman", 8},
                                    {570, "Times New Roman", 9}}) {
    Canvas().Clear();
    painter_.SetBoardSize(pixels);
    EXPECT_EQ(find("10").font.face, face) << pixels;
    EXPECT_EQ(find("10").font.pointSize, size) << pixels;
  }
  Canvas().Clear();
  painter_.SetMargin(10);
  painter_.Repaint();
  EXPECT_TRUE(Canvas().texts.empty());
}

TEST_F(PainterTest, MousePressesMapToPointsAndBackWhenFlipped) {
  std::vector<std::tuple<int, int, unsigned>> clicks;
  painter_.OnPointClick = [&](TZelGoPB& sender, MouseButton, unsigned shift, int x, int y) {
    EXPECT_EQ(&sender, &painter_);
    clicks.emplace_back(x, y, shift);
  };
  box_.OnMouseDown(MouseButton::Left, 0, 5, 5);  // no cell size yet: nothing
  EXPECT_TRUE(clicks.empty());
  painter_.SetBoardSize(494);
  box_.OnMouseDown(MouseButton::Left, platform::kShiftKey, 0, 0);
  box_.OnMouseDown(MouseButton::Right, 0, 25, 26);
  box_.OnMouseDown(MouseButton::Left, 0, 493, 493);
  box_.OnMouseDown(MouseButton::Left, 0, 500, 10);  // in the margin
  painter_.ToggleFlip();
  box_.OnMouseDown(MouseButton::Left, 0, 3, 3);
  box_.OnMouseDown(MouseButton::Left, 0, 500, 10);
  const std::vector<std::tuple<int, int, unsigned>> expected{
      {1, 1, platform::kShiftKey}, {1, 2, 0}, {19, 19, 0}, {20, 1, 0}, {19, 19, 0}, {0, 19, 0}};
  EXPECT_EQ(clicks, expected);
}

TEST_F(PainterTest, StonesAreMaskedBitmapsInsideTheirRangeAndCirclesOutside) {
  painter_.SetBoardSize(494);
  Canvas().Clear();
  painter_.DrawPoint(kBlack, 3, 2, 0);
  EXPECT_EQ(painter_.PointAt(3, 2), kBlack);
  // The cell is cleared, then the mask ANDed and the stone ORed at its corner.
  ASSERT_GE(Canvas().copies.size(), 3u);
  const auto& mask = Canvas().copies[Canvas().copies.size() - 2];
  const auto& stone = Canvas().copies.back();
  EXPECT_EQ(mask.bitmap, "bm");
  EXPECT_EQ(mask.op, RasterOp::And);
  EXPECT_EQ(mask.dest, (Rect{52, 26, 78, 52}));
  EXPECT_EQ(stone.bitmap, "bs");
  EXPECT_EQ(stone.op, RasterOp::Or);
  EXPECT_EQ(box_.changes, 2);

  Canvas().Clear();
  painter_.DrawPoint(kWhite, 1, 1, 0);
  EXPECT_EQ(Canvas().copies.back().bitmap, "ws");
  EXPECT_EQ(Canvas().copies[Canvas().copies.size() - 2].bitmap, "wm");

  // Flipped, point (1, 1) is drawn in the bottom-right cell.
  painter_.ToggleFlip();
  Canvas().Clear();
  painter_.DrawPoint(kBlack, 1, 1, 0);
  EXPECT_EQ(Canvas().copies.back().dest, (Rect{468, 468, 494, 494}));
  EXPECT_EQ(painter_.PointAt(1, 1), kBlack);

  for (int pixels : {171, 1140}) {  // cells of 9 and 60
    painter_.SetBoardSize(pixels);
    Canvas().Clear();
    painter_.DrawPoint(kWhite, 2, 2, 0);
    ASSERT_EQ(Canvas().boxes.size(), 1u);
    EXPECT_EQ(Canvas().boxes[0].kind, 'E');
    EXPECT_EQ(Canvas().boxes[0].brush, platform::kWhite);
    EXPECT_EQ(Canvas().boxes[0].pen, platform::kWhite);
  }
  // Without stone pictures a stone in range is a circle too.
  painter_.SetStoneBitmaps(nullptr, nullptr, nullptr, nullptr);
  painter_.SetBoardSize(494);
  Canvas().Clear();
  painter_.DrawPoint(kBlack, 2, 2, 0);
  ASSERT_EQ(Canvas().boxes.size(), 1u);
  EXPECT_EQ(Canvas().boxes[0].brush, platform::kBlack);
}

TEST_F(PainterTest, PointsOffTheBoardAreIgnored) {
  painter_.SetBoardSize(494);
  Canvas().Clear();
  const int changes = box_.changes;
  for (auto [x, y] : {std::pair{0, 1}, {1, 0}, {20, 5}, {5, 20}, {-1, -1}, {1000000, 3}}) {
    painter_.DrawPoint(kBlack, x, y, 5);
    painter_.DrawMark(x, y, 600, true);
    EXPECT_EQ(painter_.PointAt(x, y), 0);
    EXPECT_EQ(painter_.MarkAt(x, y), 0);
  }
  EXPECT_TRUE(Canvas().copies.empty() && Canvas().lines.empty() && Canvas().texts.empty());
  EXPECT_EQ(box_.changes, changes);
}

TEST_F(PainterTest, EmptyPointRedrawDrawsItsGridSegmentsStarAndHighlight) {
  painter_.SetBoardSize(380);
  Canvas().Clear();
  painter_.DrawPoint(kEmpty, 19, 1, 0);
  const auto& lines = Canvas().lines;
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].x1, 360);  // stops at the centre on the last column
  EXPECT_EQ(lines[0].x2, 370);
  EXPECT_EQ(lines[1].y1, 10);  // starts at the centre on the first row
  EXPECT_EQ(lines[1].y2, 20);
  EXPECT_EQ(lines[2].colour, kHighlight);
  EXPECT_EQ(lines[2].x1, 360);
  EXPECT_EQ(lines[2].y1, 0);
  EXPECT_EQ(lines[2].x2, 380);

  Canvas().Clear();
  painter_.DrawPoint(kEmpty, 4, 10, 0);  // a star point: five runs 3-5-7-5-3
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[2].x2 - lines[2].x1, 3);
  EXPECT_EQ(lines[4].x2 - lines[4].x1, 7);
  EXPECT_EQ(lines[4].x1, 70 - 3);
  EXPECT_EQ(lines[4].y1, 190);
  // The cell's wood comes from the texture, wrapping round its edges.
  Canvas().Clear();
  painter_.DrawPoint(kEmpty, 4, 13, 0);  // cell at (60, 240) runs past the texture's 65 x 243
  const auto& copies = Canvas().copies;
  ASSERT_EQ(copies.size(), 4u);
  EXPECT_EQ(copies[0].dest, (Rect{60, 240, 65, 243}));
  EXPECT_EQ(std::pair(copies[0].srcX, copies[0].srcY), std::pair(60, 240));
  EXPECT_EQ(copies[1].dest, (Rect{65, 240, 80, 243}));
  EXPECT_EQ(std::pair(copies[1].srcX, copies[1].srcY), std::pair(0, 240));
  EXPECT_EQ(copies[2].dest, (Rect{60, 243, 65, 260}));
  EXPECT_EQ(std::pair(copies[2].srcX, copies[2].srcY), std::pair(60, 0));
  EXPECT_EQ(copies[3].dest, (Rect{65, 243, 80, 260}));
  EXPECT_EQ(std::pair(copies[3].srcX, copies[3].srcY), std::pair(0, 0));

  painter_.SetBoardSize(209);  // small cells have a three-row star point
  Canvas().Clear();
  painter_.DrawPoint(kEmpty, 16, 16, 0);
  EXPECT_EQ(lines.size(), 5u);
}

// The centres of the star points drawn since the canvas was cleared, as board
// points of a board of cell pixels: each star point has a middle run 7 wide.
std::vector<std::pair<int, int>> StarPointsDrawn(const FakeCanvas& canvas, int cell) {
  std::vector<std::pair<int, int>> points;
  for (const auto& l : canvas.lines) {
    if (l.y1 != l.y2 || l.x2 - l.x1 != 7) continue;
    const int cx = l.x1 + 3;
    if (cx % cell != cell / 2 || l.y1 % cell != cell / 2) continue;
    points.emplace_back(cx / cell + 1, l.y1 / cell + 1);
  }
  std::sort(points.begin(), points.end());
  return points;
}

TEST_F(PainterTest, SmallerBoardsDrawTheirOwnGridStarPointsAndLabels) {
  using Points = std::vector<std::pair<int, int>>;
  EXPECT_EQ(painter_.Lines(), 19);
  painter_.SetBoardSize(380);
  EXPECT_EQ(
      StarPointsDrawn(Canvas(), 20),
      (Points{{4, 4}, {4, 10}, {4, 16}, {10, 4}, {10, 10}, {10, 16}, {16, 4}, {16, 10}, {16, 16}}));

  // Fewer lines keep the cell size: the board and its paint box shrink.
  painter_.DrawPoint(kBlack, 5, 5, 0);
  Canvas().Clear();
  painter_.SetLines(9);
  EXPECT_EQ(painter_.Lines(), 9);
  EXPECT_EQ(painter_.CellSize(), 20);
  EXPECT_EQ(painter_.BoardPixels(), 180);
  EXPECT_EQ(box_.size, (platform::Size{200, 200}));
  EXPECT_EQ(painter_.PointAt(5, 5), kEmpty);  // the old position is gone
  EXPECT_TRUE(std::none_of(Canvas().copies.begin(), Canvas().copies.end(),
                           [](const auto& c) { return c.bitmap == "bs"; }));
  const auto& lines = Canvas().lines;
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const auto& l) { return l.x1 == 10 && l.x2 == 170 && l.y1 == l.y2; }),
            9);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.x2 > 180; }), 0);
  EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                         [](const auto& l) {
                           return l.x1 == 170 && l.y1 == 170 && l.x2 == 171 && l.y2 == 170;
                         }),
            lines.end());
  EXPECT_EQ(StarPointsDrawn(Canvas(), 20), (Points{{3, 3}, {3, 7}, {5, 5}, {7, 3}, {7, 7}}));

  auto labels = [&] {
    std::vector<std::string> texts;
    for (const auto& t : Canvas().texts) texts.push_back(t.text);
    return texts;
  };
  EXPECT_EQ(labels(), (std::vector<std::string>{" 1", "A", " 2", "B", " 3", "C", " 4", "D", " 5",
                                                "E", " 6", "F", " 7", "G", " 8", "H", " 9", "I"}));
  Canvas().Clear();
  painter_.ToggleFlip();
  EXPECT_EQ(labels().front(), " 9");
  EXPECT_EQ(labels()[1], "I");
  EXPECT_EQ(Canvas().texts[1].x, (20 - 7) / 2 + 3);

  // Another size of the same cells; the same size again changes nothing.
  painter_.SetLines(13);
  EXPECT_EQ(painter_.BoardPixels(), 260);
  Canvas().Clear();
  painter_.SetLines(13);
  EXPECT_TRUE(Canvas().lines.empty());
  painter_.SetBoardSize(13 * 26);
  EXPECT_EQ(painter_.CellSize(), 26);
  Canvas().Clear();
  painter_.Repaint();
  EXPECT_EQ(StarPointsDrawn(Canvas(), 26),
            (Points{{4, 4}, {4, 7}, {4, 10}, {7, 4}, {7, 7}, {7, 10}, {10, 4}, {10, 7}, {10, 10}}));
  painter_.SetLines(0);
  EXPECT_EQ(painter_.Lines(), 1);
  painter_.SetLines(40);
  EXPECT_EQ(painter_.Lines(), 19);
}

TEST_F(PainterTest, SmallerBoardsMapPressesAndKeepPointsToTheirEdge) {
  std::vector<std::pair<int, int>> clicks;
  painter_.OnPointClick = [&](TZelGoPB&, MouseButton, unsigned, int x, int y) {
    clicks.emplace_back(x, y);
  };
  painter_.SetLines(9);  // before the first drawing: only remembered
  EXPECT_EQ(box_.changes, 0);
  painter_.SetBoardSize(9 * 26);
  EXPECT_EQ(painter_.CellSize(), 26);
  box_.OnMouseDown(MouseButton::Left, 0, 233, 233);
  box_.OnMouseDown(MouseButton::Left, 0, 240, 10);  // in the margin
  painter_.ToggleFlip();
  box_.OnMouseDown(MouseButton::Left, 0, 3, 3);
  box_.OnMouseDown(MouseButton::Left, 0, 240, 10);
  EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{9, 9}, {10, 1}, {9, 9}, {0, 9}}));
  painter_.ToggleFlip();

  Canvas().Clear();
  painter_.DrawPoint(kBlack, 10, 1, 5);
  painter_.DrawMark(1, 10, 600, false);
  EXPECT_EQ(painter_.PointAt(10, 1), kEmpty);
  EXPECT_EQ(painter_.MarkAt(1, 10), 0);
  EXPECT_TRUE(Canvas().copies.empty() && Canvas().lines.empty());
  TNumberGrid marks{};
  marks[9][9] = 7;
  marks[8][8] = 8;
  painter_.LoadMarks(marks);
  EXPECT_EQ(painter_.MarkAt(10, 10), 0);
  EXPECT_EQ(painter_.MarkAt(9, 9), 8);

  // The last line's point ends its grid segments at the centre.
  Canvas().Clear();
  painter_.DrawPoint(kEmpty, 9, 5, 0);
  ASSERT_GE(Canvas().lines.size(), 2u);
  EXPECT_EQ(Canvas().lines[0].x1, 8 * 26);
  EXPECT_EQ(Canvas().lines[0].x2, 8 * 26 + 13);
}

TEST_F(PainterTest, FontSizesAreFittedToTheCell) {
  // The fake font is size pixels a character wide and 2 x size high;
  // the room is 20 - 20 / 3 = 14 pixels.
  painter_.SetBoardSize(380);
  EXPECT_EQ(painter_.NumberSize3(), 4);  // "000"
  EXPECT_EQ(painter_.NumberSize2(), 7);  // "00"
  EXPECT_EQ(painter_.HangulSize(), 7);   // one two-byte syllable
  EXPECT_EQ(painter_.LetterSize(), 7);   // the height of "H"
  painter_.SetBoardSize(19 * 59);        // 40 pixels of room: capped at 17
  EXPECT_EQ(painter_.NumberSize2(), 17);
  painter_.SetBoardSize(19);  // a one-pixel cell: nothing fits
  EXPECT_EQ(painter_.NumberSize3(), 0);
  EXPECT_EQ(painter_.LetterSize(), 0);
  Canvas().Clear();
  painter_.DrawMark(3, 3, 600, false);
  EXPECT_TRUE(Canvas().texts.empty());
  EXPECT_EQ(painter_.MarkAt(3, 3), 600);
}

TEST_F(PainterTest, FacesThatChangeAfterDrawingAreFittedAgain) {
  // A page draws with stand-in faces until its own fonts are in.
  painter_.SetBoardSize(380);
  EXPECT_EQ(painter_.NumberSize3(), 4);
  Canvas().characterWidthPercent = 50;
  EXPECT_EQ(painter_.NumberSize3(), 4);  // fitted once per cell size
  Canvas().Clear();
  painter_.RefitText();
  EXPECT_EQ(painter_.NumberSize3(), 9);  // "000" now fits at half the width
  EXPECT_FALSE(Canvas().texts.empty());  // the labels were drawn again
}

TEST_F(PainterTest, MarkFontsAreFittedOnceWhenTheFirstMarkOfACellSizeIsDrawn) {
  // Fitting tries sizes of Impact, which nothing else uses; it costs a dozen
  // font loads, so resizing and painting stones must not do it.
  auto fittings = [this] {
    return std::count_if(Canvas().fontsSet.begin(), Canvas().fontsSet.end(),
                         [](const platform::FontSpec& f) { return f.face == "Impact"; });
  };
  painter_.SetBoardSize(19 * 30);
  painter_.SetBoardSize(19 * 40);
  painter_.DrawPoint(kBlack, 5, 5, 0);
  EXPECT_EQ(fittings(), 0);
  painter_.DrawPoint(kBlack, 5, 5, 123);
  const auto once = fittings();
  EXPECT_GT(once, 0);
  painter_.DrawPoint(kWhite, 6, 5, 124);
  EXPECT_EQ(fittings(), once);
}

TEST_F(PainterTest, MoveNumbersTakeTheirSizesByCellAndDigits) {
  const struct {
    int cell, number, size;
  } cases[] = {{20, 7, 8}, {30, 7, 10 - 3}, {21, 123, 8}, {22, 123, 5 + 1}};
  for (const auto& c : cases) {
    painter_.SetBoardSize(19 * c.cell);
    Canvas().Clear();
    painter_.DrawPoint(kBlack, 5, 5, c.number);
    const auto text = OnlyText();
    ASSERT_TRUE(text) << c.cell;
    EXPECT_EQ(text->text, std::to_string(c.number));
    EXPECT_EQ(text->font.face, "MS Sans Serif");
    EXPECT_EQ(text->font.pointSize, c.size) << c.cell << " " << c.number;
    EXPECT_EQ(text->colour, platform::kWhite);
    // Centred in the cell.
    const int w = static_cast<int>(text->text.size()) * c.size;
    EXPECT_EQ(text->x, (c.cell - w) / 2 + 4 * c.cell);
    EXPECT_EQ(text->y, (c.cell - 2 * c.size) / 2 + 4 * c.cell);
  }
}

TEST_F(PainterTest, MarkCodesChooseTextFontAndColour) {
  painter_.SetBoardSize(19 * 30);
  painter_.DrawPoint(kBlack, 2, 2, 0);
  painter_.DrawPoint(kWhite, 3, 3, 0);
  const struct {
    int code, x, y;
    std::string text, face;
    Rgb colour;
  } cases[] = {
      {600, 5, 5, "A", "MS Sans Serif", kNavy},
      {625, 5, 5, "Z", "MS Sans Serif", kNavy},
      {650, 5, 5, "a", "MS Sans Serif", kNavy},
      {675, 2, 2, "z", "MS Sans Serif", platform::kWhite},
      {680, 5, 5, "\xB0\xA1", "\xB1\xBC\xB8\xB2\xC3\xBC", kNavy},
      {688, 3, 3, "\xC0\xDA", "\xB1\xBC\xB8\xB2\xC3\xBC", platform::kBlack},
      {690, 5, 5, "\xA1\xE2", "\xB1\xBC\xB8\xB2", kNavy},
      {691, 5, 5, "\xA5\xB9", "\xB5\xB8\xC0\xBD", kRed},
      {691, 2, 2, "\xA5\xB9", "\xB5\xB8\xC0\xBD", platform::kWhite},
      {692, 3, 3, "\xA1\xDB", "\xB1\xBC\xB8\xB2", platform::kBlack},
      {693, 5, 5, "\xA1\xE0", "\xB1\xBC\xB8\xB2", kNavy},
  };
  for (const auto& c : cases) {
    Canvas().Clear();
    painter_.DrawMark(c.x, c.y, c.code, false);
    const auto text = OnlyText();
    ASSERT_TRUE(text) << c.code;
    EXPECT_EQ(text->text, c.text) << c.code;
    EXPECT_EQ(text->font.face, c.face) << c.code;
    EXPECT_EQ(text->colour, c.colour) << c.code;
    EXPECT_EQ(text->font.pointSize, painter_.LetterSize()) << c.code;
    EXPECT_EQ(painter_.MarkAt(c.x, c.y), c.code);
    // On the wood the cell's grid is hidden under plain wood first.
    if (painter_.PointAt(c.x, c.y) == kEmpty) {
      EXPECT_EQ(Canvas().copies.front().dest.left, 120) << c.code;
      EXPECT_EQ(Canvas().copies.front().dest.top, 120) << c.code;
    }
    painter_.DrawMark(c.x, c.y, c.code, true);
    EXPECT_EQ(painter_.MarkAt(c.x, c.y), 0);
  }
  // Codes with no text still clear the wood on an empty point; none on a stone.
  for (int code : {630, 643, 626, 700, 502, 100000}) {
    Canvas().Clear();
    painter_.DrawMark(7, 7, code, false);
    EXPECT_TRUE(Canvas().texts.empty()) << code;
    EXPECT_FALSE(Canvas().copies.empty()) << code;
    EXPECT_EQ(painter_.MarkAt(7, 7), code);
    painter_.DrawMark(7, 7, 0, true);
  }
  Canvas().Clear();
  painter_.DrawMark(7, 8, 0, false);
  painter_.DrawMark(7, 8, -4, true);
  EXPECT_TRUE(Canvas().copies.empty() && Canvas().texts.empty());
}

TEST_F(PainterTest, LastMoveTriangleRunsAndColours) {
  painter_.SetBoardSize(380);  // cell 20: F = 6, centre moved to (49, 49) for (3, 3)
  painter_.DrawPoint(kWhite, 3, 3, 0);
  Canvas().Clear();
  painter_.DrawMark(3, 3, kLastMoveMark, false);
  const auto& lines = Canvas().lines;
  ASSERT_EQ(lines.size(), 5u);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(lines[k].y1, 49 - 3 + k);
    EXPECT_EQ(lines[k].x1, 49 - k);
    EXPECT_EQ(lines[k].x2, 49 + k + 1);
    EXPECT_EQ(lines[k].colour, kNavy);
  }
  Canvas().Clear();
  painter_.DrawPoint(kBlack, 4, 4, kLastMoveMark);  // odd-free: centre at 70
  EXPECT_EQ(Canvas().lines.back().colour, kYellow);
  EXPECT_TRUE(Canvas().texts.empty());
  painter_.SetBoardSize(114);  // cell 6: F = 1, no triangle
  Canvas().Clear();
  painter_.DrawPoint(kBlack, 4, 5, kLastMoveMark);
  EXPECT_EQ(Canvas().lines.size(), 2u);  // the cell's two grid segments only
}

TEST_F(PainterTest, SquaresAreFilledWithAGreyFrame) {
  painter_.SetBoardSize(494);  // cell 26, half 13, a = 3; centre of (2, 2) at 39
  Canvas().Clear();
  painter_.DrawMark(2, 2, 750, false);
  const auto& boxes = Canvas().boxes;
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].kind, 'F');
  EXPECT_EQ(boxes[0].box, (Rect{36, 36, 42, 42}));
  EXPECT_EQ(boxes[1].box, (Rect{35, 35, 43, 43}));
  EXPECT_EQ(boxes[1].pen, (Rgb{192, 192, 192}));
  EXPECT_EQ(boxes[2].box, (Rect{34, 34, 44, 44}));
  EXPECT_EQ(boxes[2].pen, (Rgb{128, 128, 128}));
  for (const auto& b : boxes) EXPECT_EQ(b.brush, platform::kBlack);
  Canvas().Clear();
  painter_.DrawMark(3, 3, 751, false);
  EXPECT_EQ(Canvas().boxes[0].brush, platform::kWhite);
  EXPECT_TRUE(Canvas().copies.empty());  // drawn over the wood without clearing
}

TEST_F(PainterTest, LoadMarksClearMarksAndLoadBoardKeepScreenAndGridsInStep) {
  painter_.SetBoardSize(494);
  painter_.DrawPoint(kBlack, 1, 1, 0);
  painter_.DrawPoint(kWhite, 2, 1, 0);
  painter_.DrawMark(9, 9, 600, false);
  TNumberGrid marks{};
  marks[0][0] = 1;
  marks[0][1] = 2;
  Canvas().Clear();
  painter_.LoadMarks(marks);
  EXPECT_EQ(painter_.MarkAt(1, 1), 1);
  EXPECT_EQ(painter_.MarkAt(9, 9), 0);
  ASSERT_EQ(Canvas().texts.size(), 2u);
  // The old label on the wood is drawn away with its cell.
  EXPECT_TRUE(std::any_of(Canvas().copies.begin(), Canvas().copies.end(), [](const auto& c) {
    return c.dest == Rect{208, 208, 234, 234};
  }));

  Canvas().Clear();
  painter_.ClearMarks();
  EXPECT_EQ(painter_.MarkAt(1, 1), 0);
  EXPECT_TRUE(Canvas().texts.empty());
  EXPECT_EQ(std::count_if(Canvas().copies.begin(), Canvas().copies.end(),
                          [](const auto& c) { return c.op == RasterOp::Or; }),
            2);

  painter_.DrawMark(4, 4, 601, false);
  TPointGrid points{};
  points[18][18] = kWhite;
  Canvas().Clear();
  painter_.LoadBoard(points);
  EXPECT_EQ(painter_.MarkAt(4, 4), 0);
  EXPECT_EQ(painter_.PointAt(1, 1), kEmpty);
  EXPECT_EQ(painter_.PointAt(19, 19), kWhite);
  EXPECT_EQ(std::count_if(Canvas().copies.begin(), Canvas().copies.end(),
                          [](const auto& c) { return c.op == RasterOp::Or; }),
            1);
  EXPECT_EQ(std::count_if(Canvas().texts.begin(), Canvas().texts.end(),
                          [](const auto& t) { return t.text == "B"; }),
            1);  // only the column label
}

// Everything a canvas was asked to draw, in order within each kind, as one text.
std::string Drawing(const FakeCanvas& canvas) {
  std::string text;
  for (const auto& c : canvas.copies) {
    text += "copy " + c.bitmap + " " + std::to_string(c.dest.left) + "," +
            std::to_string(c.dest.top) + "," + std::to_string(c.dest.right) + "," +
            std::to_string(c.dest.bottom) + " op" + std::to_string(static_cast<int>(c.op)) + "\n";
  }
  for (const auto& l : canvas.lines) {
    text += "line " + std::to_string(l.x1) + "," + std::to_string(l.y1) + " " +
            std::to_string(l.x2) + "," + std::to_string(l.y2) + "\n";
  }
  for (const auto& t : canvas.texts) {
    text += "text " + t.text + " " + std::to_string(t.x) + "," + std::to_string(t.y) + "\n";
  }
  return text;
}

TEST_F(PainterTest, AHeldBoardDrawsEachChangedCellOnceInTheOrderOfItsLastChange) {
  painter_.SetBoardSize(494);
  painter_.ToggleFlip();
  Canvas().Clear();
  box_.changes = 0;
  painter_.BeginHold();
  painter_.DrawPoint(kBlack, 3, 3, kLastMoveMark);
  painter_.DrawPoint(kWhite, 4, 4, kLastMoveMark);
  painter_.DrawPoint(kEmpty, 3, 3, 0);  // taken
  painter_.DrawPoint(kBlack, 5, 5, 12);
  painter_.DrawPoint(kWhite, 4, 4, 0);
  painter_.DrawPoint(kBlack, 30, 1, 0);
  EXPECT_EQ(painter_.PointAt(5, 5), kBlack);
  EXPECT_EQ(painter_.MarkAt(5, 5), 12);
  EXPECT_EQ(Drawing(Canvas()), "");
  EXPECT_EQ(box_.changes, 0);
  painter_.EndHold();
  EXPECT_EQ(box_.changes, 1);

  // The same as drawing only the last change of each point, unheld.
  FakePaintBox box;
  TZelGoPB single(box, wood_, edge_);
  single.SetStoneBitmaps(&bs_, &ws_, &bm_, &wm_);
  single.SetBoardSize(494);
  single.ToggleFlip();
  box.canvas.Clear();
  single.DrawPoint(kEmpty, 3, 3, 0);
  single.DrawPoint(kBlack, 5, 5, 12);
  single.DrawPoint(kWhite, 4, 4, 0);
  EXPECT_EQ(Drawing(Canvas()), Drawing(box.canvas));
  EXPECT_NE(Drawing(Canvas()), "");

  // Drawn cells are not drawn again; a repaint while held leaves nothing pending.
  Canvas().Clear();
  painter_.EndHold();
  painter_.BeginHold();
  painter_.DrawPoint(kWhite, 6, 6, 0);
  painter_.Repaint();
  const std::size_t repainted = Canvas().copies.size();
  painter_.EndHold();
  EXPECT_EQ(Canvas().copies.size(), repainted);
  painter_.DrawPoint(kBlack, 7, 7, 0);
  EXPECT_GT(Canvas().copies.size(), repainted);
}

TEST_F(PainterTest, AHeldLoadDrawsOnlyThePointsThatChange) {
  FakePaintBox box;
  TZelGoPB single(box, wood_, edge_);
  single.SetStoneBitmaps(&bs_, &ws_, &bm_, &wm_);
  for (TZelGoPB* painter : {&painter_, &single}) {
    painter->SetBoardSize(380);
    painter->DrawPoint(kBlack, 3, 3, 0);
    painter->DrawPoint(kWhite, 4, 4, kLastMoveMark);
  }
  Canvas().Clear();
  box.canvas.Clear();
  TPointGrid points{};
  points[2][2] = kBlack;  // (3, 3) stays
  points[4][4] = kBlack;  // (5, 5) is new
  painter_.BeginHold();
  painter_.LoadBoard(points);
  EXPECT_EQ(Drawing(Canvas()), "");
  painter_.EndHold();
  EXPECT_EQ(painter_.MarkAt(4, 4), 0);
  // The white stone and its mark go, the new stone comes; nothing else is drawn.
  single.DrawPoint(kEmpty, 4, 4, 0);
  single.DrawPoint(kBlack, 5, 5, 0);
  EXPECT_EQ(Drawing(Canvas()), Drawing(box.canvas));
}

TEST_F(PainterTest, RepaintDrawsWoodEdgeAndHighlightInOrder) {
  painter_.SetBoardSize(380);
  const auto& copies = Canvas().copies;
  // Texture tiles clipped at the board's size, then the edge pieces.
  EXPECT_EQ(copies[0].dest, (Rect{0, 0, 65, 243}));
  EXPECT_EQ(copies[5].dest, (Rect{325, 0, 380, 243}));
  EXPECT_EQ(copies[11].dest, (Rect{325, 243, 380, 380}));
  EXPECT_EQ(copies[12].dest, (Rect{380, 0, 387, 5}));
  EXPECT_EQ(copies[12].srcX, 3);
  EXPECT_EQ(copies[13].dest, (Rect{380, 5, 387, 6}));
  EXPECT_EQ(copies[13].srcY, 4);
  const auto corner = copies[12 + 1 + 375 + 1 + 377];
  EXPECT_EQ(corner.dest, (Rect{380, 380, 387, 387}));
  EXPECT_EQ(corner.srcX, 3);
  EXPECT_EQ(corner.srcY, 5);
  EXPECT_EQ(Canvas().lines[0].colour, kHighlight);
  EXPECT_EQ(Canvas().lines[1].colour, kHighlight);
  // A new edge picture shows at the next repaint.
  FakeBitmap trial(10, 12, "gedge");
  painter_.SetEdgeBitmap(trial);
  Canvas().Clear();
  painter_.Repaint();
  EXPECT_EQ(copies[12].bitmap, "gedge");
}

TEST_F(PainterTest, WildInputNeverReachesOutsideItsTables) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-3, 23), colour(0, 255), pick(0, 9);
  const int codes[] = {INT_MIN, -1,  0,   99,  100, 500, 501, 599, 600, 625, 629, 630,    643,
                       650,     675, 679, 680, 688, 689, 690, 693, 694, 750, 751, INT_MAX};
  std::uniform_int_distribution<std::size_t> code(0, std::size(codes) - 1);
  for (int step = 0; step < 3000; ++step) {
    const int x = coordinate(random), y = coordinate(random);
    switch (pick(random)) {
      case 0:
        painter_.SetBoardSize(std::uniform_int_distribution<int>(-50, 1500)(random));
        break;
      case 1: {
        TNumberGrid marks{};
        for (auto& row : marks)
          for (int& m : row) m = codes[code(random)];
        painter_.LoadMarks(marks);
        break;
      }
      case 2:
        painter_.DrawMark(x, y, codes[code(random)], pick(random) < 5);
        break;
      case 3:
        painter_.MouseDown(MouseButton::Left, 0, coordinate(random) * 60, coordinate(random) * 60);
        break;
      case 4:
        if (pick(random) == 0) painter_.ToggleFlip();
        break;
      default:
        painter_.DrawPoint(static_cast<std::uint8_t>(colour(random)), x, y, codes[code(random)]);
    }
  }
  painter_.ClearMarks();
  for (int y = 1; y <= 19; ++y)
    for (int x = 1; x <= 19; ++x) EXPECT_EQ(painter_.MarkAt(x, y), 0);
}

}  // namespace
}  // namespace moyo
