// Stepping through a record without a window: the navigation buttons, board
// clicks, jumps, keys, automatic play, the stone sound, the capture counts and
// the board's place in its frame.

#include "tests/viewer/SessionFixture.h"
#include "viewer/FormLayout.h"

namespace moyo::test {
namespace {

constexpr auto kLeft = platform::MouseButton::Left;
constexpr auto kRight = platform::MouseButton::Right;

class Navigation : public ::testing::Test {
 protected:
  void Nav(int tag) { v->Navigate(tag); }

  Viewer v;
};

TEST_F(Navigation, LoadingShowsTheFirstMoveSilentlyWithItsPosition) {
  Load(v, LegalGame(12));
  EXPECT_EQ(v.Move(), 1);
  EXPECT_EQ(v.Board().LastMove(), 12);
  EXPECT_EQ(v.sound.plays, 0);
  EXPECT_FALSE(v->State().loading);
  EXPECT_EQ(v.Screen(), DiagramOf(v.Board()));
}

TEST_F(Navigation, ButtonsStepAndStopAtBothEndsWithoutNotices) {
  Load(v, LegalGame(12));
  Nav(0);
  EXPECT_EQ(v.Move(), 0);
  v.view.memo.push_back("left over");
  Nav(0);  // at the start: nothing moves, the commentary is still rewritten
  EXPECT_EQ(v.view.memo.size(), 1u);
  for (int i = 0; i < 3; ++i) Nav(3);
  Nav(1);  // five back from move 3 lands on the start
  EXPECT_EQ(v.Move(), 0);
  for (int i = 0; i < 8; ++i) Nav(3);
  Nav(4);  // five forward from four before the end lands on the end
  EXPECT_EQ(v.Move(), 12);
  Nav(3);  // one forward at the end: no notice
  Nav(2);
  EXPECT_EQ(v.Move(), 11);
  Nav(5);
  EXPECT_EQ(v.Move(), 12);
  Nav(9);  // no such button
  EXPECT_EQ(v.Move(), 12);
  EXPECT_TRUE(v.notices.texts.empty());
  EXPECT_EQ(v.Screen(), DiagramOf(v.Board()));
}

TEST_F(Navigation, OnlySingleForwardStepsSound) {
  Load(v, LegalGame(30));
  Nav(3);
  v->BoardClick(kLeft, 4, 4);
  EXPECT_EQ(v.sound.plays, 2);
  EXPECT_EQ(v.Move(), 3);
  for (int tag : {4, 5, 0, 1, 2}) Nav(tag);
  v->Jump("10");
  v->BoardClick(kRight, 1, 1);
  EXPECT_EQ(v.sound.plays, 2);
  EXPECT_EQ(v.Move(), 9);
}

TEST_F(Navigation, BoardClicksStepForwardOrBackAndNoticeTheEnd) {
  Load(v, LegalGame(3));
  v->BoardClick(kLeft, 19, 19);
  EXPECT_EQ(v.Move(), 2);
  v->BoardClick(platform::MouseButton::Middle, 1, 1);
  EXPECT_EQ(v.Move(), 1);
  Nav(5);
  v->BoardClick(kLeft, 10, 10);
  EXPECT_EQ(v.Move(), 3);
  EXPECT_EQ(v.notices.texts, (std::vector<std::string>{Utf8Message(1)}));
  EXPECT_EQ(v.notices.captions, (std::vector<std::string>{Utf8Message(2)}));
}

TEST_F(Navigation, GuessingModesRefuseNavigationJumpsRightClicksPlayAndKeys) {
  Load(v, LegalGame(10));
  for (ViewerMode mode : {ViewerMode::GuessBlack, ViewerMode::GuessWhite, ViewerMode::GuessBoth}) {
    v.notices.texts.clear();
    v->State().mode = mode;
    Nav(3);
    Nav(5);
    v->BoardClick(kRight, 3, 3);
    v->Jump("5");
    v->StartAutoPlay(1);
    v->StopAutoPlay();
    for (TViewerKey key : {TViewerKey::Right, TViewerKey::End, TViewerKey::WheelForward}) {
      v->Key(key);
    }
    EXPECT_EQ(v.Move(), 1);
    EXPECT_FALSE(v.PlayTimer().enabled);
    EXPECT_FALSE(v.view.StopFace(TFacePair::AutoPlay));
    // A key is answered with nothing at all, not a notice per keystroke.
    EXPECT_EQ(v.notices.texts, (std::vector<std::string>{TwoMessages(4, 5), TwoMessages(4, 5),
                                                         TwoMessages(4, 5), TwoMessages(25, 5)}));
  }
}

TEST_F(Navigation, TrialModeNavigatesButRefusesJumpsAndPlay) {
  Load(v, LegalGame(10));
  v->State().mode = ViewerMode::Trial;
  Nav(3);
  EXPECT_EQ(v.Move(), 2);
  v->BoardClick(kRight, 3, 3);
  EXPECT_EQ(v.Move(), 1);
  v->Jump("5");
  EXPECT_EQ(v.notices.texts, (std::vector<std::string>{TwoMessages(25, 5)}));
  v->StartAutoPlay(1);
  EXPECT_FALSE(v.PlayTimer().enabled);
  EXPECT_FALSE(v->State().autoStopShown);
}

TEST_F(Navigation, KeysAndTheWheelDoWhatTheirButtonsDo) {
  Load(v, LegalGame(40));
  Viewer buttons;
  Load(buttons, LegalGame(40));
  const std::pair<TViewerKey, int> pairs[] = {
      {TViewerKey::End, 5},       {TViewerKey::PageUp, 1},      {TViewerKey::Left, 2},
      {TViewerKey::WheelBack, 2}, {TViewerKey::Home, 0},        {TViewerKey::PageDown, 4},
      {TViewerKey::Right, 3},     {TViewerKey::WheelForward, 3}};
  for (const auto& [key, tag] : pairs) {
    v->Key(key);
    buttons->Navigate(tag);
    EXPECT_EQ(v.Move(), buttons.Move()) << tag;
    EXPECT_EQ(v.sound.plays, buttons.sound.plays) << tag;
    EXPECT_EQ(v.Screen(), buttons.Screen()) << tag;
  }
  EXPECT_EQ(v.Move(), 7);
}

TEST_F(Navigation, TheBoardTurnsAndIsCopiedByKeyInEveryMode) {
  Load(v, LegalGame(10));
  v->Key(TViewerKey::Turn);
  EXPECT_TRUE(v->Painter().Flipped());
  v->ChooseMode(3);
  v->Key(TViewerKey::Turn);
  EXPECT_FALSE(v->Painter().Flipped());
  v->Key(TViewerKey::Copy);
  EXPECT_EQ(v.view.copies, 1);
  EXPECT_TRUE(v.notices.texts.empty());
  // A click on the turned board maps back to the point under the mouse.
  v->ChooseMode(0);
  v->Key(TViewerKey::Turn);
  v->EnterTrial();
  const int cell = v->Painter().CellSize();
  v->Painter().MouseDown(platform::MouseButton::Left, 0, cell / 2, cell / 2);
  EXPECT_EQ(v.Board().Point(19, 19), v.Board().ToMove() == kBlack ? kWhite : kBlack);
}

TEST_F(Navigation, JumpsLandOnTheNumberOrTheLastMoveAndRejectNonNumbers) {
  Load(v, LegalGame(180));
  v->Jump("250");
  EXPECT_EQ(v.Move(), 180);
  EXPECT_EQ(v.view.moveText, "180");
  v->Jump("+57");
  EXPECT_EQ(v.Move(), 57);
  EXPECT_EQ(v.view.moveText, "57");
  EXPECT_TRUE(v.notices.texts.empty());
  for (const char* bad : {"0", "-5", "ab", "", "1x", "1000", " 12"}) {
    v.notices.texts.clear();
    v.view.moveText = "x";
    v->Jump(bad);
    EXPECT_EQ(v.notices.texts, (std::vector<std::string>{Utf8Message(26)})) << bad;
    EXPECT_EQ(v.view.moveText, "") << bad;
    EXPECT_EQ(v.Move(), 57) << bad;
  }
  EXPECT_EQ(v.Screen(), DiagramOf(v.Board()));
}

TEST_F(Navigation, AutomaticPlayStepsEachTickAndStopsOneTickAfterTheEnd) {
  Load(v, LegalGame(3));
  v->StartAutoPlay(3);
  ManualTimer& timer = v.PlayTimer();
  EXPECT_TRUE(timer.enabled);
  EXPECT_EQ(timer.interval, 3000);
  EXPECT_TRUE(v.view.StopFace(TFacePair::AutoPlay));
  timer.Tick();
  timer.Tick();
  EXPECT_EQ(v.Move(), 3);
  EXPECT_EQ(v.sound.plays, 2);
  EXPECT_TRUE(timer.enabled);
  timer.Tick();  // nothing more to play: play stops without a notice
  EXPECT_FALSE(timer.enabled);
  EXPECT_FALSE(v.view.StopFace(TFacePair::AutoPlay));
  EXPECT_FALSE(v->State().autoStopShown);
  EXPECT_TRUE(v.notices.texts.empty());
}

TEST_F(Navigation, AClickStopsPlayAtTheNextTickLeavingTheStopFaceAndAJumpStopsItAtOnce) {
  Load(v, LegalGame(20));
  ManualTimer& timer = v.PlayTimer();
  v->StartAutoPlay(1);
  timer.Tick();
  v->BoardClick(kLeft, 1, 1);
  timer.Tick();
  EXPECT_EQ(v.Move(), 3);
  EXPECT_FALSE(timer.enabled);
  EXPECT_TRUE(v.view.StopFace(TFacePair::AutoPlay));
  v->StopAutoPlay();
  EXPECT_FALSE(v.view.StopFace(TFacePair::AutoPlay));

  v->StartAutoPlay(1);
  v->Key(TViewerKey::Left);
  timer.Tick();
  EXPECT_FALSE(timer.enabled);
  v->StartAutoPlay(1);
  v->Jump("7");
  EXPECT_FALSE(timer.enabled);
  EXPECT_FALSE(v.view.StopFace(TFacePair::AutoPlay));
}

TEST_F(Navigation, ChangingThePaceRetimesOnlyRunningPlay) {
  Load(v, LegalGame(20));
  ManualTimer& timer = v.PlayTimer();
  v->ChangePace(5);
  EXPECT_EQ(timer.interval, 1000) << "not running: the pace is read when play starts";
  v->StartAutoPlay(5);
  v->ChangePace(2);
  EXPECT_EQ(timer.interval, 2000);
}

TEST_F(Navigation, CaptureCountsFollowEveryStepBothWays) {
  Load(v, LegalGame(300));
  bool sawCapture = false;
  const auto check = [&] {
    EXPECT_EQ(v.view.whiteDead, std::to_string(v.Board().BlackCaptures()));
    EXPECT_EQ(v.view.blackDead, std::to_string(v.Board().WhiteCaptures()));
    sawCapture = sawCapture || v.Board().BlackCaptures() > 0;
  };
  while (v.Move() < 300) {
    Nav(3);
    check();
  }
  ASSERT_TRUE(sawCapture) << "the test game should capture";
  EXPECT_EQ(v.Screen(), DiagramOf(v.Board()));
  while (v.Move() > 0) {
    Nav(2);
    check();
  }
  EXPECT_EQ(v.view.whiteDead, "0");
}

TEST(BoardPlace, FitsTheLargestCellAndCentresTheBoardWithItsMargin) {
  const layout::TBoardPlace place = layout::PlaceBoard(524, 565, 20, 19);
  EXPECT_EQ(place.cell, 26);
  EXPECT_EQ(place.pixels, 494);
  EXPECT_EQ(place.left, 5);
  EXPECT_EQ(place.top, 25);
  EXPECT_EQ(layout::NavButtonLefts(531, layout::kNavSpreadAtCreation)[0], 34);
  EXPECT_EQ(layout::NavButtonLefts(531, layout::kNavSpreadOnResize),
            (std::array<int, 6>{15, 54, 91, 128, 165, 202}));
}

TEST(BoardPlace, StonePicturesAreLoadedOncePerCellSizeAndKeptBelowTen) {
  Viewer v;
  const int loads = v->StonePictureLoads();
  v->PlaceBoard(530, 570);  // the same cell size: only centred again
  EXPECT_EQ(v->StonePictureLoads(), loads);
  v->PlaceBoard(700, 700);
  EXPECT_EQ(v->StonePictureLoads(), loads + 1);
  v->PlaceBoard(150, 150);  // cell 6: no pictures of that size
  EXPECT_EQ(v->StonePictureLoads(), loads + 1);
  EXPECT_EQ(v->Painter().BoardPixels(), 19 * 6);
}

}  // namespace
}  // namespace moyo::test
