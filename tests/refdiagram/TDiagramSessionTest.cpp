// The reference-diagram window's behaviour without a window: opening diagrams on
// a game position, stepping, trial mode and its exact undoing, letters, damaged
// texts and the layout numbers, seen through a recording view and paint box.

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <string>

#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "platform/Text.h"
#include "refdiagram/TDiagramSession.h"
#include "refdiagram/TDiagramView.h"
#include "tests/support/BoardDiagram.h"
#include "tests/support/FakeCanvas.h"

namespace moyo {
namespace {

using platform::MouseButton;
using test::DiagramOf;
using test::MarksOf;
using test::Normalised;
using testing::FakeBitmap;
using testing::FakePaintBox;

// Everything the session has told its view, as the view last showed it.
struct RecordingView : TDiagramView {
  void SetAreaColour(platform::Rgb colour) override { area = colour; }
  void SetCaption(const std::string& text) override { caption = platform::Cp949ToUtf8(text); }
  void SetMemo(const std::string& text) override { memo = text; }
  void SetTrialCaption(const std::string& text) override {
    trialCaption = platform::Cp949ToUtf8(text);
  }
  void ShowTrialTools(bool shown) override { toolsShown = shown; }
  void ShowMarking(bool on) override { marking = on; }
  void ShowLetter(int index) override { letter = index; }
  void PlaceBoard(int left, int top) override { board = {left, top}; }
  void PlaceStepButton(int tag, int left, int width) override { buttons[tag] = {left, width}; }

  platform::Rgb area;
  std::string caption, memo, trialCaption;
  bool toolsShown = true;
  bool marking = true;
  int letter = -1;
  std::pair<int, int> board;
  std::map<int, std::pair<int, int>> buttons;
};

// The pictures of a program without the trial edge; every stone size is there.
struct Pictures : platform::BitmapStore {
  const platform::Bitmap* Find(const std::string& name) override {
    if (name == "gedge") return nullptr;
    auto [at, added] = found.try_emplace(name, nullptr);
    if (added) at->second = std::make_unique<FakeBitmap>(20, 20, name);
    return at->second.get();
  }
  std::map<std::string, std::unique_ptr<FakeBitmap>> found;
};

// A game on a 9 x 9 board: Black (3,3), White (7,3), Black (3,7), White (7,7).
TBoardSnapshot NineByNineGame() {
  TGoBoard viewer;
  viewer.NewGame(9);
  for (const auto& [x, y] : {std::pair{3, 3}, {7, 3}, {3, 7}, {7, 7}}) viewer.PlayMove(x, y, true);
  TBoardSnapshot game;
  viewer.SavePosition(game);
  return game;
}

class DiagramSessionTest : public ::testing::Test {
 protected:
  DiagramSessionTest() : missing_(65, 243, "missing"), game_(NineByNineGame()) {
    session_ = std::make_unique<TDiagramSession>(view_, box_, pictures_, missing_);
    session_->pBBaseResize(294, 280);
  }

  // What the viewer does when a diagram link is clicked.
  void Open(const std::string& text, bool flipped = false) {
    session_->ShowPosition(game_, flipped, false);
    session_->FormShow();
    session_->LoadDiagram(text);
  }

  void Click(int x, int y, MouseButton button = MouseButton::Left) {
    session_->HelpPBPointClick(button, x, y);
  }

  const TGoBoard& Board() const { return session_->Board(); }
  const TZelGoPB& Painter() const { return session_->Painter(); }

  // The painter's stones and marks over the whole grid it holds.
  TPointGrid ShownStones() const {
    TPointGrid stones{};
    for (int y = 1; y <= kMaxBoardSize; ++y) {
      for (int x = 1; x <= kMaxBoardSize; ++x) stones[y - 1][x - 1] = Painter().PointAt(x, y);
    }
    return stones;
  }
  TNumberGrid ShownMarks() const {
    TNumberGrid marks{};
    for (int y = 1; y <= kMaxBoardSize; ++y) {
      for (int x = 1; x <= kMaxBoardSize; ++x) marks[y - 1][x - 1] = Painter().MarkAt(x, y);
    }
    return marks;
  }
  std::string Stones() const { return DiagramOf(ShownStones(), Board().Size()); }
  std::string Marks() const { return MarksOf(ShownMarks(), Board().Size()); }

  RecordingView view_;
  FakePaintBox box_;
  Pictures pictures_;
  FakeBitmap missing_;
  TBoardSnapshot game_;
  std::unique_ptr<TDiagramSession> session_;
};

TEST_F(DiagramSessionTest, PlaysTheDiagramFromTheMoveBeforeItsFirst) {
  // First 2, moves (4,4) and (6,6): the game's move 2 is replaced.
  Open("ACACEEGG\\!\\!Note");
  EXPECT_EQ(Board().MoveCount(), 3);
  EXPECT_EQ(Board().LastMove(), 3);
  EXPECT_EQ(DiagramOf(Board()), Normalised(R"(
    . . . . . . . . .
    . . . . . . . . .
    . . X . . . . . .
    . . . O . . . . .
    . . . . . . . . .
    . . . . . X . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)"));
  EXPECT_EQ(Stones(), DiagramOf(Board()));
  // The first diagram move stands in for game move 2 and shows no number.
  EXPECT_EQ(Marks(), Normalised(R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . 1 . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)"));
  EXPECT_EQ(session_->MemoText(), "Note");
  EXPECT_EQ(view_.memo, "Note");
  EXPECT_EQ(view_.caption, "1수 참고도");
  EXPECT_TRUE(session_->Draw());
}

TEST_F(DiagramSessionTest, StepButtonsStopAtTheDiagramStartButRightClicksGoOn) {
  Open("ADAEEEGGEGGE\\!\\!");  // First 3, four moves
  EXPECT_EQ(Board().MoveCount(), 6);
  session_->navButtonClick(2);
  EXPECT_EQ(Board().MoveCount(), 6);  // the line ends with the diagram
  session_->navButtonClick(0);
  EXPECT_EQ(Board().MoveCount(), 2);
  session_->navButtonClick(1);
  session_->navButtonClick(0);
  EXPECT_EQ(Board().MoveCount(), 2);
  Click(1, 1, MouseButton::Right);
  EXPECT_EQ(Board().MoveCount(), 1);
  Click(1, 1);
  EXPECT_EQ(Board().MoveCount(), 2);
  session_->navButtonClick(3);
  EXPECT_EQ(Board().MoveCount(), 6);
  EXPECT_EQ(Stones(), Normalised(R"(
    . . . . . . . . .
    . . . . . . . . .
    . . X . . . O . .
    . . . X . O . . .
    . . . . . . . . .
    . . . X . O . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)"));
  // Game move 2 shows no number; the diagram counts on from its first move.
  EXPECT_EQ(Marks(), Normalised(R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . 3 . . .
    . . . . . . . . .
    . . . 2 . 1 . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)"));
}

TEST_F(DiagramSessionTest, LabelsOfTheTextAreDrawnAndANumberedStoneLosesItsNumber) {
  // Labels 'A' at (5,5) and 'C' at (6,6), where the diagram's second stone stands.
  Open("ACACEEGG\\!ACFFXCGGXE\\!");
  EXPECT_EQ(Marks(), Normalised(R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . A . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)"));
  EXPECT_EQ(session_->MemoText(), "");
}

TEST_F(DiagramSessionTest, TheCommentReadsWithLineFeeds) {
  Open("ACAA\\!\\!one\r\ntwo\rthree");
  EXPECT_EQ(view_.memo, "one\ntwo\nthree");
}

TEST_F(DiagramSessionTest, TrialModeShowsItsToolsAndNumbersFromOne) {
  Open("ACACEEGG\\!\\!Note");
  session_->navButtonClick(4);
  EXPECT_TRUE(session_->TrialOn());
  EXPECT_TRUE(view_.toolsShown);
  EXPECT_EQ(view_.trialCaption, "마침");
  EXPECT_EQ(view_.area, TDiagramSession::kTrialAreaColour);
  Click(5, 2);
  session_->PassBtnClick();
  Click(6, 2);
  EXPECT_EQ(Board().MoveCount(), 6);
  EXPECT_EQ(Board().Point(5, 2), kWhite);
  EXPECT_EQ(Board().Point(6, 2), kWhite);
  EXPECT_EQ(Marks(), Normalised(R"(
    . . . . . . . . .
    . . . . 1 3 . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . 1 . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)"));
  // A right click takes the user's last move back.
  Click(1, 1, MouseButton::Right);
  EXPECT_EQ(Board().Point(6, 2), kEmpty);
}

TEST_F(DiagramSessionTest, LeavingTrialModeRestoresTheDiagramExactly) {
  Open("ADADEEGGEG\\!ABFEXC\\!Look");
  const TPointGrid stones = ShownStones();
  const TNumberGrid marks = ShownMarks();
  auto before = std::make_unique<TBoardSnapshot>();
  Board().SavePosition(*before);

  session_->navButtonClick(4);
  Click(5, 5);
  Click(6, 5);
  session_->PassBtnClick();
  session_->cbMarkClick(true);
  Click(7, 7);
  Click(5, 5);
  session_->cbMarkClick(false);
  for (int i = 0; i < 6; ++i) Click(1, 1, MouseButton::Right);
  Click(8, 2);
  EXPECT_NE(ShownStones(), stones);
  session_->navButtonClick(4);

  auto after = std::make_unique<TBoardSnapshot>();
  Board().SavePosition(*after);
  EXPECT_EQ(after->MoveHistory, before->MoveHistory);
  EXPECT_EQ(after->CaptureLog, before->CaptureLog);
  EXPECT_EQ(after->Points, before->Points);
  EXPECT_EQ(after->NumberGrid, before->NumberGrid);
  EXPECT_EQ(*after, *before);
  EXPECT_EQ(ShownStones(), stones);
  EXPECT_EQ(ShownMarks(), marks);
  EXPECT_FALSE(session_->TrialOn());
  EXPECT_FALSE(view_.toolsShown);
  EXPECT_EQ(view_.trialCaption, "검토");
  EXPECT_EQ(view_.area, TDiagramSession::kBoardAreaColour);
  EXPECT_EQ(view_.memo, "Look");
  EXPECT_EQ(view_.caption, "2수 참고도");
}

TEST_F(DiagramSessionTest, LetterClicksToggleAndTheLetterMovesOnAndWraps) {
  Open("ACACEEGG\\!\\!");
  session_->navButtonClick(4);
  session_->cbMarkClick(true);
  Click(5, 2);
  EXPECT_EQ(Painter().MarkAt(5, 2), 600);
  Click(5, 2);
  EXPECT_EQ(Painter().MarkAt(5, 2), 0);
  EXPECT_EQ(session_->Letter(), 2);
  EXPECT_EQ(view_.letter, 2);
  EXPECT_EQ(Board().Point(5, 2), kEmpty);
  session_->cbMarkCChange(25);
  Click(6, 2);
  Click(7, 2);
  EXPECT_EQ(Painter().MarkAt(6, 2), 625);
  EXPECT_EQ(Painter().MarkAt(7, 2), 600);
  EXPECT_EQ(view_.letter, 1);
  // A list that reports no selection starts at 'A'.
  session_->cbMarkCChange(-1);
  EXPECT_EQ(session_->Letter(), 0);
  // Outside trial mode the same click steps the line instead.
  session_->navButtonClick(4);
  Click(8, 8);
  EXPECT_EQ(Painter().MarkAt(8, 8), 0);
}

TEST_F(DiagramSessionTest, ATurnedViewStaysTurnedThroughTrialMode) {
  Open("ACACEEGG\\!\\!", true);
  EXPECT_TRUE(Painter().Flipped());
  session_->navButtonClick(4);
  session_->navButtonClick(4);
  EXPECT_TRUE(Painter().Flipped());
  Open("ACACEEGG\\!\\!", false);
  EXPECT_FALSE(Painter().Flipped());
}

TEST_F(DiagramSessionTest, DamagedTextsShowTheViewersPosition) {
  const std::string full = "ACADEEAAGG\\!ACEFXAFFZD\\!See here";
  const std::string game = DiagramOf(game_.Points, 9);
  for (std::size_t length = 0; length <= full.size(); ++length) {
    Open(full.substr(0, length));
    const bool diagram = length >= 12;
    EXPECT_EQ(Board().Point(7, 7), diagram ? kEmpty : kWhite) << length;
    EXPECT_EQ(Board().Point(6, 6), diagram ? kWhite : kEmpty) << length;
    EXPECT_EQ(Stones(), DiagramOf(Board())) << length;
    if (!diagram) {
      EXPECT_EQ(DiagramOf(Board()), game) << length;
    }
  }
  // After a good diagram, a damaged one does not leave the old picture up.
  Open("ACACEEGG\\!\\!Note");
  Open("ACACEE\\!\\!");
  EXPECT_EQ(Board().MoveCount(), 4);
  EXPECT_EQ(Stones(), game);
  EXPECT_EQ(view_.caption, "4수 참고도");
  EXPECT_EQ(view_.memo, "");
  session_->navButtonClick(0);
  EXPECT_EQ(Board().MoveCount(), 4);
}

TEST_F(DiagramSessionTest, ADiagramFromTheEmptyBoardEndsItsWalkBack) {
  Open("AAABEE\\!\\!");  // First 0
  EXPECT_EQ(Board().MoveCount(), 1);
  EXPECT_EQ(Board().Point(3, 3), kEmpty);
  EXPECT_EQ(Board().Point(4, 4), kBlack);
  EXPECT_EQ(view_.caption, "0수 참고도");
}

TEST_F(DiagramSessionTest, ShowingTheWindowResetsItsTrialTools) {
  Open("ACACEEGG\\!\\!");
  session_->navButtonClick(4);
  session_->cbMarkClick(true);
  session_->cbMarkCChange(7);
  session_->FormShow();
  EXPECT_FALSE(view_.toolsShown);
  EXPECT_FALSE(session_->Marking());
  EXPECT_FALSE(view_.marking);
  EXPECT_EQ(session_->Letter(), 0);
  EXPECT_EQ(view_.letter, 0);
  EXPECT_EQ(view_.caption, "수 참고도");
  Open("ACACEEGG\\!\\!");
  EXPECT_FALSE(session_->TrialOn());
}

TEST_F(DiagramSessionTest, BoardAndButtonsAreLaidOutInTheirArea) {
  // The 9 x 9 game is drawn with 9 lines, its cells as large as 9 of them fit.
  Open("ACACEEGG\\!\\!");
  EXPECT_EQ(session_->Lines(), 9);
  EXPECT_EQ(Painter().Lines(), 9);
  EXPECT_EQ(Painter().CellSize(), 31);
  EXPECT_EQ(view_.board, std::make_pair(7, 0));
  EXPECT_EQ(box_.size, (platform::Size{279, 279}));
  EXPECT_EQ(Painter().PointAt(3, 3), kBlack);
  session_->pCBaseResize(294);
  for (int tag = 0; tag < 5; ++tag) EXPECT_EQ(view_.buttons[tag], std::make_pair(tag * 59, 57));
  session_->pBBaseResize(1298, 1380);
  EXPECT_EQ(Painter().CellSize(), 59);
  // A full board after it brings the 19 lines back, in cells small enough for them.
  TBoardSnapshot full;
  InitPosition(kMaxBoardSize, full);
  session_->pBBaseResize(294, 280);
  session_->ShowPosition(full, false, true);
  EXPECT_EQ(Painter().Lines(), 19);
  EXPECT_EQ(Painter().CellSize(), 14);
  EXPECT_EQ(box_.size, (platform::Size{266, 266}));
}

TEST_F(DiagramSessionTest, MissingPicturesFallBackToTheSparePicture) {
  Open("ACACEEGG\\!\\!");
  box_.canvas.Clear();
  session_->navButtonClick(4);  // the trial edge "gedge" is missing
  box_.canvas.Clear();
  session_->pBBaseResize(400, 400);
  bool spare = false;
  for (const auto& copy : box_.canvas.copies) spare = spare || copy.bitmap == "missing";
  EXPECT_TRUE(spare);
}

TEST_F(DiagramSessionTest, StonePicturesThatArriveLateAreTakenOnReload) {
  // A page hands the stone pictures of a cell size over only once it knows
  // the size; until then the stones are plain circles.
  struct LatePictures : Pictures {
    const platform::Bitmap* Find(const std::string& name) override {
      const bool stone = name.size() > 2 && std::isdigit(static_cast<unsigned char>(name[2]));
      return stone && !arrived ? nullptr : Pictures::Find(name);
    }
    bool arrived = false;
  } late;
  const auto stonesCopied = [this] {
    int stones = 0;
    for (const auto& copy : box_.canvas.copies) stones += copy.bitmap == "bs31";
    return stones;
  };
  TDiagramSession session(view_, box_, late, missing_);
  session.pBBaseResize(294, 280);
  session.ShowPosition(game_, false, false);
  session.LoadDiagram("ACACEEGG\\!\\!");
  EXPECT_EQ(stonesCopied(), 0);
  late.arrived = true;
  box_.canvas.Clear();
  session.ReloadPictures();
  // Both black stones, (3,3) and (6,6), now come from the picture.
  EXPECT_EQ(stonesCopied(), 2);
}

}  // namespace
}  // namespace moyo
