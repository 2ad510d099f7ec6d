// The board on a screen of two device pixels a pixel (QT_SCALE_FACTOR=2): it is
// painted at the screen's resolution with the stones painted for twice the
// cell, not scaled up, while the board's geometry stays in logical pixels.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <cstdlib>

#include "paint/TZelGoPB.h"
#include "platform/qt/QtBitmapStore.h"
#include "platform/qt/QtImageBox.h"
#include "platform/qt/QtPaintBox.h"
#include "record/TaggedReader.h"
#include "tests/control/FormFixture.h"

namespace moyo::test {
namespace {

// A stone on (16, 4) with two moves played after it, so it carries no mark.
constexpr const char* kRecord = "(;PB[Kim]PW[Lee];B[pd];W[dp];B[pp])";

class HiDpiBoard : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    ASSERT_FALSE(ReadTaggedRecord(t.form->Record(), kRecord, "").failed);
    t.form->ApplyRecord();
    t.form->navButtonClick(5);  // to the end
  }
  TestForm t;
};

TEST_F(HiDpiBoard, StonesArePaintedAtTheScreensResolutionAsADirectPaintAtTwiceTheCell) {
  TZelGoPB& painter = t.form->Painter();
  platform::QtPaintBox& box = *t.form->Components().MainGoPB;
  const int n = painter.CellSize();
  ASSERT_GE(n, 10);
  ASSERT_LE(2 * n, 59);  // so the direct paint has stone pictures too
  const int side = painter.BoardPixels() + painter.Margin();
  EXPECT_EQ(box.size(), QSize(side, side));  // logical pixels, as always
  ASSERT_EQ(box.PixelRatio(), 2);
  const QImage shown = box.Image();
  EXPECT_EQ(shown.size(), QSize(2 * side, 2 * side));

  // The same stones painted directly at cell 2n, one device pixel a pixel.
  platform::QtBitmapStore store(":/artwork", 1);
  const std::string big = std::to_string(2 * n);
  platform::QtImageBox direct;
  TZelGoPB reference(direct, *store.Find("baseb"), *store.Find("bedge"));
  reference.SetStoneBitmaps(store.Find("bs" + big), store.Find("ws" + big), store.Find("bm" + big),
                            store.Find("wm" + big));
  reference.SetBoardSize(19 * 2 * n);
  const std::uint8_t colour = t.form->Board().Point(16, 4);
  ASSERT_NE(colour, kEmpty);
  reference.DrawPoint(colour, 16, 4, 0);
  const QImage painted = direct.Image();

  // Every pixel of the disc (where the mask is black) is the stone's own, in both.
  const QImage mask = store.FindQt((colour == kBlack ? "bm" : "wm") + big)->Image();
  int disc = 0;
  for (int j = 0; j < 2 * n; ++j) {
    for (int i = 0; i < 2 * n; ++i) {
      if ((mask.pixel(i, j) & 0xffffff) != 0) continue;
      ++disc;
      const QPoint at(15 * 2 * n + i, 3 * 2 * n + j);
      ASSERT_EQ(shown.pixel(at), painted.pixel(at)) << i << "," << j;
    }
  }
  EXPECT_GT(disc, n * n * 2);  // about pi / 4 of the 2n x 2n block
}

TEST_F(HiDpiBoard, ClicksMapBackInLogicalPixels) {
  t.form->testBtnClick();
  const int n = t.form->Painter().CellSize();
  ASSERT_EQ(t.form->Board().Point(10, 10), 0);
  const QPointF centre(9 * n + n / 2, 9 * n + n / 2);
  QMouseEvent press(QEvent::MouseButtonPress, centre,
                    t.form->Components().MainGoPB->mapToGlobal(centre), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(t.form->Components().MainGoPB, &press);
  EXPECT_NE(t.form->Board().Point(10, 10), 0);
}

}  // namespace
}  // namespace moyo::test

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_SCALE_FACTOR", "2", 1);
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
