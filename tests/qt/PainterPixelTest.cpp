// The board painter on the real Qt canvas and the program's own pictures:
// exact pixels of the grid, star points, highlight, stones and marks, and
// one-cell redraws that leave the board exactly as a full repaint draws it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <random>

#include "paint/TZelGoPB.h"
#include "platform/qt/QtBitmapStore.h"
#include "platform/qt/QtImageBox.h"
#include "platform/qt/QtPaintBox.h"
#include "resources/artwork/ArtworkNames.h"

namespace moyo {
namespace {

using artwork::StoneName;

const QRgb kBlackPixel = qRgb(0, 0, 0);
const QRgb kHighlightPixel = qRgb(251, 218, 162);

class PainterPixelTest : public ::testing::Test {
 protected:
  // A painter of a board of lines on a fresh image box, sized to cell with its stone pictures.
  std::unique_ptr<TZelGoPB> MakePainter(platform::QtImageBox& box, int cell, int lines = 19) {
    auto painter = std::make_unique<TZelGoPB>(box, *store_.Find("baseb"), *store_.Find("bedge"));
    LoadStones(*painter, cell);
    painter->SetLines(lines);
    painter->SetBoardSize(lines * cell);
    return painter;
  }

  // Draws random stones and marks one cell at a time on a board of lines, then checks the
  // image against a full repaint, and against an empty board once all are taken off.
  void CheckOneCellRedraws(std::mt19937& random, int lines, int cell, bool flipped) {
    platform::QtImageBox box;
    auto painter = MakePainter(box, cell, lines);
    if (flipped) painter->ToggleFlip();
    // Marks whose drawing stays inside the cell at this size.
    std::vector<int> marks{0, 0, 0, kLastMoveMark, 750, 751, 630, 999};
    if (cell >= 23) {
      for (int m : {1, 7, 42, 99, 100, 123, 250, 600, 613, 650, 680, 690, 691, 692, 693})
        marks.push_back(m);
    }
    std::uniform_int_distribution<int> point(1, lines), colour(0, 2);
    std::uniform_int_distribution<std::size_t> mark(0, marks.size() - 1);
    for (int step = 0; step < 400; ++step) {
      const int x = point(random), y = point(random);
      switch (step % 7) {
        case 5:
          painter->DrawMark(x, y, marks[mark(random)], true);
          break;
        case 6:
          painter->DrawMark(x, y, marks[mark(random)], false);
          break;
        default:
          painter->DrawPoint(static_cast<std::uint8_t>(colour(random)), x, y, marks[mark(random)]);
      }
    }
    const std::string where = std::to_string(lines) + " lines, cell " + std::to_string(cell) +
                              (flipped ? " flipped" : "");
    const QImage drawn = box.Image().copy();
    painter->Repaint();
    ASSERT_EQ(FirstDifference(drawn, box.Image()), "") << where;
    platform::QtImageBox emptyBox;
    auto empty = MakePainter(emptyBox, cell, lines);
    if (flipped) empty->ToggleFlip();
    for (int y = 1; y <= lines; ++y)
      for (int x = 1; x <= lines; ++x) painter->DrawPoint(kEmpty, x, y, 0);
    ASSERT_EQ(FirstDifference(box.Image(), emptyBox.Image()), "") << where;
  }

  void LoadStones(TZelGoPB& painter, int cell) {
    painter.SetStoneBitmaps(
        store_.Find(StoneName('b', false, cell)), store_.Find(StoneName('w', false, cell)),
        store_.Find(StoneName('b', true, cell)), store_.Find(StoneName('w', true, cell)));
  }

  // "" when the images are equal, else where they first differ.
  static std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x)
        if (a.pixel(x, y) != b.pixel(x, y))
          return "at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                 QColor(a.pixel(x, y)).name().toStdString() + " vs " +
                 QColor(b.pixel(x, y)).name().toStdString();
    return "";
  }

  // The grid of a board of cell 20 from centre 10 to centre end, the very corner filled.
  static void ExpectGridFromCentreToCorner(const QImage& image, int end) {
    for (int x = 10; x < end; ++x) EXPECT_EQ(image.pixel(x, 10), kBlackPixel) << x;
    for (int x = 10; x < end; ++x) EXPECT_EQ(image.pixel(x, end), kBlackPixel) << x;
    EXPECT_NE(image.pixel(9, 10), kBlackPixel);
    EXPECT_EQ(image.pixel(end, end), kBlackPixel);
    EXPECT_NE(image.pixel(end + 1, end), kBlackPixel);
    EXPECT_NE(image.pixel(end, end + 1), kBlackPixel);
  }

  static int BlackRun(const QImage& image, int y, int from, int to) {
    int n = 0;
    for (int x = from; x <= to; ++x) n += image.pixel(x, y) == kBlackPixel;
    return n;
  }

  platform::QtBitmapStore store_;
};

TEST_F(PainterPixelTest, PicturesAreFoundByNameInAnyCaseWithTheirSizes) {
  EXPECT_EQ(store_.Find("BASEB"), store_.Find("baseb"));
  ASSERT_NE(store_.Find("baseb"), nullptr);
  EXPECT_EQ(store_.Find("baseb")->Width(), 65);
  EXPECT_EQ(store_.Find("baseb")->Height(), 243);
  EXPECT_EQ(store_.Find("BEDGE")->Width(), 10);
  EXPECT_EQ(store_.Find("gedge")->Height(), 12);
  for (int cell = 10; cell <= 59; ++cell) {
    for (const char* kind : {"BS", "WS", "BM", "WM"}) {
      const platform::Bitmap* b = store_.Find(kind + std::to_string(cell));
      ASSERT_NE(b, nullptr) << kind << cell;
      EXPECT_EQ(b->Width(), cell);
      EXPECT_EQ(b->Height(), cell);
    }
  }
  EXPECT_EQ(store_.Find("bs9"), nullptr);
  EXPECT_EQ(store_.Find("bs60"), nullptr);
  EXPECT_EQ(store_.Find("../baseb"), nullptr);
  EXPECT_EQ(store_.Find(""), nullptr);
  EXPECT_EQ(store_.Find("ARROW1")->Width(), 156);
  EXPECT_EQ(store_.Find("arrow3")->Width(), 148);
  EXPECT_EQ(store_.Find("Test")->Width(), 384);
  EXPECT_EQ(store_.Find("autoend")->Height(), 21);
  EXPECT_EQ(store_.Find("newsdown")->Width(), 64);
  EXPECT_EQ(store_.Find("title")->Width(), 310);
  EXPECT_EQ(store_.Find("playerstrip")->Height(), 66);
  EXPECT_EQ(store_.Find("wallpaper")->Width(), 44);
}

TEST_F(PainterPixelTest, GridCornerStarPointsAndHighlight) {
  platform::QtImageBox box;
  auto painter = MakePainter(box, 20);
  const QImage& image = box.Image();
  ASSERT_EQ(image.size(), QSize(400, 400));
  ExpectGridFromCentreToCorner(image, 370);
  // The star point at (4, 4), centre (70, 70): runs of 3, 5, 7, 5, 3.
  const int widths[] = {3, 5, 7, 5, 3};
  for (int i = -2; i <= 2; ++i) {
    if (i == 0) continue;  // the grid line runs through the centre row
    EXPECT_EQ(BlackRun(image, 70 + i, 64, 76), widths[i + 2]) << i;
  }
  EXPECT_EQ(BlackRun(image, 67, 64, 76), 1);  // only the grid line
  for (int i = 0; i < 380; ++i) {
    EXPECT_EQ(image.pixel(i, 0), kHighlightPixel) << i;
    EXPECT_EQ(image.pixel(0, i), kHighlightPixel) << i;
  }

  platform::QtImageBox oddBox;
  auto odd = MakePainter(oddBox, 11);  // end 203: no corner pixel
  EXPECT_NE(oddBox.Image().pixel(203, 203), kBlackPixel);
  EXPECT_EQ(oddBox.Image().pixel(202, 203), kBlackPixel);
  EXPECT_EQ(oddBox.Image().pixel(203, 202), kBlackPixel);
  // Small cells: the star point (4, 4) at centre (38, 38) has runs 3, 5, 3.
  EXPECT_EQ(BlackRun(oddBox.Image(), 37, 34, 42), 3);
  EXPECT_EQ(BlackRun(oddBox.Image(), 39, 34, 42), 3);
  EXPECT_EQ(BlackRun(oddBox.Image(), 36, 34, 42), 1);
}

TEST_F(PainterPixelTest, StonesShowTheirPictureOnTheDiscAndTheBoardAroundIt) {
  for (int cell = 10; cell <= 59; ++cell) {
    platform::QtImageBox box;
    auto painter = MakePainter(box, cell);
    const QImage empty = box.Image().copy();
    painter->DrawPoint(kBlack, 10, 10, 0);
    painter->DrawPoint(kWhite, 1, 19, 0);
    for (auto [x, y, colour] : {std::tuple{10, 10, 'b'}, {1, 19, 'w'}}) {
      const QImage& mask = store_.FindQt(StoneName(colour, true, cell))->Image();
      const QImage& stone = store_.FindQt(StoneName(colour, false, cell))->Image();
      int onDisc = 0;
      for (int j = 0; j < cell; ++j) {
        for (int i = 0; i < cell; ++i) {
          const int px = (x - 1) * cell + i, py = (y - 1) * cell + j;
          if (mask.pixel(i, j) == qRgb(255, 255, 255)) {
            ASSERT_EQ(stone.pixel(i, j), kBlackPixel) << cell << " stone not black outside";
            ASSERT_EQ(box.Image().pixel(px, py), empty.pixel(px, py)) << cell;
          } else {
            ASSERT_EQ(mask.pixel(i, j), kBlackPixel);
            ASSERT_EQ(box.Image().pixel(px, py), stone.pixel(i, j)) << cell;
            ++onDisc;
          }
        }
      }
      // A round disc fills nearly pi/4 of its cell.
      EXPECT_GT(onDisc, 0.65 * cell * cell) << cell;
      EXPECT_LT(onDisc, 0.80 * cell * cell) << cell;
    }
  }
}

TEST_F(PainterPixelTest, OneCellRedrawsMatchAFullRepaint) {
  std::mt19937 random(20261208);
  const int cells[] = {9, 10, 11, 14, 19, 20, 22, 23, 26, 31, 37, 45, 52, 59, 60};
  for (int cell : cells) {
    for (bool flipped : {false, true}) CheckOneCellRedraws(random, 19, cell, flipped);
  }
  // Smaller boards: their own last lines, star points and turned cells.
  for (int lines : {2, 5, 9, 13}) {
    for (int cell : {10, 20, 26, 33}) {
      for (bool flipped : {false, true}) CheckOneCellRedraws(random, lines, cell, flipped);
    }
  }
}

TEST_F(PainterPixelTest, NineLineBoardGridCornerAndStarPoints) {
  platform::QtImageBox box;
  auto painter = MakePainter(box, 20, 9);
  const QImage& image = box.Image();
  ASSERT_EQ(image.size(), QSize(200, 200));
  ExpectGridFromCentreToCorner(image, 170);
  // Star points at the 3-3 points and the centre, none at the 4-4 points.
  for (auto [x, y] : {std::pair{3, 3}, {7, 3}, {5, 5}, {3, 7}, {7, 7}}) {
    EXPECT_EQ(BlackRun(image, (y - 1) * 20 + 10 + 2, (x - 1) * 20, x * 20 - 1), 3) << x << y;
  }
  EXPECT_EQ(BlackRun(image, 72, 60, 79), 1);
  for (int i = 0; i < 180; ++i) EXPECT_EQ(image.pixel(0, i), kHighlightPixel) << i;
}

TEST_F(PainterPixelTest, FlippedBoardDrawsPointsInTheTurnedCells) {
  platform::QtImageBox box;
  auto painter = MakePainter(box, 26);
  painter->ToggleFlip();
  painter->DrawPoint(kBlack, 1, 1, 0);
  const QImage& image = box.Image();
  EXPECT_LT(qGray(image.pixel(18 * 26 + 13, 18 * 26 + 13)), 90);  // bottom-right cell
  EXPECT_GT(qGray(image.pixel(5, 5)), 120);                       // top-left is wood
  // Labels turn: row 19 is next to the top row, column S under the first column.
  int darkTop = 0, darkBottom = 0;
  for (int y = 0; y < 26; ++y)
    for (int x = 494 + 4; x < 494 + 20; ++x) darkTop += qGray(image.pixel(x, y)) < 100;
  for (int y = 18 * 26; y < 19 * 26; ++y)
    for (int x = 494 + 4; x < 494 + 20; ++x) darkBottom += qGray(image.pixel(x, y)) < 100;
  EXPECT_GT(darkTop, darkBottom);  // "19" has more ink than " 1"
}

TEST_F(PainterPixelTest, LabelsSitBesideTheirRowsAndUnderTheirColumns) {
  platform::QtImageBox box;
  auto painter = MakePainter(box, 26);
  const QImage& image = box.Image();
  for (int i = 0; i < 19; ++i) {
    int inkRows = 0, inkColumns = 0;
    for (int y = i * 26; y < (i + 1) * 26; ++y)
      for (int x = 494 + 3; x < 514; ++x) inkRows += qGray(image.pixel(x, y)) < 100;
    for (int x = i * 26; x < (i + 1) * 26 + 3; ++x)
      for (int y = 494 + 6; y < 514; ++y) inkColumns += qGray(image.pixel(x, y)) < 100;
    EXPECT_GT(inkRows, 3) << "row " << i + 1;
    EXPECT_GT(inkColumns, 3) << "column " << i;
  }
}

TEST_F(PainterPixelTest, TriangleAndSquarePixels) {
  platform::QtImageBox box;
  auto painter = MakePainter(box, 20);
  painter->DrawPoint(kWhite, 5, 5, kLastMoveMark);  // F = 6: 1 + 3 + 5 + 7 + 9 pixels
  int navy = 0;
  for (int y = 80; y < 100; ++y)
    for (int x = 80; x < 100; ++x) navy += box.Image().pixel(x, y) == qRgb(0, 0, 128);
  EXPECT_EQ(navy, 25);
  EXPECT_EQ(box.Image().pixel(89, 86), qRgb(0, 0, 128));  // the apex above the moved centre

  painter->DrawMark(7, 7, 750, false);  // half 10, a = 2, centre (130, 130)
  const QImage& image = box.Image();
  EXPECT_EQ(image.pixel(126, 130), qRgb(128, 128, 128));
  EXPECT_EQ(image.pixel(133, 130), qRgb(128, 128, 128));
  for (int x = 127; x <= 132; ++x) EXPECT_EQ(image.pixel(x, 130), kBlackPixel) << x;
  EXPECT_NE(image.pixel(125, 130), qRgb(128, 128, 128));
  EXPECT_NE(image.pixel(134, 130), qRgb(128, 128, 128));
}

TEST_F(PainterPixelTest, FittedFontsAreTheLargestThatFit) {
  platform::QtImageBox box;
  for (int cell = 10; cell <= 59; ++cell) {
    auto painter = MakePainter(box, cell);
    platform::Canvas& canvas = box.GetCanvas();
    const int limit = cell - cell / 3;
    auto check = [&](const char* face, const std::string& text, bool byHeight, int size) {
      ASSERT_GT(size, 0) << cell;
      canvas.SetFont({face, size});
      const platform::Size fits = canvas.TextExtent(text);
      EXPECT_LE(byHeight ? fits.height : fits.width, limit) << face << " " << cell;
      if (size == 17) return;
      canvas.SetFont({face, size + 1});
      const platform::Size over = canvas.TextExtent(text);
      EXPECT_GT(byHeight ? over.height : over.width, limit) << face << " " << cell;
    };
    check("Impact", "000", false, painter->NumberSize3());
    check("Times New Roman", "00", false, painter->NumberSize2());
    check("Times New Roman", "H", true, painter->LetterSize());
  }
}

TEST_F(PainterPixelTest, PaintBoxWidgetShowsTheImageAndForwardsPresses) {
  platform::QtPaintBox widget;
  TZelGoPB painter(widget, *store_.Find("baseb"), *store_.Find("bedge"));
  LoadStones(painter, 26);
  painter.SetBoardSize(494);
  EXPECT_EQ(widget.size(), QSize(514, 514));
  std::vector<std::pair<int, int>> clicks;
  platform::MouseButton pressed = platform::MouseButton::Left;
  unsigned shift = 0;
  painter.OnPointClick = [&](TZelGoPB&, platform::MouseButton b, unsigned s, int x, int y) {
    pressed = b;
    shift = s;
    clicks.emplace_back(x, y);
  };
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(60, 30), QPointF(60, 30), Qt::RightButton,
                    Qt::RightButton, Qt::ShiftModifier);
  QCoreApplication::sendEvent(&widget, &press);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], std::pair(3, 2));
  EXPECT_EQ(pressed, platform::MouseButton::Right);
  EXPECT_EQ(shift, platform::kShiftKey);
  const QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown.pixel(13, 13), widget.Image().pixel(13, 13));
}

}  // namespace
}  // namespace moyo
