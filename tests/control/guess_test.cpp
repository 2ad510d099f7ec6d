// The next-move quiz on the form: the replies and the wrong-guess notice on
// real message-loop timers, and the mode and hint buttons. The quiz's rules are
// tested on the session alone (tests/viewer).

#include <QLabel>

#include "kit/TFrameButton.h"
#include "tests/control/ModesFixture.h"

namespace moyo::test {
namespace {

constexpr auto kLeft = platform::MouseButton::Left;
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

  ModesForm f;
};

TEST_F(Guess, RepliesPlayOnTheMessageLoopAfterAPauseThatShowsTheGuessedStone) {
  LoadGame(9);
  GoTo(*f, 7);
  f->AnserBtnClick(2);
  const TMoveRecord guess = Next();
  int movesDuringPause = -1;
  std::uint8_t shownDuringPause = kEmpty;
  // Runs from the message loop while the pause lasts.
  QTimer::singleShot(0, [&] {
    movesDuringPause = f.Board().MoveCount();
    shownDuringPause = f->Painter().PointAt(guess.X, guess.Y);
  });
  f->boardClick(kLeft, 0, guess.X, guess.Y);
  AwaitReplies(*f);
  EXPECT_EQ(movesDuringPause, 8);
  EXPECT_EQ(shownDuringPause, kWhite);
  EXPECT_EQ(f.Board().MoveCount(), 9);
  FastTimer& pause = f.Timer(kReplyTimer);
  EXPECT_EQ(pause.Interval(), 1000);
  EXPECT_FALSE(pause.Enabled());
  EXPECT_EQ(f.LastNotice(), Utf8Message(1));
  EXPECT_TRUE(ScreenShowsBoard(*f));
}

TEST_F(Guess, AWrongGuessNoticeIsClosedByItsTimerWhileItIsOpen) {
  auto modal = std::make_unique<ModalNotifier>();
  ModalNotifier* notices = modal.get();
  ModesForm g(std::move(modal));
  FillRecord(*g, LegalGame(20, 11));
  g->ApplyRecord();
  g->AnserBtnClick(3);
  const TMoveRecord next = g.Board().MoveHistory()[2];
  g->boardClick(kLeft, 0, next.X == 1 ? 2 : 1, next.Y);
  ASSERT_EQ(notices->texts, (std::vector<std::string>{Utf8Message(3)}));
  EXPECT_EQ(notices->closedByCode, 1);
  EXPECT_EQ(notices->leftOpen, 0);
  EXPECT_FALSE(g->Timer1().Enabled());
}

TEST_F(Guess, ModeAndHintButtonsShowTheSessionsChoice) {
  LoadGame(30);
  f->SetLevel("2");
  f->Components().BBtn->click();
  EXPECT_EQ(f.LastNotice(), Utf8Message(30));
  EXPECT_TRUE(f->Components().giboBtn->IsDownInGroup()) << "a refused choice springs back";
  f->SetLevel("1");
  f->Components().BBtn->click();
  EXPECT_EQ(f->State().mode, ViewerMode::GuessBlack);
  EXPECT_TRUE(f->Components().BBtn->IsDownInGroup());
  EXPECT_EQ(f->Components().StatusL->text().toStdString(), Utf8Message(32));

  f->Components().HintBtn->click();
  EXPECT_TRUE(f->State().hintShown);
  EXPECT_TRUE(f->Components().HintBtn->isHidden());
  EXPECT_FALSE(f->Components().HintXBtn->isHidden());
  f->Components().HintXBtn->click();
  EXPECT_FALSE(f->State().hintShown);
  EXPECT_FALSE(f->Components().HintBtn->isHidden());
  EXPECT_TRUE(f->Components().HintXBtn->isHidden());
  EXPECT_TRUE(ScreenShowsBoard(*f));
}

}  // namespace
}  // namespace moyo::test
