// The page's reference panel: it opens as the desktop window does when the
// viewer shows it, is reused after closing, and keeps what its controls show.

#include <gtest/gtest.h>

#include <string>

#include "paint/TZelGoPB.h"
#include "platform/Text.h"
#include "tests/web/NoText.h"
#include "tests/web/ReferenceTestSupport.h"
#include "web/ReferencePanel.h"
#include "web/WebArtwork.h"

namespace moyo::web {
namespace {

using platform::MouseButton;

std::string Utf8(const std::string& cp949) {
  return platform::Cp949ToUtf8(cp949);
}

class ReferencePanelTest : public ::testing::Test {
 protected:
  void SetUp() override { test::LoadCommentedSample(record_); }
  std::unique_ptr<TBoardSnapshot> Game(int move) const { return test::GameAfter(record_, move); }

  // No pictures: the board draws on the spare wood, which is all these tests need.
  WebArtwork artwork_;
  test::NoText text_;
  TGameRecord record_;
};

using test::OpenReference;

TEST_F(ReferencePanelTest, OpensLikeTheDesktopWindowAndIsReusedAfterClosing) {
  int shown = 0;
  bool openWhenShown = false;
  ReferencePanelWindow window(artwork_, text_, [&](ReferencePanel& panel) {
    ++shown;
    openWhenShown = panel.IsOpen();
  });
  const ReferencePanel& panel = window.Panel();
  EXPECT_FALSE(panel.IsOpen());
  EXPECT_EQ(Utf8(panel.State().caption), "참고도");
  EXPECT_EQ(Utf8(panel.State().trialCaption), "검토");
  // The desktop window's board area, 294 x 280, holds cells of 14 pixels.
  EXPECT_EQ(panel.Session().Painter().CellSize(), 14);
  EXPECT_EQ(panel.State().boardLeft, 14);
  EXPECT_EQ(panel.State().boardTop, 7);
  EXPECT_EQ(panel.State().buttons[0].left, 0);
  EXPECT_EQ(panel.State().buttons[4].left, 236);
  EXPECT_EQ(panel.State().buttons[4].width, 57);

  OpenReference(window, *Game(4), false, "ACACDDQQ\\!\\!Note");
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(openWhenShown);
  EXPECT_EQ(Utf8(panel.State().caption), "1수 참고도");
  EXPECT_EQ(panel.State().memo, "Note");
  EXPECT_EQ(panel.Session().Board().MoveCount(), 3);

  // Letters chosen while open survive another opening, as an open window's do.
  window.Panel().SetMarking(true);
  window.Panel().ChooseLetter(3);
  OpenReference(window, *Game(10), false, "AFABEE\\!\\!");
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(Utf8(panel.State().caption), "4수 참고도");
  EXPECT_TRUE(panel.State().marking);
  EXPECT_EQ(panel.State().letter, 3);

  // Closed and opened again, it starts over like a window being shown.
  window.Panel().Close();
  EXPECT_FALSE(panel.IsOpen());
  OpenReference(window, *Game(10), false, "AFABEE\\!\\!");
  EXPECT_EQ(shown, 3);
  EXPECT_TRUE(panel.IsOpen());
  EXPECT_FALSE(panel.State().marking);
  EXPECT_EQ(panel.State().letter, 0);
  EXPECT_FALSE(panel.State().trialTools);
}

TEST_F(ReferencePanelTest, LetterToolsKeepWhatTheControlsShow) {
  ReferencePanelWindow window(artwork_, text_, {});
  ReferencePanel& panel = window.Panel();
  OpenReference(window, *Game(4), false, "ACACDDQQ\\!\\!");
  panel.Session().navButtonClick(4);
  EXPECT_TRUE(panel.State().trialTools);
  EXPECT_EQ(Utf8(panel.State().trialCaption), "마침");
  EXPECT_EQ(panel.State().area, TDiagramSession::kTrialAreaColour);

  panel.SetMarking(true);
  panel.ChooseLetter(25);
  const int cell = panel.Session().Painter().CellSize();
  panel.MouseDown(MouseButton::Left, 9 * cell + 2, 9 * cell + 2);
  EXPECT_EQ(panel.Session().Painter().MarkAt(10, 10), 625);  // 'Z'
  EXPECT_EQ(panel.State().letter, 0);                        // and 'A' comes next
  // A choice outside the list counts as 'A', as the session takes it.
  panel.ChooseLetter(40);
  EXPECT_EQ(panel.State().letter, 0);
  panel.SetMarking(false);
  EXPECT_FALSE(panel.State().marking);
}

}  // namespace
}  // namespace moyo::web
