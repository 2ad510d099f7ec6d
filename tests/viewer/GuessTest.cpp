// The next-move quiz against the session: choosing a side, judging guesses,
// the opponent's replies one pause apart, the wrong-guess notice, hints and
// member levels.

#include <algorithm>

#include "tests/viewer/SessionFixture.h"
#include "viewer/MemberLevel.h"

namespace moyo::test {
namespace {

constexpr auto kLeft = platform::MouseButton::Left;
constexpr int kHintMark = 691;

TEST(MemberLevel, LevelsAreExactTexts) {
  EXPECT_TRUE(IsLimitedMember("0"));
  EXPECT_TRUE(IsLimitedMember("2"));
  EXPECT_FALSE(IsLimitedMember("00"));
  EXPECT_FALSE(IsLimitedMember(" 2"));
  EXPECT_TRUE(HidesGuessingControls("10"));
  EXPECT_TRUE(HidesGuessingControls("100"));
  EXPECT_FALSE(HidesGuessingControls("1000"));
  for (const char* level : {"0", "2", "10", "100"}) EXPECT_TRUE(RefusesAnswersAndHints(level));
  for (const char* level : {"", "1", "3", "99", "full"}) {
    EXPECT_FALSE(RefusesAnswersAndHints(level)) << level;
  }
}

class Guess : public ::testing::Test {
 protected:
  void LoadGame(int moves) {
    Load(v, LegalGame(moves, 11));
    ASSERT_EQ(v.Board().LastMove(), moves);
  }
  const TMoveRecord& Next() {
    return v.Board().MoveHistory()[static_cast<std::size_t>(v.Move() + 1)];
  }
  void ClickNext() {
    const TMoveRecord next = Next();
    v->BoardClick(kLeft, next.X, next.Y);
  }
  std::vector<std::pair<int, int>> HintPoints() {
    std::vector<std::pair<int, int>> points;
    for (int y = 1; y <= 19; ++y) {
      for (int x = 1; x <= 19; ++x) {
        if (v->Painter().MarkAt(x, y) == kHintMark) points.emplace_back(x, y);
      }
    }
    return points;
  }
  std::vector<std::pair<int, int>> MovePoints(int from, int to) {
    std::vector<std::pair<int, int>> points;
    for (int i = from; i <= to; ++i) {
      const TMoveRecord& move = v.Board().MoveHistory()[static_cast<std::size_t>(i)];
      points.emplace_back(move.X, move.Y);
    }
    std::sort(points.begin(), points.end(), [](auto a, auto b) {
      return std::tie(a.second, a.first) < std::tie(b.second, b.first);
    });
    return points;
  }

  Viewer v;
};

TEST_F(Guess, ChoosingASideAdvancesToItsTurnOnly) {
  LoadGame(20);
  ASSERT_EQ(v.Board().ToMove(), kWhite);  // move 1 is shown
  v->ChooseMode(1);
  EXPECT_EQ(v->State().mode, ViewerMode::GuessBlack);
  EXPECT_EQ(v.Move(), 2);
  EXPECT_EQ(v.view.status, Utf8Message(32));
  v->ChooseMode(1);
  EXPECT_EQ(v.Move(), 2);
  v->ChooseMode(2);
  EXPECT_EQ(v.Move(), 3);
  EXPECT_EQ(v.view.status, Utf8Message(33));
  v->ChooseMode(3);
  EXPECT_EQ(v.Move(), 3);
  EXPECT_EQ(v.view.status, Utf8Message(34));
  v->ChooseMode(0);
  EXPECT_EQ(v->State().mode, ViewerMode::Viewing);
  EXPECT_EQ(v.view.status, Utf8Message(31));
}

TEST_F(Guess, RepliesComeOnePauseApartAndTakeNoInputMeanwhile) {
  LoadGame(9);
  v->Jump("7");
  v->ChooseMode(2);
  ASSERT_EQ(v.Move(), 7);
  ClickNext();
  // The guessed stone is down and shown; the reply waits for the pause.
  EXPECT_EQ(v.Move(), 8);
  EXPECT_EQ(v.Screen(), DiagramOf(v.Board()));
  EXPECT_TRUE(v->State().replying);
  ManualTimer& pause = v.ReplyTimer();
  EXPECT_TRUE(pause.enabled);
  EXPECT_EQ(pause.interval, TViewerSession::kReplyPauseMs);
  // Nothing the user does counts until the reply is played.
  v->BoardClick(kLeft, 1, 1);
  v->ChooseMode(0);
  v->Navigate(0);
  v->HintsOn();
  EXPECT_EQ(v.Move(), 8);
  EXPECT_EQ(v->State().mode, ViewerMode::GuessWhite);
  EXPECT_TRUE(v.notices.texts.empty());

  pause.Tick();
  EXPECT_EQ(v.Move(), 9);
  EXPECT_FALSE(pause.enabled);
  EXPECT_FALSE(v->State().replying);
  EXPECT_EQ(v.notices.texts, (std::vector<std::string>{Utf8Message(1)}));
  EXPECT_EQ(v.sound.plays, 2) << "the guess and the reply are heard";
  EXPECT_EQ(v.Screen(), DiagramOf(v.Board()));
}

TEST_F(Guess, GuessingBothSidesPlaysNoReplies) {
  LoadGame(20);
  v->ChooseMode(3);
  ClickNext();
  ClickNext();
  EXPECT_EQ(v.Move(), 3);
  EXPECT_EQ(v.timers.size(), 2u) << "no pause was needed";
  EXPECT_TRUE(v.notices.texts.empty());
}

TEST_F(Guess, AWrongGuessChangesNothingAndItsNoticeClosesByTimer) {
  LoadGame(20);
  v->ChooseMode(3);
  const std::string position = DiagramOf(v.Board());
  bool timing = false;
  v.notices.whileOpen = [&] {
    timing = v.NoticeTimer().enabled;
    v.NoticeTimer().Tick();
  };
  const TMoveRecord next = Next();
  v->BoardClick(kLeft, next.X == 1 ? 2 : 1, next.Y);
  EXPECT_EQ(v.notices.texts, (std::vector<std::string>{Utf8Message(3)}));
  EXPECT_TRUE(timing);
  EXPECT_EQ(v.NoticeTimer().interval, 600);
  EXPECT_EQ(v.notices.closes, 1);
  EXPECT_FALSE(v.NoticeTimer().enabled);
  EXPECT_EQ(DiagramOf(v.Board()), position);

  // Closed early by the user, the notice leaves no timer to close the next one.
  v.notices.whileOpen = nullptr;
  v->BoardClick(kLeft, 20, 20);
  EXPECT_FALSE(v.NoticeTimer().enabled);
}

TEST_F(Guess, APassIsNeverGuessedNotEvenByAPressInTheTurnedMargin) {
  std::vector<TRecordMove> moves = LegalGame(20, 11);
  moves.push_back({0, 0, kRecordBlack});
  Load(v, moves);
  v->Jump("20");
  v->ChooseMode(3);
  v->ToggleFlip();
  v->BoardClick(kLeft, 0, 0);
  // The far corner's margin of the turned board maps past the lines, not to a pass.
  const int far = v->Painter().BoardPixels() + v->Painter().Margin() - 1;
  v->Painter().MouseDown(kLeft, 0, far, far);
  EXPECT_EQ(v.Move(), 20);
  EXPECT_EQ(v.notices.texts, (std::vector<std::string>(2, Utf8Message(3))));
}

TEST_F(Guess, WhereNoticesDoNotWaitTheWrongGuessNoticeStillClosesAfterItsTime) {
  LoadGame(20);
  v->ChooseMode(3);
  v.notices.waits = false;
  const TMoveRecord next = Next();
  v->BoardClick(kLeft, next.X == 1 ? 2 : 1, next.Y);
  ASSERT_EQ(v.notices.texts, (std::vector<std::string>{Utf8Message(3)}));
  EXPECT_TRUE(v.NoticeTimer().enabled) << "the notice is still open";
  v.NoticeTimer().Tick();
  EXPECT_EQ(v.notices.closes, 1);
  EXPECT_FALSE(v.NoticeTimer().enabled);

  // Closed early by the user, it takes the timer with it.
  v->BoardClick(kLeft, next.X == 1 ? 2 : 1, next.Y);
  EXPECT_TRUE(v.NoticeTimer().enabled);
  v.notices.OnClosed();
  EXPECT_FALSE(v.NoticeTimer().enabled);
  EXPECT_EQ(v.notices.closes, 1);
}

TEST_F(Guess, AtTheEndGuessesAndHintsGetTheLastMoveNotice) {
  LoadGame(6);
  v->Jump("6");
  v->ChooseMode(3);
  v->BoardClick(kLeft, 3, 3);
  EXPECT_EQ(v.notices.texts.back(), Utf8Message(1));
  v->HintsOn();
  EXPECT_EQ(v.notices.texts.size(), 2u);
  EXPECT_EQ(v.notices.texts.back(), Utf8Message(1));
  EXPECT_FALSE(v->State().hintShown);
}

TEST_F(Guess, HintsMarkTheNextStonesAndFollowRightGuessesAcrossReplies) {
  LoadGame(30);
  v->ChooseMode(1);
  v->HintsOn();
  EXPECT_TRUE(v->State().hintShown);
  EXPECT_TRUE(v.view.StopFace(TFacePair::Hints));
  EXPECT_EQ(HintPoints(), MovePoints(3, 6));

  ClickNext();  // move 3 by Black; the marks go while White's reply waits
  EXPECT_TRUE(HintPoints().empty());
  v.PlayReplies();
  EXPECT_EQ(v.Move(), 4);
  EXPECT_TRUE(v->State().hintShown);
  EXPECT_EQ(HintPoints(), MovePoints(5, 8));

  v->ChooseMode(3);  // switching sides keeps them
  EXPECT_EQ(HintPoints().size(), 4u);
  v->ChooseMode(0);  // the viewing button takes them off
  EXPECT_TRUE(HintPoints().empty());
  EXPECT_FALSE(v->State().hintShown);
  EXPECT_FALSE(v.view.StopFace(TFacePair::Hints));
  EXPECT_EQ(v.Screen(), DiagramOf(v.Board()));
}

TEST_F(Guess, HintsNearTheEndMarkOnlyTheMovesLeftAndNumbersWipeThem) {
  LoadGame(12);
  v->Jump("10");
  v->ChooseMode(3);
  v->HintsOn();
  EXPECT_EQ(HintPoints().size(), 2u);
  v->NumbersOn();
  EXPECT_TRUE(HintPoints().empty());
  EXPECT_TRUE(v.view.StopFace(TFacePair::Hints));
  v->HintsOff();
  EXPECT_FALSE(v->State().hintShown);
  EXPECT_EQ(v.Screen(), DiagramOf(v.Board()));
}

TEST_F(Guess, HintsOutsideTheQuizOnlySayWhereTheyWork) {
  LoadGame(30);
  v->HintsOn();
  ASSERT_EQ(v.notices.texts.size(), 1u);
  EXPECT_FALSE(v->State().hintShown);
  EXPECT_TRUE(HintPoints().empty());
}

TEST_F(Guess, ChoosingASideStopsPlayAndEndsATrialFirst) {
  LoadGame(30);
  v->StartAutoPlay(1);
  v->ChooseMode(1);
  EXPECT_FALSE(v->State().autoStopShown);
  EXPECT_FALSE(v.PlayTimer().enabled);

  v->ChooseMode(0);
  v->Jump("9");
  const std::string position = DiagramOf(v.Board());
  v->EnterTrial();
  v->BoardClick(kLeft, 1, 1);
  v->ChooseMode(2);
  EXPECT_EQ(v->State().mode, ViewerMode::GuessWhite);
  EXPECT_FALSE(v.view.StopFace(TFacePair::Trial));
  EXPECT_EQ(v.Board().LastMove(), 30);
  EXPECT_EQ(v.Move(), 9) << "move 9 was Black's: White is to move";
  EXPECT_EQ(DiagramOf(v.Board()), position);
}

TEST_F(Guess, MembersWithoutTheQuizAreRefusedAndStayViewing) {
  LoadGame(20);
  for (const char* level : {"0", "2", "10", "100"}) {
    v->SetLevel(level);
    v.notices.texts.clear();
    v.view.modeButtonDown = 1;
    v->ChooseMode(1);
    EXPECT_EQ(v.notices.texts, (std::vector<std::string>{Utf8Message(30)})) << level;
    EXPECT_EQ(v->State().mode, ViewerMode::Viewing) << level;
    EXPECT_EQ(v.view.modeButtonDown, 0) << level;
    v->HintsOn();
    EXPECT_EQ(v.notices.texts.back(), Utf8Message(30)) << level;
  }
  v->SetLevel("1");
  v->ChooseMode(1);
  EXPECT_EQ(v->State().mode, ViewerMode::GuessBlack);
}

TEST_F(Guess, ANewRecordEndsPendingReplies) {
  LoadGame(20);
  v->ChooseMode(1);
  ClickNext();
  ASSERT_TRUE(v->State().replying);
  LoadGame(10);
  EXPECT_FALSE(v->State().replying);
  EXPECT_FALSE(v.ReplyTimer().enabled);
  v->ChooseMode(0);
  EXPECT_EQ(v->State().mode, ViewerMode::Viewing);
}

}  // namespace
}  // namespace moyo::test
