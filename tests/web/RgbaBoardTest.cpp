// The page's board against the desktop's: the same painter on the RGBA canvas
// and on the Qt canvas must give the same pixels, for every stone picture size,
// along whole games. Text is the browser's in the page, so labels are left out.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "app/BoardRender.h"
#include "app/RecordFile.h"
#include "paint/TZelGoPB.h"
#include "platform/qt/QtBitmapStore.h"
#include "resources/artwork/ArtworkNames.h"
#include "tests/web/PageViewer.h"
#include "tests/web/RgbaTestSupport.h"
#include "web/WebArtwork.h"

namespace moyo::web {
namespace {

using test::NoText;
using test::ToRgba;

std::string SamplePath(const std::string& name) {
  const char* root = std::getenv("MOYO_SOURCE_DIR");
  return std::string(root != nullptr ? root : ".") + "/samples/" + name;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The first pixel, within the top-left width x height, where the two differ.
std::string FirstDifference(const RgbaImage& page, const RgbaImage& desktop, int width,
                            int height) {
  if (page.width != desktop.width || page.height != desktop.height) return "sizes differ";
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (!std::equal(page.At(x, y), page.At(x, y) + 3, desktop.At(x, y)))
        return "pixel " + std::to_string(x) + "," + std::to_string(y);
    }
  }
  return "";
}

class RgbaBoardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const artwork::Picture& picture : {artwork::kBoardWood, artwork::kBoardEdge}) {
      artwork_.Add(picture.name, ToRgba(store_.FindQt(picture.name)->Image()));
    }
    for (int cell = artwork::kMinStoneCell; cell <= artwork::kMaxStoneCell; ++cell) {
      for (char colour : {'b', 'w'}) {
        for (bool mask : {false, true}) {
          const std::string name = artwork::StoneName(colour, mask, cell);
          artwork_.Add(name, ToRgba(store_.FindQt(name)->Image()));
        }
      }
    }
  }

  // Compares the two boards of sample after each of moves, at cell and margin;
  // with labels in the margin only the board square counts.
  void Compare(const std::string& sample, int cell, int margin, std::initializer_list<int> moves) {
    TGameRecord record;
    const std::string path = SamplePath(sample);
    ASSERT_FALSE(app::LoadRecordFile(path, app::FormatOfName(path), "1", record).failed);
    test::PageViewer viewer(artwork_, text_, cell, margin);
    const RecordReader reader = app::FormatOfName(path) == app::RecordFormat::Ngf
                                    ? RecordReader::Ngf
                                    : RecordReader::Tagged;
    ASSERT_FALSE(viewer.viewer.Load(ReadFile(path), reader, "1").failed);
    for (int move : moves) {
      viewer.GoTo(move);
      const app::RenderOptions options{move, cell, margin};
      const RgbaImage desktop = ToRgba(app::RenderRecordBoard(record, options, store_));
      const RgbaImage& page = viewer.viewer.PaintBox().Image();
      const int checked = margin > 10 ? 19 * cell : page.width;
      EXPECT_EQ(FirstDifference(page, desktop, checked, checked), "")
          << sample << " cell " << cell << " margin " << margin << " move " << move;
    }
  }

  platform::QtBitmapStore store_;
  WebArtwork artwork_;
  NoText text_;
};

TEST_F(RgbaBoardTest, EveryStoneSizeMatchesTheDesktopBoardWithItsShadow) {
  for (int cell = artwork::kMinStoneCell; cell <= artwork::kMaxStoneCell; ++cell) {
    Compare("selfplay-commented-ko-fight.gib", cell, 10, {37});
  }
}

TEST_F(RgbaBoardTest, WholeGamesMatchThroughCapturesKoAndHandicapStones) {
  for (int cell : {19, 26}) {
    Compare("selfplay-commented-ko-fight.gib", cell, 20, {0, 1, 120, 187, 200, 240, 255});
    Compare("selfplay-four-stone-handicap.ngf", cell, 20, {0, 1, 100, 212});
  }
}

TEST_F(RgbaBoardTest, SteppingBackRepaintsExactlyWhatAFreshBoardShows) {
  TGameRecord record;
  const std::string path = SamplePath("selfplay-commented-ko-fight.gib");
  ASSERT_FALSE(app::LoadRecordFile(path, app::RecordFormat::Tagged, "1", record).failed);
  test::PageViewer viewer(artwork_, text_, 23, 10);
  ASSERT_FALSE(viewer.viewer.Load(ReadFile(path), RecordReader::Tagged, "1").failed);
  viewer.GoTo(255);
  viewer.GoTo(190);
  EXPECT_EQ(viewer.MoveNumber(), 190);
  const RgbaImage desktop = ToRgba(app::RenderRecordBoard(record, {190, 23, 10}, store_));
  const RgbaImage& page = viewer.viewer.PaintBox().Image();
  EXPECT_EQ(FirstDifference(page, desktop, page.width, page.height), "");
}

}  // namespace
}  // namespace moyo::web
