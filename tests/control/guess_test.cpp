// The next-move quiz: choosing a side, judging guesses, the opponent's paused
// replies, the self-closing wrong-guess notice, hints and member levels.

#include <QLabel>
#include <algorithm>

#include "kit/TFrameButton.h"
#include "tests/control/ModesFixture.h"

namespace moyo::test {
namespace {

constexpr auto kLeft = platform::MouseButton::Left;
constexpr int kHintMark = 691;
constexpr std::size_t kReplyTimer = 2;

class Guess : public ::testing::Test {
 protected:
  void LoadGame(int moves) {
    FillRecord(*f, LegalGame(moves, 11));
    f->ApplyRecord();
    ASSERT_EQ(f.Board().LastMove(), moves);
  }
  const TMoveRecord& Next() {
    return f.Board().MoveHistory()[static_cast<std::size_t>(f.Board().MoveCount() + 1)];
  }
  void GuessRight() {
    const TMoveRecord next = Next();
    f->boardClick(kLeft, 0, next.X, next.Y);
    AwaitReplies(*f);
  }
  std::vector<std::pair<int, int>> HintPoints() {
    std::vector<std::pair<int, int>> points;
    for (int y = 1; y <= 19; ++y) {
      for (int x = 1; x <= 19; ++x) {
        if (f->Painter().MarkAt(x, y) == kHintMark) points.emplace_back(x, y);
      }
    }
    std::sort(points.begin(), points.end());
    return points;
  }
  std::string Status() { return f->Components().StatusL->text().toStdString(); }

  ModesForm f;
};

TEST_F(Guess, ChoosingASideAdvancesToItsTurnOnly) {
  LoadGame(20);
  ASSERT_EQ(f.Board().ToMove(), kWhite);  // move 1 is shown
  f->AnserBtnClick(1);
  EXPECT_EQ(f->State().mode, ViewerMode::GuessBlack);
  EXPECT_EQ(f.Board().MoveCount(), 2);
  EXPECT_EQ(Status(), Utf8Message(32));
  f->AnserBtnClick(1);  // Black already to move: nothing more
  EXPECT_EQ(f.Board().MoveCount(), 2);
  f->AnserBtnClick(2);
  EXPECT_EQ(f.Board().MoveCount(), 3);
  EXPECT_EQ(Status(), Utf8Message(33));
  f->AnserBtnClick(3);
  EXPECT_EQ(f.Board().MoveCount(), 3);
  EXPECT_EQ(Status(), Utf8Message(34));
  f->AnserBtnClick(0);
  EXPECT_EQ(f->State().mode, ViewerMode::Viewing);
  EXPECT_EQ(Status(), Utf8Message(31));
}

TEST_F(Guess, ARightGuessForWhiteIsAnsweredByBlackAfterAPauseUpToTheEnd) {
  LoadGame(9);
  GoTo(*f, 7);
  f->AnserBtnClick(2);
  ASSERT_EQ(f.Board().MoveCount(), 7);
  GuessRight();
  EXPECT_EQ(f.Board().MoveCount(), 9);
  FastTimer& pause = f.Timer(kReplyTimer);
  EXPECT_EQ(pause.Interval(), 1000);
  EXPECT_EQ(pause.starts, 1);
  EXPECT_FALSE(pause.Enabled());
  EXPECT_EQ(f.LastNotice(), Utf8Message(1));
  // Both stones were heard, the guess and the reply.
  EXPECT_EQ(f.sound->plays, 2);
  EXPECT_TRUE(ScreenShowsBoard(*f));
}

TEST_F(Guess, ThePauseBeforeAReplyShowsTheGuessedStoneAlreadyOnTheScreen) {
  LoadGame(20);
  f->AnserBtnClick(1);
  const TMoveRecord guess = Next();
  int movesDuringPause = -1;
  std::uint8_t shownDuringPause = kEmpty;
  // Runs from inside the pause, which keeps the message loop going.
  QTimer::singleShot(0, [&] {
    movesDuringPause = f.Board().MoveCount();
    shownDuringPause = f->Painter().PointAt(guess.X, guess.Y);
  });
  GuessRight();
  EXPECT_EQ(movesDuringPause, 3);
  EXPECT_EQ(shownDuringPause, kBlack);
  EXPECT_EQ(f.Board().MoveCount(), 4);
}

TEST_F(Guess, GuessingBothSidesPlaysNoReplies) {
  LoadGame(20);
  f->AnserBtnClick(3);
  GuessRight();
  GuessRight();
  EXPECT_EQ(f.Board().MoveCount(), 3);
  EXPECT_EQ(f.timers.size(), kReplyTimer) << "no pause was needed";
  EXPECT_TRUE(f.notices->texts.empty());
}

TEST_F(Guess, AWrongGuessChangesNothingAndItsNoticeClosesItselfAfter600ms) {
  auto modal = std::make_unique<ModalNotifier>();
  ModalNotifier* notices = modal.get();
  ModesForm g(std::move(modal));
  FillRecord(*g, LegalGame(20, 11));
  g->ApplyRecord();
  g->AnserBtnClick(3);
  const TBoardState before = StateOf(g.Board());
  const TMoveRecord next = g.Board().MoveHistory()[2];
  g->boardClick(kLeft, 0, next.X == 1 ? 2 : 1, next.Y);
  ASSERT_EQ(notices->texts.size(), 1u);
  EXPECT_EQ(notices->texts[0], Utf8Message(3));
  EXPECT_EQ(notices->closedByCode, 1);
  EXPECT_EQ(notices->leftOpen, 0);
  EXPECT_EQ(g->Timer1().Interval(), 600);
  EXPECT_FALSE(g->Timer1().Enabled());
  EXPECT_EQ(StateOf(g.Board()), before);
}

TEST_F(Guess, AWrongGuessNoticeClosedEarlyLeavesNoTimerToCloseTheNextNotice) {
  LoadGame(20);
  f->AnserBtnClick(3);
  f->boardClick(kLeft, 0, 20, 20);  // the margin is never the answer
  EXPECT_EQ(f.LastNotice(), Utf8Message(3));
  EXPECT_FALSE(f->Timer1().Enabled());
}

TEST_F(Guess, APassIsNeverGuessedNotEvenByAPressInTheTurnedMargin) {
  LoadSample(*f, kKoFightSample);
  const int last = f.Board().LastMove();
  ASSERT_EQ(f.Board().MoveHistory()[static_cast<std::size_t>(last)].X, 0);
  GoTo(*f, last - 1);
  f->AnserBtnClick(3);
  f->Painter().ToggleFlip();
  f->boardClick(kLeft, 0, 0, 0);
  EXPECT_EQ(f.Board().MoveCount(), last - 1);
  EXPECT_EQ(f.LastNotice(), Utf8Message(3));
}

TEST_F(Guess, AtTheEndGuessesAndHintsGetTheLastMoveNotice) {
  LoadGame(6);
  GoTo(*f, 6);
  f->AnserBtnClick(3);
  f->boardClick(kLeft, 0, 3, 3);
  EXPECT_EQ(f.LastNotice(), Utf8Message(1));
  f.notices->texts.clear();
  f->HintBtnClick();
  EXPECT_EQ(f.LastNotice(), Utf8Message(1));
  EXPECT_FALSE(f->State().hintShown);
}

TEST_F(Guess, HintsMarkTheNextStonesAndFollowRightGuesses) {
  LoadGame(30);
  f->AnserBtnClick(1);
  f->HintBtnClick();
  EXPECT_TRUE(f->State().hintShown);
  EXPECT_FALSE(f->Components().HintXBtn->isHidden());
  EXPECT_TRUE(f->Components().HintBtn->isHidden());
  std::vector<std::pair<int, int>> expected;
  for (int i = 3; i <= 6; ++i) {
    const TMoveRecord& move = f.Board().MoveHistory()[static_cast<std::size_t>(i)];
    expected.emplace_back(move.X, move.Y);
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(HintPoints(), expected);

  GuessRight();  // move 3 by Black, then White's reply
  EXPECT_EQ(f.Board().MoveCount(), 4);
  EXPECT_TRUE(f->State().hintShown);
  expected.clear();
  for (int i = 5; i <= 8; ++i) {
    const TMoveRecord& move = f.Board().MoveHistory()[static_cast<std::size_t>(i)];
    expected.emplace_back(move.X, move.Y);
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(HintPoints(), expected);

  // Switching sides keeps the hints; the viewing button takes them off.
  f->AnserBtnClick(3);
  EXPECT_EQ(HintPoints().size(), 4u);
  f->AnserBtnClick(0);
  EXPECT_TRUE(HintPoints().empty());
  EXPECT_FALSE(f->State().hintShown);
  EXPECT_FALSE(f->Components().HintBtn->isHidden());
  EXPECT_TRUE(ScreenShowsBoard(*f));
}

TEST_F(Guess, HintsNearTheEndMarkOnlyTheMovesLeft) {
  LoadGame(12);
  GoTo(*f, 10);
  f->AnserBtnClick(3);
  f->HintBtnClick();
  EXPECT_EQ(HintPoints().size(), 2u);
}

TEST_F(Guess, NumbersWipeTheHintMarksAndTheStopButtonThenClearsTheirPoints) {
  LoadGame(30);
  f->AnserBtnClick(3);
  f->HintBtnClick();
  ASSERT_EQ(HintPoints().size(), 4u);
  f->numBtnClick();
  EXPECT_TRUE(HintPoints().empty());
  EXPECT_FALSE(f->Components().HintXBtn->isHidden());
  f->HintXBtnClick();
  EXPECT_FALSE(f->State().hintShown);
  EXPECT_TRUE(ScreenShowsBoard(*f));
}

TEST_F(Guess, HintsOutsideTheQuizOnlySayWhereTheyWork) {
  LoadGame(30);
  const QImage screen = f.Image().copy();
  f->HintBtnClick();
  EXPECT_FALSE(f.LastNotice().empty());
  EXPECT_FALSE(f->State().hintShown);
  EXPECT_FALSE(f->Components().HintBtn->isHidden());
  EXPECT_EQ(f.Image(), screen);
}

TEST_F(Guess, ChoosingASideStopsPlayAndEndsATrialFirst) {
  LoadGame(30);
  f->autoBtnClick();
  f->AnserBtnClick(1);
  EXPECT_FALSE(f->Components().autoBtn->isHidden());
  EXPECT_FALSE(f->Timer().Enabled());

  f->AnserBtnClick(0);
  GoTo(*f, 9);
  const TBoardState entered = StateOf(f.Board());
  f->testBtnClick();
  for (int y = 1; y <= 19 && f.Board().MoveCount() < 13; ++y) {
    if (f.Board().IsLegal(1, y)) f->boardClick(kLeft, 0, 1, y);
  }
  f->AnserBtnClick(2);
  EXPECT_EQ(f->State().mode, ViewerMode::GuessWhite);
  EXPECT_TRUE(f->Components().testEndBtn->isHidden());
  EXPECT_EQ(f.Board().LastMove(), entered.lastMove);
  // Move 9 was Black's, so White is already to move.
  EXPECT_EQ(StateOf(f.Board()), entered);
}

TEST_F(Guess, MembersWithoutTheQuizAreRefusedAndStayViewing) {
  LoadGame(20);
  for (const char* level : {"0", "2", "10", "100"}) {
    f->SetLevel(level);
    f.notices->texts.clear();
    f->Components().BBtn->click();
    EXPECT_EQ(f.LastNotice(), Utf8Message(30)) << level;
    EXPECT_EQ(f->State().mode, ViewerMode::Viewing) << level;
    EXPECT_TRUE(f->Components().giboBtn->IsDownInGroup()) << level;
    f->HintBtnClick();
    EXPECT_EQ(f.LastNotice(), Utf8Message(30)) << level;
  }
  f->SetLevel("1");
  f->Components().BBtn->click();
  EXPECT_EQ(f->State().mode, ViewerMode::GuessBlack);
}

}  // namespace
}  // namespace moyo::test
