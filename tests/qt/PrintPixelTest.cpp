// Printed diagrams as pixels on the image printer, and the two printers' pages.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <filesystem>

#include "platform/qt/QtImagePrinter.h"
#include "platform/qt/QtPrinter.h"
#include "print/DiagramDrawing.h"

namespace moyo {
namespace {

namespace fs = std::filesystem;

constexpr int kLeft = 100, kTop = 100;

class PrintPixelTest : public ::testing::Test {
 protected:
  // The page with grid drawn at (kLeft, kTop) in cells of size.
  static QImage Drawn(const LDispGGrid& grid, int size) {
    platform::QtImagePrinter printer(kLeft * 2 + 19 * size, kTop * 2 + 19 * size, 600, "");
    QImage page;
    printer.OnPage = [&page](const QImage& image, int) { page = image; };
    EXPECT_TRUE(printer.BeginJob("test"));
    TGPOPTION options;
    options.GridSize = size;
    DrawDiagram(*printer.PageCanvas(), grid, kTop, kLeft, options);
    EXPECT_TRUE(printer.EndJob());
    return page;
  }
  static bool Black(const QImage& page, int x, int y) { return qGray(page.pixel(x, y)) < 64; }
  static bool White(const QImage& page, int x, int y) { return qGray(page.pixel(x, y)) > 192; }
};

TEST_F(PrintPixelTest, LineWidthsAtTheOneAndTwoAPageGrids) {
  const LDispGGrid empty;
  // 185: inner lines 2 dots (c - 1 .. c), edge lines 12 dots one dot to the right.
  QImage page = Drawn(empty, 185);
  const int cell = kLeft + 5 * 185, y = kTop + 5 * 185 + 30;
  EXPECT_TRUE(White(page, cell + 90, y));
  EXPECT_TRUE(Black(page, cell + 91, y));
  EXPECT_TRUE(Black(page, cell + 92, y));
  EXPECT_TRUE(White(page, cell + 93, y));
  EXPECT_TRUE(White(page, kLeft + 86, y));
  EXPECT_TRUE(Black(page, kLeft + 87, y));
  EXPECT_TRUE(Black(page, kLeft + 98, y));
  EXPECT_TRUE(White(page, kLeft + 99, y));
  // A star point: a disc of about 40 dots around the centre of point 4-4.
  const int star = kLeft + 3 * 185 + 92;
  EXPECT_TRUE(Black(page, star + 15, star));
  EXPECT_TRUE(White(page, star + 25, star + 25));

  // 115 (odd): inner lines 56..57, edge lines 54..61.
  page = Drawn(empty, 115);
  const int cell2 = kLeft + 5 * 115, y2 = kTop + 5 * 115 + 20;
  EXPECT_TRUE(White(page, cell2 + 55, y2));
  EXPECT_TRUE(Black(page, cell2 + 56, y2));
  EXPECT_TRUE(Black(page, cell2 + 57, y2));
  EXPECT_TRUE(White(page, cell2 + 58, y2));
  EXPECT_TRUE(White(page, kLeft + 53, y2));
  EXPECT_TRUE(Black(page, kLeft + 54, y2));
  EXPECT_TRUE(Black(page, kLeft + 61, y2));
  EXPECT_TRUE(White(page, kLeft + 62, y2));
}

TEST_F(PrintPixelTest, StonesHaveAnOutlineAndNumbersSitOnTheirCentre) {
  LDispGGrid grid;
  grid.SetCell(9, 9, TCellState::White, 8, 0);
  grid.SetCell(9, 10, TCellState::Black, 188, 0);
  const QImage page = Drawn(grid, 185);
  const int x = kLeft + 9 * 185, y = kTop + 9 * 185;
  // Outline 5 dots inside the box from 4 to 180, white inside.
  EXPECT_TRUE(Black(page, x + 92, y + 6));
  EXPECT_TRUE(White(page, x + 92, y + 20));
  EXPECT_TRUE(Black(page, x + 92, y + 2));  // the line from the empty point above reaches it
  // No line between the two touching stones.
  EXPECT_TRUE(White(page, x + 183, y + 92));

  // The ink of each number is centred on its stone within a few dots.
  const auto inkCentre = [&page](int left, int top, bool ink(const QImage&, int, int)) {
    int minX = 1 << 30, maxX = -1, minY = 1 << 30, maxY = -1;
    for (int py = top + 25; py < top + 160; ++py) {
      for (int px = left + 25; px < left + 160; ++px) {
        if (!ink(page, px, py)) continue;
        minX = std::min(minX, px), maxX = std::max(maxX, px);
        minY = std::min(minY, py), maxY = std::max(maxY, py);
      }
    }
    return QPoint((minX + maxX) / 2 - left, (minY + maxY) / 2 - top);
  };
  const QPoint eight = inkCentre(x, y, Black);
  EXPECT_NEAR(eight.x(), 92, 4);
  EXPECT_NEAR(eight.y(), 92, 8);
  const QPoint threeDigits = inkCentre(x + 185, y, White);
  EXPECT_NEAR(threeDigits.x(), 92, 4);
  EXPECT_NEAR(threeDigits.y(), 92, 8);
}

TEST_F(PrintPixelTest, PrintersGiveA4PagesAndWriteOnlyPagesBegun) {
  std::string pattern = (fs::temp_directory_path() / "moyo-printers-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const fs::path folder = pattern;

  const auto pdf = platform::QtPrinter::ToPdf((folder / "job.pdf").string());
  EXPECT_EQ(pdf->PageWidth(), 4958);
  EXPECT_EQ(pdf->PageHeight(), 7017);
  EXPECT_EQ(pdf->DotsPerInch(), 600);
  ASSERT_TRUE(pdf->BeginJob("Zel Gibo"));
  EXPECT_TRUE(pdf->EndJob());
  EXPECT_FALSE(fs::exists(folder / "job.pdf"));  // a job without pages
  ASSERT_TRUE(pdf->BeginJob("Zel Gibo"));
  ASSERT_NE(pdf->PageCanvas(), nullptr);
  EXPECT_EQ(pdf->PageCanvas()->DotsPerInchY(), 600);
  EXPECT_TRUE(pdf->NewPage());
  EXPECT_TRUE(pdf->EndJob());
  EXPECT_GT(fs::file_size(folder / "job.pdf"), 0u);

  const auto images = platform::QtImagePrinter::A4(100, (folder / "page-%d.png").string());
  EXPECT_EQ(images->PageWidth(), 826);
  ASSERT_TRUE(images->BeginJob("Zel Gibo"));
  ASSERT_NE(images->PageCanvas(), nullptr);
  EXPECT_EQ(images->PageCanvas()->DotsPerInchY(), 100);
  EXPECT_TRUE(images->NewPage());
  EXPECT_TRUE(images->NewPage());  // a blank middle page still counts
  ASSERT_NE(images->PageCanvas(), nullptr);
  EXPECT_TRUE(images->EndJob());
  EXPECT_EQ(images->PageCount(), 3);
  EXPECT_TRUE(fs::exists(folder / "page-3.png"));
  EXPECT_FALSE(images->NewPage());  // no job runs

  platform::QtImagePrinter unwritable(10, 10, 600, (folder / "missing" / "p-%d.png").string());
  ASSERT_TRUE(unwritable.BeginJob("x"));
  unwritable.PageCanvas();
  EXPECT_FALSE(unwritable.EndJob());
  fs::remove_all(folder);
}

}  // namespace
}  // namespace moyo
