// The RGBA canvas's primitives against the Qt canvas on the same calls: what
// the diagram drawings will need beyond the board (copies clipped at every
// edge, frames, wide and slanted lines), pixel for pixel where Qt is exact.

#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "platform/qt/QtBitmap.h"
#include "platform/qt/QtCanvas.h"
#include "tests/web/RgbaTestSupport.h"
#include "web/RgbaCanvas.h"

namespace moyo::web {
namespace {

using test::NoText;
using test::ToRgba;

using platform::Canvas;
using platform::Rect;

// A picture whose every pixel differs, so a shifted copy shows.
QImage Pattern(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, qRgb(x * 17 % 256, y * 29 % 256, (x ^ y) * 7 % 256));
  return image;
}

// Draws with draw on a Qt canvas and on an RGBA canvas over the same 40 x 30
// background, given the same picture, and counts the pixels that differ.
int Differences(const std::function<void(Canvas&, const platform::Bitmap&)>& draw) {
  const QImage picture = Pattern(9, 7);
  QImage qt = Pattern(40, 30);
  {
    platform::QtCanvas canvas(qt);
    const platform::QtBitmap bitmap(picture);
    draw(canvas, bitmap);
  }
  RgbaImage rgba = ToRgba(Pattern(40, 30));
  NoText text;
  RgbaCanvas canvas(rgba, text);
  const RgbaBitmap bitmap(ToRgba(picture));
  draw(canvas, bitmap);
  const RgbaImage expected = ToRgba(qt);
  int differing = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      differing += !std::equal(rgba.At(x, y), rgba.At(x, y) + 3, expected.At(x, y));
  return differing;
}

TEST(RgbaCanvasTest, CopiesInEveryModeAreClippedAtThePictureAndTheImage) {
  using platform::RasterOp;
  for (RasterOp op : {RasterOp::Copy, RasterOp::And, RasterOp::Or}) {
    EXPECT_EQ(Differences([op](Canvas& c, const platform::Bitmap& b) {
                c.CopyRect({3, 4, 10, 9}, b, 1, 1, op);       // inside
                c.CopyRect({-3, -2, 6, 5}, b, 0, 0, op);      // over the top-left corner
                c.CopyRect({35, 25, 45, 33}, b, 0, 0, op);    // over the bottom-right corner
                c.CopyRect({20, 10, 30, 20}, b, 5, 4, op);    // past the picture's end
                c.CopyRect({12, 12, 18, 18}, b, -2, -3, op);  // from before its start
              }),
              0)
        << static_cast<int>(op);
  }
  EXPECT_EQ(Differences([](Canvas& c, const platform::Bitmap& b) {
              c.TileRect({1, 1, 39, 29}, b, {2, 1, 6, 4});
              c.TileRect({30, 0, 40, 30}, b, {0, 0, 9, 7});
            }),
            0);
}

TEST(RgbaCanvasTest, RectanglesFramesAndStraightLinesMatchInBothDirections) {
  EXPECT_EQ(Differences([](Canvas& c, const platform::Bitmap&) {
              c.SetBrush({{10, 200, 30}});
              c.FillRect({-5, 3, 12, 9});
              c.SetBrush({{0, 0, 0}, platform::BrushStyle::Null});
              c.FillRect({0, 0, 40, 30});
              for (int width : {1, 2, 3}) {
                c.SetPen({{200, 0, 0}, width});
                c.SetBrush({{0, 0, 255}});
                c.Rectangle({2 + width * 10, 12, 9 + width * 10, 20});
                c.SetBrush({{0, 0, 0}, platform::BrushStyle::Null});
                c.Rectangle({1 + width * 10, 21, 10 + width * 10, 29});
              }
              c.SetPen({{0, 0, 0}});
              c.Line(2, 2, 30, 2);
              c.Line(30, 4, 2, 4);
              c.Line(35, 1, 35, 25);
              c.Line(37, 25, 37, 1);
              c.Line(5, 5, 5, 5);
            }),
            0);
}

TEST(RgbaCanvasTest, SlantedLinesStayCloseToQts) {
  // Qt breaks ties along slanted lines its own way; the board draws none,
  // diagrams may: a pixel that sits on the other side of a step counts twice,
  // and no more than one in four of the lines' 54 pixels may.
  const int differing = Differences([](Canvas& c, const platform::Bitmap&) {
    c.SetPen({{0, 0, 0}});
    c.Line(1, 1, 30, 20);
    c.Line(30, 28, 5, 10);
  });
  EXPECT_LE(differing, 2 * 54 / 4);
}

TEST(RgbaCanvasTest, EllipsesFillTheirBoxSymmetricallyWithinIt) {
  RgbaImage image;
  image.Resize(20, 20);
  NoText text;
  RgbaCanvas canvas(image, text);
  canvas.SetPen({{255, 0, 0}});
  canvas.SetBrush({{0, 255, 0}});
  canvas.Ellipse({3, 4, 16, 15});
  const auto drawn = [&](int x, int y) { return image.At(x, y)[0] != 0 || image.At(x, y)[1] != 0; };
  int painted = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool inBox = x >= 3 && x < 16 && y >= 4 && y < 15;
      EXPECT_TRUE(inBox || !drawn(x, y)) << x << "," << y;
      if (!inBox) continue;
      painted += drawn(x, y);
      // The box spans x 3..15 and y 4..14: mirrored across both centre lines.
      EXPECT_EQ(drawn(x, y), drawn(18 - x, y)) << x << "," << y;
      EXPECT_EQ(drawn(x, y), drawn(x, 18 - y)) << x << "," << y;
    }
  }
  EXPECT_EQ(image.At(9, 9)[1], 255);  // the fill inside
  EXPECT_EQ(image.At(3, 9)[0], 255);  // the outline at the box's left edge
  EXPECT_GT(painted, 13 * 11 * 3 / 4);
  EXPECT_LT(painted, 13 * 11);
}

}  // namespace
}  // namespace moyo::web
