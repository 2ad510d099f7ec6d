// Pictures of the form in trial mode and with hints in the quiz, written to
// PNG files for a person to look at; the frame and marks are also checked here.

#include <QImage>
#include <QPixmap>
#include <filesystem>

#include "tests/control/ModesFixture.h"

namespace moyo::test {
namespace {

std::filesystem::path ScreenFolder() {
  const char* wanted = std::getenv("MOYO_SCREENSHOT_DIR");
  std::filesystem::path folder = wanted != nullptr
                                     ? std::filesystem::path(wanted)
                                     : std::filesystem::temp_directory_path() / "moyoscope-screens";
  std::filesystem::create_directories(folder);
  return folder;
}

QImage Grab(TMoyoscope& form, const char* name) {
  const QImage picture = form.grab().toImage();
  picture.save(QString::fromStdString((ScreenFolder() / name).string()));
  return picture;
}

TEST(ModesScreens, TrialModeShowsATealFrameAndNumberedTrialStones) {
  ModesForm f;
  LoadSample(*f, kKoFightSample);
  GoTo(*f, 120);
  f->testBtnClick();
  int played = 0;
  for (int y = 8; y <= 19 && played < 5; ++y) {
    for (int x = 8; x <= 19 && played < 5; ++x) {
      if (f.Board().IsLegal(x, y)) {
        f->boardClick(platform::MouseButton::Left, 0, x, y);
        ++played;
      }
    }
  }
  const QImage picture = Grab(*f, "trial-mode.png");
  ASSERT_FALSE(picture.isNull());
  // Just inside the frame's bevel, left of the board.
  const QPoint frame =
      f->Components().panP->mapTo(f.form.get(), QPoint(4, f->Components().panP->height() / 2));
  EXPECT_EQ(QColor(picture.pixel(frame)), QColor(64, 128, 128));
}

TEST(ModesScreens, HintsShowTheirMarksOnEmptyPoints) {
  ModesForm f;
  LoadSample(*f, kKoFightSample);
  GoTo(*f, 60);
  f->AnserBtnClick(1);
  f->HintBtnClick();
  ASSERT_TRUE(f->State().hintShown);
  const QImage picture = Grab(*f, "guess-hints.png");
  ASSERT_FALSE(picture.isNull());
}

}  // namespace
}  // namespace moyo::test
