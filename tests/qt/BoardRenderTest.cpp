// The render command's board: a record replayed as the viewer enters it and
// painted after the chosen move.

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "app/BoardRender.h"

namespace moyo::app {
namespace {

class BoardRenderTest : public ::testing::Test {
 protected:
  BoardRenderTest() {
    // Black D4 (4, 16), White Q16 (16, 4), Black takes a pass, White C3 (3, 17).
    for (TRecordMove move : {TRecordMove{4, 16, kRecordBlack}, TRecordMove{16, 4, kRecordWhite},
                             TRecordMove{0, 0, kRecordBlack}, TRecordMove{3, 17, kRecordWhite}}) {
      record_.AddMove(move);
    }
  }
  // The colour a little below the centre of point (x, y), clear of the
  // last-move triangle, for cell size cell.
  static QRgb Centre(const QImage& image, int cell, int x, int y) {
    return image.pixel((x - 1) * cell + cell / 2, (y - 1) * cell + cell * 3 / 4);
  }
  static int CountColour(const QImage& image, int cell, int x, int y, QRgb colour) {
    int n = 0;
    for (int j = 0; j < cell; ++j)
      for (int i = 0; i < cell; ++i)
        n += image.pixel((x - 1) * cell + i, (y - 1) * cell + j) == colour;
    return n;
  }

  TGameRecord record_;
  platform::QtBitmapStore store_;
};

TEST_F(BoardRenderTest, ShowsThePositionAfterTheMoveWithTheLastMoveMarked) {
  RenderOptions options;
  options.move = 2;
  const QImage image = RenderRecordBoard(record_, options, store_);
  ASSERT_EQ(image.size(), QSize(19 * 26 + 20, 19 * 26 + 20));
  EXPECT_LT(qGray(Centre(image, 26, 4, 16)), 80);   // black stone
  EXPECT_GT(qGray(Centre(image, 26, 16, 4)), 170);  // white stone
  EXPECT_EQ(Centre(image, 26, 3, 17), Centre(RenderRecordBoard(record_, {}, store_), 26, 3, 17));
  // The last move, White's, carries the navy triangle.
  EXPECT_GT(CountColour(image, 26, 16, 4, qRgb(0, 0, 128)), 10);
  EXPECT_EQ(CountColour(image, 26, 4, 16, qRgb(255, 255, 0)), 0);
}

TEST_F(BoardRenderTest, MovesBeyondTheEndStopAtTheLastAndNumbersReplaceTheMark) {
  RenderOptions options;
  options.move = 99;
  const QImage last = RenderRecordBoard(record_, options, store_);
  options.move = 4;
  EXPECT_EQ(last, RenderRecordBoard(record_, options, store_));
  EXPECT_GT(qGray(Centre(last, 26, 3, 17)), 170);
  options.numbers = true;
  const QImage numbered = RenderRecordBoard(record_, options, store_);
  EXPECT_EQ(CountColour(numbered, 26, 3, 17, qRgb(0, 0, 128)), 0);
  // White digits on the black stone, black digits on the white ones.
  int light = 0;
  for (int j = 0; j < 26; ++j)
    for (int i = 0; i < 26; ++i) light += qGray(numbered.pixel(3 * 26 + i, 15 * 26 + j)) > 150;
  EXPECT_GT(light, 3);
  EXPECT_NE(numbered, last);
}

TEST_F(BoardRenderTest, FlipCellAndMarginChangeTheDrawing) {
  RenderOptions options;
  options.move = 1;
  options.flip = true;
  options.cell = 11;
  options.margin = 0;
  const QImage image = RenderRecordBoard(record_, options, store_);
  ASSERT_EQ(image.size(), QSize(209, 209));
  EXPECT_LT(qGray(Centre(image, 11, 20 - 4, 20 - 16)), 80);  // D4 drawn turned
  options.cell = 9;                                          // no stone pictures: plain discs
  const QImage small = RenderRecordBoard(record_, options, store_);
  EXPECT_EQ(Centre(small, 9, 16, 4), qRgb(0, 0, 0));
}

TEST_F(BoardRenderTest, ARecordOfFewerLinesIsDrawnAndPlayedOnItsOwnBoard) {
  // Black's corner stone has only two liberties on 9 lines: White's second move takes it.
  TGameRecord nine;
  nine.boardSize = 9;
  for (TRecordMove move : {TRecordMove{9, 9, kRecordBlack}, TRecordMove{8, 9, kRecordWhite},
                           TRecordMove{1, 1, kRecordBlack}, TRecordMove{9, 8, kRecordWhite},
                           TRecordMove{5, 5, kRecordBlack}}) {
    nine.AddMove(move);
  }
  RenderOptions options;
  options.move = 4;
  const QImage image = RenderRecordBoard(nine, options, store_);
  ASSERT_EQ(image.size(), QSize(9 * 26 + 20, 9 * 26 + 20));
  EXPECT_GT(qGray(Centre(image, 26, 8, 9)), 170);  // white stones
  EXPECT_GT(qGray(Centre(image, 26, 9, 8)), 170);
  EXPECT_LT(qGray(Centre(image, 26, 1, 1)), 80);  // black stone
  // The taken stone's cell shows the wood and grid of the empty board again.
  options.move = 0;
  const QImage empty = RenderRecordBoard(nine, options, store_);
  EXPECT_EQ(image.copy(8 * 26, 8 * 26, 26, 26), empty.copy(8 * 26, 8 * 26, 26, 26));
  // Moves past the ninth line never come into play.
  options.move = 5;
  EXPECT_LT(qGray(Centre(RenderRecordBoard(nine, options, store_), 26, 5, 5)), 80);
}

}  // namespace
}  // namespace moyo::app
