#include "print/LayoutPrinter.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "print/DiagramPrinter.h"
#include "tests/print/FakePrinter.h"

namespace moyo {
namespace {

using platform::Rect;
using testing::DrawnOp;
using testing::FakePrinter;
using testing::RecordingCanvas;

// A game of count moves, the later half played again on the earlier half's points.
TMoveList GameWithRetakes(int count) {
  TMoveList list;
  for (int i = 0; i < count; ++i) {
    const int k = i % (count / 2);
    list.Moves[list.Count++] = {static_cast<std::uint8_t>(k % 10 * 2 + 1),
                                static_cast<std::uint8_t>(k / 10 * 2 + 1)};
  }
  return list;
}

// Prints the game as request says on an A4 sheet of dpi dots an inch.
std::unique_ptr<FakePrinter> PrintAt(int dpi, const TPrintRequest& request) {
  auto printer = std::make_unique<FakePrinter>(4958 * dpi / 600, 7017 * dpi / 600, dpi);
  TGamePInfo header;
  header.EventName = "Cup";
  EXPECT_TRUE(PrintRecord(*printer, {GameWithRetakes(120), {}, 2}, header, request, "stamp"));
  return printer;
}

TEST(LayoutCanvas, LayoutDotsBecomeDeviceDotsAndNothingVanishes) {
  RecordingCanvas device(300);
  TLayoutCanvas canvas(device, 300);
  EXPECT_EQ(canvas.DotsPerInchY(), 600);
  EXPECT_EQ(canvas.ToDevice(Rect{100, 200, 300, 401}), (Rect{50, 100, 150, 200}));
  // One-dot lines of an even grid fall between device dots: they keep one dot.
  EXPECT_EQ(canvas.ToDevice(Rect{51, 0, 52, 100}), (Rect{25, 0, 26, 50}));
  EXPECT_EQ(canvas.ToDevice(Rect{-3, 0, -1, 0}), (Rect{-2, 0, -1, 0}));
  canvas.SetFont({"x", 0, 166, 1, 0, platform::Charset::Default});
  EXPECT_EQ(canvas.TextExtent("00").height, 166);
  canvas.TextOut(4958, 7017, "a", platform::kBlack, platform::TextAnchor::TopLeft);
  EXPECT_EQ(device.ops.back().x, 2479);
  EXPECT_EQ(device.ops.back().y, 3508);
  EXPECT_EQ(device.ops.back().font.pixelHeight, 83);
  EXPECT_EQ(device.ops.back().font.averageWidth, 1);
}

TEST(LayoutPrinter, EveryResolutionPrintsTheSamePage) {
  FakePrinter coarse(2480, 3508, 300);
  EXPECT_EQ(LayoutPageSize(coarse).width, 4960);
  EXPECT_EQ(LayoutPageSize(coarse).height, 7016);

  TPrintRequest split;
  split.method = kPrintSplit;
  split.movesPerDiagram = 40;
  split.perPageIndex = 2;
  for (const TPrintRequest& request : {TPrintRequest{}, split}) {
    const auto fine = PrintAt(600, request);
    for (int dpi : {300, 1200}) {
      const auto other = PrintAt(dpi, request);
      ASSERT_EQ(other->pages.size(), fine->pages.size()) << dpi;
      for (std::size_t page = 0; page < fine->pages.size(); ++page) {
        const std::vector<DrawnOp>& a = fine->pages[page]->ops;
        const std::vector<DrawnOp>& b = other->pages[page]->ops;
        ASSERT_EQ(a.size(), b.size()) << dpi;
        for (std::size_t i = 0; i < a.size(); ++i) {
          ASSERT_EQ(a[i].kind, b[i].kind);
          // Shapes land on the same place of the sheet, to a dot of the coarser printer.
          const int slack = dpi < 600 ? 2 : 1;
          EXPECT_LE(std::abs(a[i].box.left - b[i].box.left * 600 / dpi), slack) << dpi << " " << i;
          EXPECT_LE(std::abs(a[i].box.bottom - b[i].box.bottom * 600 / dpi), slack) << dpi;
          EXPECT_LE(std::abs(a[i].x - b[i].x * 600 / dpi), slack) << dpi << " " << a[i].text;
          EXPECT_LE(std::abs(a[i].y - b[i].y * 600 / dpi), slack + 2) << dpi << " " << a[i].text;
          EXPECT_EQ(a[i].text, b[i].text);
        }
      }
    }
  }
}

}  // namespace
}  // namespace moyo
