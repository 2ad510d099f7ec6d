// moyoscope print, run as a user runs it: what it writes and what it says.

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/app/ProgramRun.h"
#include "tests/app/TempFolder.h"

namespace moyo {
namespace {

using test::ProgramRun;
using test::RunMoyoscope;

class PrintCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    files_.Write("two.gib", "(;EV[Two]PB[Kim]PW[Lee];B[pd];W[dp])");
    files_.Write("empty.gib", "(;EV[Empty]PB[Kim]PW[Lee])");
  }

  // Runs "moyoscope print" on a record of files_ with arguments, -o naming a file of files_.
  ProgramRun Print(const std::string& record, const std::string& arguments,
                   const std::string& output) const {
    return RunMoyoscope("print '" + Path(record) + "' " + arguments + " -o '" + Path(output) + "'",
                        config_);
  }
  std::string Path(const std::string& name) const { return (files_.Path() / name).string(); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Path(name)); }

  test::TempFolder files_;
  test::TempFolder config_;
};

TEST_F(PrintCommand, OnePngNameTakesOnePageOnly) {
  const std::string onePerDiagram = "--method split --split 1 --per-page 1 --dpi 72";
  const ProgramRun refused = Print("two.gib", onePerDiagram, "page.png");
  EXPECT_EQ(refused.status, 1) << refused.output;
  EXPECT_NE(refused.output.find("2 pages"), std::string::npos) << refused.output;
  EXPECT_NE(refused.output.find("%d"), std::string::npos) << refused.output;
  EXPECT_FALSE(Exists("page.png"));

  const ProgramRun numbered = Print("two.gib", onePerDiagram, "page-%d.png");
  EXPECT_EQ(numbered.status, 0) << numbered.output;
  EXPECT_TRUE(Exists("page-1.png"));
  EXPECT_TRUE(Exists("page-2.png"));

  const ProgramRun whole = Print("two.gib", "--method whole --dpi 72", "whole.png");
  EXPECT_EQ(whole.status, 0) << whole.output;
  EXPECT_TRUE(Exists("whole.png"));
}

TEST_F(PrintCommand, ASplitPrintWithoutMovesSaysNothingWasWritten) {
  const ProgramRun run = Print("empty.gib", "--method split", "empty.pdf");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("no moves"), std::string::npos) << run.output;
  EXPECT_FALSE(Exists("empty.pdf"));
}

TEST_F(PrintCommand, ThePdfTextLayerReadsAsPrinted) {
  // A four-stone handicap game: its terms line says so, as the print button prints it.
  // Tests run in the source folder unless told where it is.
  const char* root = std::getenv("MOYO_SOURCE_DIR");
  const std::string record = std::filesystem::absolute(std::string(root ? root : ".") +
                                                       "/samples/selfplay-four-stone-handicap.ngf")
                                 .string();
  const ProgramRun run = RunMoyoscope(
      "print '" + record + "' --method whole -o '" + Path("handicap.pdf") + "'", config_);
  ASSERT_EQ(run.status, 0) << run.output;
  const ProgramRun text = test::RunCommand("pdftotext -layout '" + Path("handicap.pdf") + "' -");
  ASSERT_EQ(text.status, 0) << text.output;
  EXPECT_EQ(text.output.find('\x01'), std::string::npos);
  EXPECT_NE(text.output.find("방법 : 4점접바둑"), std::string::npos) << text.output;
  EXPECT_NE(text.output.find("이 기보는 젤 기보 서비스에서 인쇄되었습니다."), std::string::npos);
}

// The box around every dark pixel of a page.
QRect InkBox(const QImage& page) {
  QRect box;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if (qGray(page.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST_F(PrintCommand, EveryResolutionPrintsTheSamePage) {
  for (const char* dpi : {"150", "300"}) {
    const ProgramRun run = Print("two.gib", std::string("--method whole --dpi ") + dpi,
                                 std::string("at") + dpi + ".png");
    ASSERT_EQ(run.status, 0) << run.output;
  }
  const QImage coarse(QString::fromStdString(Path("at150.png")));
  const QImage fine(QString::fromStdString(Path("at300.png")));
  ASSERT_NEAR(fine.width(), 2 * coarse.width(), 2);
  const QRect a = InkBox(coarse), b = InkBox(fine);
  // Rules, header, board and footer: the same place on the sheet to a dot or two.
  EXPECT_LE(std::abs(2 * a.left() - b.left()), 3);
  EXPECT_LE(std::abs(2 * a.top() - b.top()), 3);
  EXPECT_LE(std::abs(2 * a.right() - b.right()), 3);
  EXPECT_LE(std::abs(2 * a.bottom() - b.bottom()), 3);
}

}  // namespace
}  // namespace moyo
