// A host program's switch for the stone sound: the form's "stoneSound" property.

#include "tests/control/ModesFixture.h"

namespace moyo::test {
namespace {

TEST(HostSoundSwitch, AFalsePropertySilencesStonesUntilItIsTrueAgain) {
  TestForm t;
  LoadSample(*t.form, kKoFightSample);
  const int before = t.sound->plays;
  t.form->navButtonClick(3);  // one forward: a stone is heard
  EXPECT_EQ(t.sound->plays, before + 1);

  t.form->setProperty("stoneSound", false);
  t.form->navButtonClick(3);
  t.form->navButtonClick(3);
  EXPECT_EQ(t.sound->plays, before + 1);

  t.form->setProperty("stoneSound", true);
  t.form->navButtonClick(3);
  EXPECT_EQ(t.sound->plays, before + 2);
}

}  // namespace
}  // namespace moyo::test
