// Trial moves on the position shown and the return to it, and move numbers on
// and off, against the session alone.

#include <random>

#include "tests/viewer/SessionFixture.h"

namespace moyo::test {
namespace {

constexpr auto kLeft = platform::MouseButton::Left;
constexpr auto kRight = platform::MouseButton::Right;

class Trial : public ::testing::Test {
 protected:
  void SetUp() override { Load(v, LegalGame(120, 3)); }

  // Plays one trial stone on the first legal point in reading order; returns it.
  std::pair<int, int> PlayTrialStone() {
    for (int y = 1; y <= 19; ++y) {
      for (int x = 1; x <= 19; ++x) {
        if (v.Board().IsLegal(x, y)) {
          v->BoardClick(kLeft, x, y);
          return {x, y};
        }
      }
    }
    ADD_FAILURE() << "no legal point";
    return {0, 0};
  }
  std::pair<int, int> CurrentPoint() {
    int x = 0, y = 0;
    std::uint8_t colour = 0;
    v.Board().GetCurrentMove(x, y, colour);
    return {x, y};
  }
  int Mark(std::pair<int, int> point) { return v->Painter().MarkAt(point.first, point.second); }
  int MarkedPoints() {
    int marked = 0;
    for (int y = 1; y <= 19; ++y) {
      for (int x = 1; x <= 19; ++x) marked += v->Painter().MarkAt(x, y) != 0;
    }
    return marked;
  }

  Viewer v;
};

TEST_F(Trial, LeavingReturnsToTheEnteredPositionMarkAndRecord) {
  v->Jump("57");
  const std::string position = DiagramOf(v.Board());
  const TMoveRecord move58 = v.Board().MoveHistory()[58];

  v->EnterTrial();
  EXPECT_EQ(v->State().mode, ViewerMode::Trial);
  EXPECT_TRUE(v.view.StopFace(TFacePair::Trial));
  EXPECT_TRUE(v.view.trialFrame);
  EXPECT_EQ(v->ModeStack().Depth(), 1);
  EXPECT_EQ(v.Board().LastMove(), 57) << "the rest of the record is out of reach";

  std::vector<std::pair<int, int>> stones;
  for (int i = 0; i < 3; ++i) {
    stones.push_back(PlayTrialStone());
    EXPECT_EQ(Mark(stones.back()), i + 1);
  }
  EXPECT_EQ(v.Move(), 60);
  EXPECT_NE(v.Screen(), position);
  EXPECT_TRUE(v.notices.texts.empty());

  v->LeaveTrial();
  EXPECT_EQ(v->State().mode, ViewerMode::Viewing);
  EXPECT_EQ(v->ModeStack().Depth(), 0);
  EXPECT_FALSE(v.view.StopFace(TFacePair::Trial));
  EXPECT_FALSE(v.view.trialFrame);
  EXPECT_EQ(v.Move(), 57);
  EXPECT_EQ(DiagramOf(v.Board()), position);
  EXPECT_EQ(v.Screen(), position);
  EXPECT_EQ(Mark(CurrentPoint()), kLastMoveMark);
  EXPECT_EQ(MarkedPoints(), 1);
  v->Navigate(3);
  EXPECT_EQ(CurrentPoint(), std::make_pair(int(move58.X), int(move58.Y)));
  EXPECT_EQ(v.Board().LastMove(), 120);
}

TEST_F(Trial, PlayingBeforeTheTrialsStartRenumbersFromThereAndStillReturns) {
  v->Jump("57");
  const std::string position = DiagramOf(v.Board());
  v->EnterTrial();
  for (int i = 0; i < 7; ++i) v->Navigate(2);
  const auto stone = PlayTrialStone();
  EXPECT_EQ(v.Board().FirstMove(), 50);
  EXPECT_EQ(Mark(stone), 1);
  EXPECT_EQ(v.Board().LastMove(), 51);
  v->LeaveTrial();
  EXPECT_EQ(v.Move(), 57);
  EXPECT_EQ(v.Screen(), position);
  EXPECT_EQ(v.Board().LastMove(), 120);
}

TEST_F(Trial, RefusedStonesPlaceNothingButCutTheStepsTakenBack) {
  v->Jump("30");
  v->EnterTrial();
  const auto occupied = CurrentPoint();
  const std::string position = DiagramOf(v.Board());
  v->BoardClick(kLeft, occupied.first, occupied.second);
  EXPECT_EQ(DiagramOf(v.Board()), position);
  PlayTrialStone();
  PlayTrialStone();
  v->BoardClick(kRight, 1, 1);  // any other button takes one back
  EXPECT_EQ(v.Move(), 31);
  EXPECT_EQ(v.Board().LastMove(), 32);
  v->BoardClick(kLeft, occupied.first, occupied.second);  // refused; move 32 is dropped
  EXPECT_EQ(v.Board().LastMove(), 31);
  EXPECT_TRUE(v.notices.texts.empty());
}

TEST_F(Trial, NumbersGoOffOnEnteringCountFromTheTrialAndStayOffAfter) {
  v->Jump("40");
  v->NumbersOn();
  EXPECT_TRUE(v->State().numbersShown);
  EXPECT_TRUE(v.view.StopFace(TFacePair::Numbers));
  v->EnterTrial();
  EXPECT_FALSE(v->State().numbersShown);
  EXPECT_FALSE(v.view.StopFace(TFacePair::Numbers));
  const auto start = CurrentPoint();
  EXPECT_EQ(Mark(start), kLastMoveMark);
  const auto a = PlayTrialStone();
  const auto b = PlayTrialStone();
  EXPECT_EQ(Mark(a), 1);
  EXPECT_EQ(Mark(b), 2);
  // Numbers switched on inside the trial count from the record's first move.
  v->NumbersOn();
  EXPECT_EQ(Mark(b), 42);
  v->LeaveTrial();
  EXPECT_FALSE(v->State().numbersShown);
  EXPECT_EQ(MarkedPoints(), 1);
  EXPECT_EQ(Mark(start), kLastMoveMark);
}

TEST_F(Trial, IsRefusedWhileGuessingAndStopsAutomaticPlay) {
  v->Jump("20");
  v->ChooseMode(3);
  v->EnterTrial();
  EXPECT_EQ(v.notices.texts.back(), TwoMessages(4, 5));
  EXPECT_EQ(v->State().mode, ViewerMode::GuessBoth);
  EXPECT_EQ(v->ModeStack().Depth(), 0);

  v->ChooseMode(0);
  v->StartAutoPlay(1);
  v->EnterTrial();
  EXPECT_FALSE(v->State().autoStopShown);
  EXPECT_FALSE(v.PlayTimer().enabled);
  EXPECT_EQ(v->State().mode, ViewerMode::Trial);
}

TEST_F(Trial, ANewRecordEndsTheTrialWithoutBringingTheOldPositionBack) {
  v->Jump("100");
  v->EnterTrial();
  PlayTrialStone();
  Load(v, LegalGame(30, 5));
  EXPECT_EQ(v->State().mode, ViewerMode::Viewing);
  EXPECT_EQ(v->ModeStack().Depth(), 0);
  EXPECT_FALSE(v.view.StopFace(TFacePair::Trial));
  EXPECT_FALSE(v.view.trialFrame);
  v->Navigate(3);
  EXPECT_EQ(Mark(CurrentPoint()), kLastMoveMark);
  EXPECT_EQ(v.Screen(), DiagramOf(v.Board()));
}

class Numbers : public Trial {};

TEST_F(Numbers, AtTheStartTheComingStonesCarryTheirNumbers) {
  v->Navigate(0);
  v->NumbersOn();
  EXPECT_EQ(MarkedPoints(), 0);
  v->Navigate(3);
  v->Navigate(3);
  EXPECT_EQ(Mark(CurrentPoint()), 2);
}

TEST_F(Numbers, ShowTheLatestMoveOnEveryStoneLeftAndOffLeavesTheLastMark) {
  Load(v, LegalGame(300));
  v->Jump("250");
  ASSERT_GT(v.Board().BlackCaptures() + v.Board().WhiteCaptures(), 0);
  v->NumbersOn();
  TNumberGrid numbers{};
  for (int i = 1; i <= 250; ++i) {
    const TMoveRecord& move = v.Board().MoveHistory()[static_cast<std::size_t>(i)];
    if (move.X > 0) numbers[move.Y - 1][move.X - 1] = i;
  }
  for (int y = 1; y <= 19; ++y) {
    for (int x = 1; x <= 19; ++x) {
      const int expected = v.Board().Point(x, y) == kEmpty ? 0 : numbers[y - 1][x - 1];
      EXPECT_EQ(v->Painter().MarkAt(x, y), expected) << x << "," << y;
    }
  }
  // Off after a step back without captures: the newest numbered stone is not
  // the current move's, yet only the current move keeps its mark.
  v->Navigate(2);
  v->NumbersOff();
  EXPECT_EQ(MarkedPoints(), 1);
  EXPECT_EQ(Mark(CurrentPoint()), kLastMoveMark);
  EXPECT_EQ(v.Screen(), DiagramOf(v.Board()));
}

// From many positions of the record: a trial of random stones (legal or not),
// take-backs, steps and numbers on or off, then leaving, gives back the same
// board, line and picture.
TEST_F(Trial, RandomTrialsAlwaysReturnToTheSameBoardAndPicture) {
  Load(v, LegalGame(300));
  struct Shown {
    std::string board, screen;
    int move, last, blackCaptures, whiteCaptures, marked;
    bool operator==(const Shown&) const = default;
  };
  const auto shown = [&] {
    return Shown{DiagramOf(v.Board()),
                 v.Screen(),
                 v.Move(),
                 v.Board().LastMove(),
                 v.Board().BlackCaptures(),
                 v.Board().WhiteCaptures(),
                 MarkedPoints()};
  };
  std::mt19937 random(20261208);
  const auto pick = [&random](int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
  };
  int refused = 0, played = 0, backs = 0;
  for (int round = 0; round < 40; ++round) {
    v->Jump(std::to_string(1 + pick(300)));
    const Shown before = shown();
    v->EnterTrial();
    const int steps = 1 + pick(40);
    for (int s = 0; s < steps; ++s) {
      const int action = pick(10);
      if (action < 6) {
        const int x = pick(21), y = pick(21);
        const bool legal = v.Board().IsLegal(x, y);
        v->BoardClick(kLeft, x, y);
        (legal ? played : refused)++;
      } else if (action < 8) {
        v->BoardClick(kRight, 5, 5);
        ++backs;
      } else if (action < 9) {
        v->Navigate(pick(6));
      } else {
        v->State().numbersShown ? v->NumbersOff() : v->NumbersOn();
      }
    }
    v->LeaveTrial();
    ASSERT_EQ(shown(), before) << "round " << round;
  }
  EXPECT_GT(played, 100);
  EXPECT_GT(refused, 20);
  EXPECT_GT(backs, 50);
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

TEST(TrialPosition, ACaptureInTheTrialIsUndoneOnLeaving) {
  // A white stone in atari at the top edge; the trial captures it.
  Viewer v;
  v->Record().Clear();
  for (const TRecordMove& move :
       std::vector<TRecordMove>{{1, 2, kRecordBlack}, {1, 1, kRecordWhite}, {3, 3, kRecordBlack}}) {
    v->Record().AddMove(move);
  }
  v->ApplyRecord();
  v->Navigate(5);
  const std::string before = Normalised(R"(
    O..................
    X..................
    ..X................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................)");
  ASSERT_EQ(DiagramOf(v.Board()), before);
  v->EnterTrial();
  v->BoardClick(kLeft, 5, 5);  // White elsewhere
  v->BoardClick(kLeft, 2, 1);  // Black captures
  EXPECT_EQ(v.Board().Point(1, 1), kEmpty);
  EXPECT_EQ(v.view.whiteDead, "1");
  v->LeaveTrial();
  EXPECT_EQ(DiagramOf(v.Board()), before);
  EXPECT_EQ(v.Screen(), before);
  EXPECT_EQ(v.view.whiteDead, "0");
}

}  // namespace
}  // namespace moyo::test
