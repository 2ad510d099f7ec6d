// Trial moves on the position shown and the return to it, and move numbers on
// and off in every mode.

#include <QImage>
#include <random>

#include "kit/TFrameButton.h"
#include "kit/TLinkMemo.h"
#include "tests/control/ModesFixture.h"
#include "viewer/TModeStack.h"

namespace moyo::test {
namespace {

constexpr auto kLeft = platform::MouseButton::Left;
constexpr auto kRight = platform::MouseButton::Right;

class Trial : public ::testing::Test {
 protected:
  void SetUp() override { LoadSample(*f, kKoFightSample); }

  // The first empty legal points for the side to move, in reading order.
  std::vector<std::pair<int, int>> LegalPoints(int count) {
    std::vector<std::pair<int, int>> points;
    for (int y = 1; y <= 19 && static_cast<int>(points.size()) < count; ++y) {
      for (int x = 1; x <= 19 && static_cast<int>(points.size()) < count; ++x) {
        if (f.Board().IsLegal(x, y)) points.emplace_back(x, y);
      }
    }
    return points;
  }
  // Plays one trial stone on the first legal point; returns it.
  std::pair<int, int> PlayTrialStone() {
    const auto point = LegalPoints(1).at(0);
    f->boardClick(kLeft, 0, point.first, point.second);
    return point;
  }
  std::pair<int, int> CurrentPoint() {
    int x = 0, y = 0;
    std::uint8_t colour = 0;
    f.Board().GetCurrentMove(x, y, colour);
    return {x, y};
  }

  ModesForm f;
};

TEST_F(Trial, LeavingReturnsToTheEnteredMoveWithItsMarkAndTheWholeRecord) {
  GoTo(*f, 57);
  const TBoardState before = StateOf(f.Board());
  const QImage screen = f.Image().copy();
  const TMoveRecord move58 = f.Board().MoveHistory()[58];

  f->testBtnClick();
  EXPECT_EQ(f->State().mode, ViewerMode::Trial);
  EXPECT_FALSE(f->Components().testEndBtn->isHidden());
  EXPECT_TRUE(f->Components().testBtn->isHidden());
  EXPECT_EQ(f->Components().panP->Colour(), QColor(64, 128, 128));
  EXPECT_EQ(f->ModeStack().Depth(), 1);
  // The rest of the record is out of reach while the trial lasts.
  EXPECT_EQ(f.Board().LastMove(), 57);
  EXPECT_NE(f.Image(), screen) << "the trial edge and frame show";

  std::vector<std::pair<int, int>> stones;
  for (int i = 0; i < 3; ++i) stones.push_back(PlayTrialStone());
  EXPECT_EQ(f.Board().MoveCount(), 60);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(f->Painter().MarkAt(stones[i].first, stones[i].second), i + 1);
  }
  EXPECT_TRUE(f.notices->texts.empty()) << "trial moves show no notice";

  f->testEndBtnClick();
  EXPECT_EQ(f->State().mode, ViewerMode::Viewing);
  EXPECT_EQ(f->ModeStack().Depth(), 0);
  EXPECT_EQ(StateOf(f.Board()), before);
  EXPECT_EQ(f.Image(), screen);
  EXPECT_EQ(f->Painter().MarkAt(CurrentPoint().first, CurrentPoint().second), kLastMoveMark);
  EXPECT_FALSE(f->Components().testBtn->isHidden());
  EXPECT_NE(f->Components().panP->Colour(), QColor(64, 128, 128));

  f->navButtonClick(3);
  EXPECT_EQ(f.Board().MoveCount(), 58);
  EXPECT_EQ(CurrentPoint(), std::make_pair(move58.X, move58.Y));
}

TEST_F(Trial, PlayingBeforeTheTrialsStartRenumbersFromThereAndStillReturns) {
  GoTo(*f, 57);
  const TBoardState before = StateOf(f.Board());
  f->testBtnClick();
  for (int i = 0; i < 7; ++i) f->navButtonClick(2);
  ASSERT_EQ(f.Board().MoveCount(), 50);
  const auto stone = PlayTrialStone();
  EXPECT_EQ(f.Board().FirstMove(), 50);
  EXPECT_EQ(f->Painter().MarkAt(stone.first, stone.second), 1);
  EXPECT_EQ(f.Board().LastMove(), 51);

  f->testEndBtnClick();
  EXPECT_EQ(StateOf(f.Board()), before);
  EXPECT_TRUE(ScreenShowsBoard(*f));
}

TEST_F(Trial, RefusedStonesPlaceNothingButCutTheStepsTakenBack) {
  GoTo(*f, 30);
  f->testBtnClick();
  const auto [ox, oy] = CurrentPoint();
  const TPointGrid points = f.Board().Points();
  f->boardClick(kLeft, 0, ox, oy);  // occupied
  EXPECT_EQ(f.Board().Points(), points);
  EXPECT_EQ(f.Board().MoveCount(), 30);

  PlayTrialStone();
  PlayTrialStone();
  f->boardClick(kRight, 0, 1, 1);  // any other button takes one back
  EXPECT_EQ(f.Board().MoveCount(), 31);
  EXPECT_EQ(f.Board().LastMove(), 32);
  f->boardClick(kLeft, 0, ox, oy);  // refused, and move 32 is dropped
  EXPECT_EQ(f.Board().LastMove(), 31);
  f->navButtonClick(3);
  EXPECT_EQ(f.Board().MoveCount(), 31);
  EXPECT_TRUE(f.notices->texts.empty());
}

TEST_F(Trial, NumbersGoOffOnEnteringCountFromTheTrialAndStayOffAfter) {
  GoTo(*f, 40);
  f->numBtnClick();
  ASSERT_FALSE(f->Components().numEndBtn->isHidden());
  f->testBtnClick();
  EXPECT_TRUE(f->Components().numEndBtn->isHidden());
  EXPECT_FALSE(f->Components().numBtn->isHidden());
  // Only the entered move keeps a mark: the trial's start.
  const auto [cx, cy] = CurrentPoint();
  EXPECT_EQ(f->Painter().MarkAt(cx, cy), kLastMoveMark);
  const auto a = PlayTrialStone();
  const auto b = PlayTrialStone();
  EXPECT_EQ(f->Painter().MarkAt(a.first, a.second), 1);
  EXPECT_EQ(f->Painter().MarkAt(b.first, b.second), 2);

  // Numbers switched on inside the trial count from the record's first move.
  f->numBtnClick();
  EXPECT_EQ(f->Painter().MarkAt(b.first, b.second), 42);
  f->testEndBtnClick();
  EXPECT_TRUE(f->Components().numEndBtn->isHidden());
  int marked = 0;
  for (int y = 1; y <= 19; ++y) {
    for (int x = 1; x <= 19; ++x) marked += f->Painter().MarkAt(x, y) != 0;
  }
  EXPECT_EQ(marked, 1);
  EXPECT_EQ(f->Painter().MarkAt(cx, cy), kLastMoveMark);
  EXPECT_TRUE(ScreenShowsBoard(*f));
}

TEST_F(Trial, CommentaryStaysWithTheMoveWhereTheTrialLineLeavesTheRecord) {
  const TGameRecord& record = f->Record();
  int move = 0;
  std::string text;
  for (int i = 0; i < record.commentCount; ++i) {
    const TCommentEntry& entry = record.comments[static_cast<std::size_t>(i)];
    if (entry.kind == kCommentText && entry.moveNo > 5) {
      move = entry.moveNo;
      text = entry.text;
      break;
    }
  }
  ASSERT_GT(move, 0);
  GoTo(*f, move);
  f->testBtnClick();
  f->navButtonClick(2);
  f->navButtonClick(2);
  f->navButtonClick(3);
  // Stepping back over record moves does not move where the trial line leaves it.
  EXPECT_NE(f->Components().commentM->Text().find(text), std::string::npos);
  f->numBtnClick();  // numbering from move 1 must not move the commentary
  f->navButtonClick(2);
  EXPECT_NE(f->Components().commentM->Text().find(text), std::string::npos);
}

TEST_F(Trial, IsRefusedWhileGuessingAndStopsAutomaticPlay) {
  GoTo(*f, 20);
  f->AnserBtnClick(3);
  const TBoardState guessing = StateOf(f.Board());
  f->testBtnClick();
  EXPECT_EQ(f.LastNotice(), TwoMessages(4, 5));
  EXPECT_EQ(f->State().mode, ViewerMode::GuessBoth);
  EXPECT_EQ(StateOf(f.Board()), guessing);
  EXPECT_EQ(f->ModeStack().Depth(), 0);

  f->AnserBtnClick(0);
  f->autoBtnClick();
  f->testBtnClick();
  EXPECT_FALSE(f->Components().autoBtn->isHidden());
  EXPECT_FALSE(f->Timer().Enabled());
  EXPECT_EQ(f->State().mode, ViewerMode::Trial);
}

TEST_F(Trial, ANewRecordEndsTheTrialWithoutBringingTheOldPositionBack) {
  GoTo(*f, 150);
  f->testBtnClick();
  PlayTrialStone();
  LoadSample(*f, kHandicapSample);
  EXPECT_EQ(f->State().mode, ViewerMode::Viewing);
  EXPECT_EQ(f->ModeStack().Depth(), 0);
  EXPECT_FALSE(f->Components().testBtn->isHidden());
  EXPECT_TRUE(f->Components().testEndBtn->isHidden());
  EXPECT_NE(f->Components().panP->Colour(), QColor(64, 128, 128));
  // The new record's stones carry no trial numbers.
  f->navButtonClick(3);
  const auto [cx, cy] = CurrentPoint();
  EXPECT_EQ(f->Painter().MarkAt(cx, cy), kLastMoveMark);
  EXPECT_EQ(f.Board().MoveCount(), 2);
  EXPECT_TRUE(MatchesFreshReplay(f.Board()));
  EXPECT_TRUE(ScreenShowsBoard(*f));
}

TEST(ModeStack, RefusesAPushBeyondItsCapacityAndKeepsItsTop) {
  TModeStack stack;
  auto position = std::make_unique<TBoardSnapshot>();
  for (int i = 0; i < TModeStack::kCapacity; ++i) {
    position->MoveCount = i;
    EXPECT_TRUE(stack.Push(ViewerMode::Viewing, i, *position));
  }
  position->MoveCount = 99;
  EXPECT_FALSE(stack.Push(ViewerMode::GuessBoth, 99, *position));
  EXPECT_EQ(stack.Depth(), TModeStack::kCapacity);
  EXPECT_EQ(stack.Top()->savedPosition.MoveCount, TModeStack::kCapacity - 1);
  while (stack.Pop()) {
  }
  EXPECT_EQ(stack.Top(), nullptr);
  EXPECT_FALSE(stack.Pop());
}

class Numbers : public Trial {};

TEST_F(Numbers, AtTheStartTheComingStonesCarryTheirNumbers) {
  GoTo(*f, 1);
  f->navButtonClick(2);
  ASSERT_EQ(f.Board().MoveCount(), 0);
  f->numBtnClick();
  for (int i = 0; i < 3; ++i) f->navButtonClick(3);
  for (int i = 1; i <= 3; ++i) {
    const TMoveRecord& move = f.Board().MoveHistory()[static_cast<std::size_t>(i)];
    EXPECT_EQ(f->Painter().MarkAt(move.X, move.Y), i);
  }
}

TEST_F(Numbers, ShowTheLatestMoveOnEveryStoneLeftAndNothingOnEmptyPoints) {
  GoTo(*f, 120);
  ASSERT_GT(f.Board().BlackCaptures() + f.Board().WhiteCaptures(), 0);
  f->numBtnClick();
  TNumberGrid expected{};
  for (int i = 1; i <= 120; ++i) {
    const TMoveRecord& move = f.Board().MoveHistory()[static_cast<std::size_t>(i)];
    if (move.X > 0 && f.Board().Point(move.X, move.Y) != kEmpty) {
      expected[move.Y - 1][move.X - 1] = i;
    }
  }
  for (int y = 1; y <= 19; ++y) {
    for (int x = 1; x <= 19; ++x) {
      EXPECT_EQ(f->Painter().MarkAt(x, y), expected[y - 1][x - 1]) << x << "," << y;
    }
  }
  // Stones that come back on a take-back get their numbers again.
  f->navButtonClick(2);
  f->navButtonClick(3);
  EXPECT_TRUE(ScreenShowsBoard(*f));
}

TEST_F(Numbers, OffLeavesOnlyTheMarkOnTheCurrentStoneInItsOwnColour) {
  GoTo(*f, 10);
  f->numBtnClick();
  // Step back without captures: the newest painted stone is now move 10's,
  // not the current move's.
  f->navButtonClick(2);
  f->numEndBtnClick();
  const auto [cx, cy] = CurrentPoint();
  EXPECT_EQ(f->Painter().MarkAt(cx, cy), kLastMoveMark);
  EXPECT_TRUE(ScreenShowsBoard(*f));
  int marked = 0;
  for (int y = 1; y <= 19; ++y) {
    for (int x = 1; x <= 19; ++x) marked += f->Painter().MarkAt(x, y) != 0;
  }
  EXPECT_EQ(marked, 1);
}

// From many positions of the record: a trial of random stones (legal or not),
// take-backs, steps and numbers on or off, then leaving, gives back the same board and screen.
TEST_F(Trial, RandomTrialsAlwaysReturnToTheSameBoardAndScreen) {
  std::mt19937 random(20261208);
  const int last = f.Board().LastMove();
  int refused = 0, played = 0, backs = 0;
  for (int round = 0; round < 40; ++round) {
    GoTo(*f, 1 + static_cast<int>(random() % static_cast<unsigned>(last)));
    const TBoardState before = StateOf(f.Board());
    const QImage screen = f.Image().copy();
    f->testBtnClick();
    const int steps = 1 + static_cast<int>(random() % 40);
    for (int s = 0; s < steps; ++s) {
      const unsigned action = random() % 10;
      if (action < 6) {
        const int x = static_cast<int>(random() % 21);
        const int y = static_cast<int>(random() % 21);
        const bool legal = f.Board().IsLegal(x, y);
        f->boardClick(kLeft, 0, x, y);
        (legal ? played : refused)++;
      } else if (action < 8) {
        f->boardClick(kRight, 0, 5, 5);
        ++backs;
      } else if (action < 9) {
        f->navButtonClick(static_cast<int>(random() % 6));
      } else {
        f->Components().numBtn->isHidden() ? f->numEndBtnClick() : f->numBtnClick();
      }
    }
    f->testEndBtnClick();
    ASSERT_EQ(StateOf(f.Board()), before) << "round " << round;
    ASSERT_EQ(f.Image(), screen) << "round " << round;
  }
  EXPECT_GT(played, 100);
  EXPECT_GT(refused, 20);
  EXPECT_GT(backs, 50);
}

}  // namespace
}  // namespace moyo::test
