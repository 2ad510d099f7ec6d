// Thousands of seeded random clicks, buttons and keys across every mode: the
// form never crashes, its board always equals a fresh replay of its own line,
// and the screen always shows the board's stones.

#include <QLineEdit>
#include <random>

#include "kit/TFrameButton.h"
#include "tests/control/ModesFixture.h"

namespace moyo::test {
namespace {

// Clicks a button the way a user can: only while it is shown.
void Press(kit::TFrameButton* button) {
  if (!button->isHidden()) button->click();
}

void RandomAction(ModesForm& f, std::mt19937& random) {
  TMoyoscope& form = *f;
  const auto pick = [&random](int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
  };
  switch (pick(16)) {
    case 0:
    case 1:
    case 2:
      form.boardClick(platform::MouseButton::Left, 0, pick(21), pick(21));
      break;
    case 3: {
      // The record's next move, so guesses are right often enough to matter.
      const TGoBoard& board = form.Board();
      const int next = std::min(board.MoveCount() + 1, 500);
      const TMoveRecord& move = board.MoveHistory()[static_cast<std::size_t>(next)];
      form.boardClick(platform::MouseButton::Left, 0, move.X, move.Y);
      break;
    }
    case 4:
      form.boardClick(pick(2) == 0 ? platform::MouseButton::Right : platform::MouseButton::Middle,
                      0, pick(21), pick(21));
      break;
    case 5:
    case 6:
      form.Components().navButtons[static_cast<std::size_t>(pick(6))]->click();
      break;
    case 7: {
      static const char* const kTexts[] = {"", "0", "-5", "abc", "1", "57", "250", "999", "12"};
      form.Components().moveEd->setText(QString::fromUtf8(kTexts[pick(9)]));
      form.moveEdKeyDown(pick(3) == 0 ? pick(200) : 13);
      break;
    }
    case 8:
      Press(pick(2) == 0 ? form.Components().testBtn : form.Components().testEndBtn);
      break;
    case 9:
      Press(pick(2) == 0 ? form.Components().numBtn : form.Components().numEndBtn);
      break;
    case 10:
    case 11: {
      kit::TFrameButton* modes[] = {form.Components().giboBtn, form.Components().BBtn,
                                    form.Components().WBtn, form.Components().BWBtn};
      Press(modes[pick(4)]);
      break;
    }
    case 12:
      Press(pick(2) == 0 ? form.Components().HintBtn : form.Components().HintXBtn);
      break;
    case 13:
      Press(pick(2) == 0 ? form.Components().autoBtn : form.Components().autoEndBtn);
      break;
    case 14:
      form.TimerTimer();
      break;
    default:
      form.Painter().ToggleFlip();
      break;
  }
}

void RunRandomSession(const char* sample, const char* level, std::uint32_t seed, int actions) {
  ModesForm f;
  f->SetLevel(level);
  LoadSample(*f, sample);
  std::mt19937 random(seed);
  bool trial = false, guessing = false, numbers = false;
  for (int i = 0; i < actions; ++i) {
    RandomAction(f, random);
    AwaitReplies(*f);
    ASSERT_TRUE(MatchesFreshReplay(f.Board())) << "after action " << i;
    ASSERT_TRUE(ScreenShowsBoard(*f)) << "after action " << i;
    ASSERT_LE(f->ModeStack().Depth(), 1);
    ASSERT_EQ(f->State().mode == ViewerMode::Trial, f->ModeStack().Depth() == 1);
    ASSERT_NE(f->Components().HintBtn->isHidden(), f->Components().HintXBtn->isHidden());
    trial |= f->State().mode == ViewerMode::Trial;
    guessing |= IsGuessing(f->State().mode);
    numbers |= !f->Components().numEndBtn->isHidden();
  }
  EXPECT_TRUE(trial && numbers);
  if (std::string(level) == "1") {
    EXPECT_TRUE(guessing);
  }
}

TEST(RandomInput, AFullMemberOnTheKoFightRecord) {
  RunRandomSession(kKoFightSample, "1", 1, 3000);
}

TEST(RandomInput, AFullMemberOnTheHandicapRecord) {
  RunRandomSession(kHandicapSample, "1", 2, 2000);
}

TEST(RandomInput, AMemberWithoutTheQuiz) {
  RunRandomSession(kKoFightSample, "2", 3, 1000);
}

}  // namespace
}  // namespace moyo::test
