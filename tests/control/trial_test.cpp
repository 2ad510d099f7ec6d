// Trial mode and move numbers on the form: the faces of their buttons, the
// panel's colour and frame, and the picture given back on leaving. Their rules
// are tested on the session alone (tests/viewer).

#include <QImage>

#include "kit/TFrameButton.h"
#include "tests/control/ModesFixture.h"

namespace moyo::test {
namespace {

constexpr auto kLeft = platform::MouseButton::Left;
const QColor kTrialPanel(64, 128, 128);

TEST(Trial, ShowsItsFacesPanelAndFrameAndLeavesThePictureAsItWas) {
  ModesForm f;
  LoadSample(*f, kKoFightSample);
  GoTo(*f, 57);
  const QImage screen = f.Image().copy();
  const QColor viewing = f->Components().panP->Colour();

  f->Components().testBtn->click();
  EXPECT_EQ(f->State().mode, ViewerMode::Trial);
  EXPECT_TRUE(f->Components().testBtn->isHidden());
  EXPECT_FALSE(f->Components().testEndBtn->isHidden());
  EXPECT_EQ(f->Components().panP->Colour(), kTrialPanel);
  EXPECT_NE(f.Image(), screen) << "the trial edge and frame show";
  for (int y = 1, played = 0; y <= 19 && played < 3; ++y) {
    if (f.Board().IsLegal(1, y)) {
      f->boardClick(kLeft, 0, 1, y);
      ++played;
    }
  }
  f->Components().numBtn->click();
  EXPECT_TRUE(f->Components().numBtn->isHidden());
  EXPECT_FALSE(f->Components().numEndBtn->isHidden());

  f->Components().testEndBtn->click();
  EXPECT_EQ(f->State().mode, ViewerMode::Viewing);
  EXPECT_FALSE(f->Components().testBtn->isHidden());
  EXPECT_TRUE(f->Components().testEndBtn->isHidden());
  EXPECT_TRUE(f->Components().numEndBtn->isHidden()) << "numbers stay off after a trial";
  EXPECT_EQ(f->Components().panP->Colour(), viewing);
  EXPECT_EQ(f.Image(), screen);
}

}  // namespace
}  // namespace moyo::test
