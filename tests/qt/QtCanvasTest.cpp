// Pixel behaviour of the Qt canvas: the board painter relies on exact pixels.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include "platform/Text.h"
#include "platform/qt/QtBitmap.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtFonts.h"

namespace moyo::platform {
namespace {

class QtCanvasTest : public ::testing::Test {
 protected:
  QtCanvasTest() : image_(20, 20, QImage::Format_RGB32) { image_.fill(Qt::white); }

  bool Black(int x, int y) const { return image_.pixel(x, y) == qRgb(0, 0, 0); }
  int CountBlack() const {
    int n = 0;
    for (int y = 0; y < image_.height(); ++y)
      for (int x = 0; x < image_.width(); ++x) n += Black(x, y);
    return n;
  }

  QImage image_;
};

TEST_F(QtCanvasTest, LinesCoverTheirStartAndStopBeforeTheirEndInEitherDirection) {
  {
    QtCanvas canvas(image_);
    canvas.Line(2, 3, 7, 3);      // x 2..6
    canvas.Line(9, 10, 4, 10);    // x 9..5
    canvas.Line(15, 12, 15, 16);  // y 12..15
    canvas.Line(17, 16, 17, 12);  // y 16..13
    canvas.Line(1, 1, 1, 1);      // nothing
  }
  for (int x = 0; x < 20; ++x) {
    EXPECT_EQ(Black(x, 3), x >= 2 && x <= 6) << x;
    EXPECT_EQ(Black(x, 10), x >= 5 && x <= 9) << x;
  }
  for (int y = 0; y < 20; ++y) {
    EXPECT_EQ(Black(15, y), y >= 12 && y <= 15) << y;
    EXPECT_EQ(Black(17, y), y >= 13 && y <= 16) << y;
  }
  EXPECT_EQ(CountBlack(), 5 + 5 + 4 + 4);
}

TEST_F(QtCanvasTest, AndThenOrCopiesPutAMaskedPictureOverTheBackground) {
  image_.fill(qRgb(200, 150, 100));
  QImage mask(4, 4, QImage::Format_RGB32);
  mask.fill(Qt::white);
  mask.setPixel(1, 1, qRgb(0, 0, 0));
  QImage stone(4, 4, QImage::Format_RGB32);
  stone.fill(Qt::black);
  stone.setPixel(1, 1, qRgb(10, 20, 30));
  {
    QtCanvas canvas(image_);
    canvas.CopyRect({5, 5, 9, 9}, QtBitmap(mask), 0, 0, RasterOp::And);
    canvas.CopyRect({5, 5, 9, 9}, QtBitmap(stone), 0, 0, RasterOp::Or);
    // A block reaching past the picture copies only what the picture has.
    canvas.CopyRect({0, 0, 3, 3}, QtBitmap(stone), 2, 2, RasterOp::Copy);
  }
  EXPECT_EQ(image_.pixel(6, 6), qRgb(10, 20, 30));
  EXPECT_EQ(image_.pixel(5, 5), qRgb(200, 150, 100));
  EXPECT_EQ(image_.pixel(8, 8), qRgb(200, 150, 100));
  EXPECT_EQ(image_.pixel(1, 1), qRgb(0, 0, 0));
  EXPECT_EQ(image_.pixel(2, 2), qRgb(200, 150, 100));
}

TEST_F(QtCanvasTest, TiledFillsMatchCopiesTileByTile) {
  QImage picture(7, 5, QImage::Format_RGB32);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) picture.setPixel(x, y, qRgb(x * 30, y * 50, 99));
  const QtBitmap bitmap(picture);
  QImage tiled = image_.copy(), copied = image_.copy();
  {
    QtCanvas canvas(tiled);
    canvas.TileRect({1, 2, 18, 19}, bitmap, {2, 1, 5, 4});
    canvas.TileRect({0, 0, 20, 1}, bitmap, {0, 0, 7, 5});
  }
  {
    // The plain loop of copies every canvas has.
    QtCanvas canvas(copied);
    canvas.Canvas::TileRect({1, 2, 18, 19}, bitmap, {2, 1, 5, 4});
    canvas.Canvas::TileRect({0, 0, 20, 1}, bitmap, {0, 0, 7, 5});
  }
  EXPECT_EQ(tiled, copied);
  EXPECT_EQ(tiled.pixel(1, 2), picture.pixel(2, 1));
  EXPECT_EQ(tiled.pixel(4, 5), picture.pixel(2, 1));
  EXPECT_EQ(tiled.pixel(17, 18), picture.pixel(3, 2));
  EXPECT_EQ(tiled.pixel(18, 18), qRgb(255, 255, 255));
}

TEST_F(QtCanvasTest, RectanglesAndEllipsesStayInsideTheirBoxes) {
  {
    QtCanvas canvas(image_);
    canvas.SetBrush({{255, 0, 0}});
    canvas.SetPen({kBlack});
    canvas.Rectangle({2, 2, 6, 6});
    canvas.Ellipse({10, 10, 18, 18});
    canvas.SetBrush({kBlack});
    canvas.FillRect({0, 19, 20, 20});
  }
  EXPECT_TRUE(Black(2, 2) && Black(5, 5) && Black(5, 2) && Black(2, 5));
  EXPECT_FALSE(Black(6, 6));
  EXPECT_EQ(image_.pixel(3, 3), qRgb(255, 0, 0));
  for (int y = 0; y < 19; ++y) {
    for (int x = 0; x < 20; ++x) {
      if (image_.pixel(x, y) == qRgb(255, 255, 255)) continue;
      const bool inRect = x >= 2 && x < 6 && y >= 2 && y < 6;
      const bool inEllipseBox = x >= 10 && x < 18 && y >= 10 && y < 18;
      EXPECT_TRUE(inRect || inEllipseBox) << x << "," << y;
    }
  }
  EXPECT_TRUE(Black(14, 10) && Black(10, 14) && Black(17, 14) && Black(14, 17));
  EXPECT_EQ(image_.pixel(14, 14), qRgb(255, 0, 0));
  for (int x = 0; x < 20; ++x) EXPECT_TRUE(Black(x, 19));
}

TEST_F(QtCanvasTest, FontsFollowTheSubstitutionTableAndTheirSizes) {
  EXPECT_EQ(SubstituteFamily(Utf8ToCp949("굴림체"), Charset::Hangul), "NanumGothicCoding");
  EXPECT_EQ(SubstituteFamily(Utf8ToCp949("굴림"), Charset::Hangul), "NanumGothic");
  EXPECT_EQ(SubstituteFamily("Times New Roman", Charset::Default), "Liberation Serif");
  EXPECT_EQ(SubstituteFamily("MS Sans Serif", Charset::Default), "Liberation Sans");
  EXPECT_EQ(SubstituteFamily("MS Sans Serif", Charset::Hangul), "NanumGothic");

  QtCanvas canvas(image_);
  EXPECT_EQ(canvas.DotsPerInchY(), 96);
  int lastHeight = 0;
  for (int points = 6; points <= 17; ++points) {
    canvas.SetFont({"Times New Roman", points});
    const Size extent = canvas.TextExtent("H");
    EXPECT_GE(extent.height, lastHeight);
    EXPECT_GT(extent.width, 0);
    lastHeight = extent.height;
  }
  // 12 points at 96 dpi is a 16-pixel character; the line is somewhat taller.
  canvas.SetFont({"Times New Roman", 12});
  EXPECT_GE(canvas.TextExtent("H").height, 16);
  EXPECT_LE(canvas.TextExtent("H").height, 22);
  // Korean text is measured in a face that has it.
  canvas.SetFont({Utf8ToCp949("굴림체"), 12, 0, 0, kRegular, Charset::Hangul});
  EXPECT_GT(canvas.TextExtent(Utf8ToCp949("가")).width, canvas.TextExtent("a").width);
  // A narrowed font is narrower.
  FontSpec wide{Utf8ToCp949("굴림체"), 0, 40};
  canvas.SetFont(wide);
  const int natural = canvas.TextExtent("000").width;
  wide.averageWidth = 12;
  canvas.SetFont(wide);
  EXPECT_LT(canvas.TextExtent("000").width, natural);
}

TEST_F(QtCanvasTest, TextAnchorsPlaceTheTextBox) {
  QImage big(200, 60, QImage::Format_RGB32);
  big.fill(Qt::white);
  {
    QtCanvas canvas(big);
    canvas.SetFont({"Times New Roman", 20});
    canvas.TextOut(100, 10, "III", kBlack, TextAnchor::TopCentre);
  }
  int minX = 200, maxX = -1, minY = 60;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x)
      if (qGray(big.pixel(x, y)) < 128) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
      }
  EXPECT_NEAR((minX + maxX) / 2.0, 100.0, 3.0);
  EXPECT_GE(minY, 10);
  EXPECT_LE(minY, 20);
}

}  // namespace
}  // namespace moyo::platform
