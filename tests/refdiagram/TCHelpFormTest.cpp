// The reference-diagram window driven as the viewer and the user drive it:
// opening diagrams on a game position, stepping, trial mode, letters, damaged
// texts, the window's life and its layout.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "platform/Text.h"
#include "platform/qt/QtPaintBox.h"
#include "refdiagram/TCHelpForm.h"
#include "refdiagram/THelpNavButton.h"

namespace moyo {
namespace {

using platform::MouseButton;

std::string Utf8(const QString& text) {
  return text.toStdString();
}

// The game on the viewer's board: Black (4,4), White (16,4), Black (4,16), White (10,10).
const std::vector<std::pair<int, int>> kGame = {{4, 4}, {16, 4}, {4, 16}, {10, 10}};

class HelpFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TCHelpForm>();
    TGoBoard viewer;
    for (const auto& [x, y] : kGame) viewer.PlayMove(x, y, true);
    game = std::make_unique<TBoardSnapshot>();
    viewer.SavePosition(*game);
  }

  // What the viewer does when a diagram link is clicked.
  void Open(const std::string& text, bool flipped = false) {
    form->ShowPosition(19, *game, flipped, false);
    form->ShowWindow();
    form->LoadDiagram(text);
  }

  void Click(int x, int y, MouseButton button = MouseButton::Left) {
    form->HelpPBPointClick(button, x, y);
  }

  // Every point the painter shows, colour and mark, as one comparable text.
  std::string Picture() const {
    std::string shown;
    for (int y = 1; y <= 19; ++y) {
      for (int x = 1; x <= 19; ++x) {
        shown += std::to_string(form->Painter().PointAt(x, y)) + ":" +
                 std::to_string(form->Painter().MarkAt(x, y)) + " ";
      }
    }
    return shown;
  }

  // Whether the painter shows exactly the board model's stones.
  bool PainterFollowsBoard() const {
    for (int y = 1; y <= 19; ++y) {
      for (int x = 1; x <= 19; ++x) {
        if (form->Painter().PointAt(x, y) != form->Board().Point(x, y)) return false;
      }
    }
    return true;
  }

  std::unique_ptr<TCHelpForm> form;
  std::unique_ptr<TBoardSnapshot> game;
};

TEST_F(HelpFormTest, PlaysTheDiagramFromTheMoveBeforeItsFirst) {
  Open("ACACDDQQ\\!\\!Note");
  const TGoBoard& board = form->Board();
  EXPECT_EQ(board.MoveCount(), 3);
  EXPECT_EQ(board.LastMove(), 3);
  EXPECT_EQ(board.Point(16, 4), kEmpty);  // move 2 of the game is taken back
  EXPECT_EQ(board.Point(3, 3), kWhite);
  EXPECT_EQ(board.Point(16, 16), kBlack);
  // The first diagram move stands in for game move 2 and shows no number.
  EXPECT_EQ(form->Painter().MarkAt(3, 3), 0);
  EXPECT_EQ(form->Painter().MarkAt(16, 16), 1);
  EXPECT_TRUE(PainterFollowsBoard());
  EXPECT_EQ(form->MemoText(), "Note");
  EXPECT_EQ(Utf8(form->windowTitle()), "1수 참고도");
  EXPECT_TRUE(form->Draw());
}

TEST_F(HelpFormTest, StepButtonsStopAtTheDiagramStartButRightClicksGoOn) {
  Open("ADAEDDQQDQQD\\!\\!");  // First 3, four moves
  EXPECT_EQ(form->Board().MoveCount(), 6);
  form->navButtonClick(2);
  EXPECT_EQ(form->Board().MoveCount(), 6);  // the line ends with the diagram
  form->navButtonClick(0);
  EXPECT_EQ(form->Board().MoveCount(), 2);
  form->navButtonClick(1);
  form->navButtonClick(0);
  EXPECT_EQ(form->Board().MoveCount(), 2);
  Click(1, 1, MouseButton::Right);
  EXPECT_EQ(form->Board().MoveCount(), 1);
  form->navButtonClick(3);
  EXPECT_EQ(form->Board().MoveCount(), 6);
  EXPECT_LE(form->Painter().MarkAt(16, 4), 0);  // game move 2 shows no number
  EXPECT_EQ(form->Painter().MarkAt(16, 3), 3);
  EXPECT_TRUE(PainterFollowsBoard());
}

TEST_F(HelpFormTest, LabelsOfTheTextAreDrawnAndANumberedStoneLosesItsNumber) {
  Open("ACACDDQQ\\!ACFFXCQQXD\\!");
  EXPECT_EQ(form->Painter().MarkAt(5, 5), 600);
  EXPECT_EQ(form->Painter().MarkAt(16, 16), 0);
  EXPECT_EQ(form->MemoText(), "");
}

TEST_F(HelpFormTest, TrialModeShowsItsToolsAndNumbersFromOne) {
  Open("ACACDDQQ\\!\\!Note");
  form->navButtonClick(4);
  EXPECT_TRUE(form->TrialOn());
  EXPECT_TRUE(form->pMBase->isVisible());
  EXPECT_EQ(Utf8(form->Buttons[4]->text()), "마침");
  EXPECT_EQ(form->pBBase->Colour(), QColor(64, 128, 128));
  EXPECT_EQ(form->pCBase->Colour(), QColor(64, 128, 128));
  Click(10, 3);
  EXPECT_EQ(form->Board().Point(10, 3), kWhite);
  EXPECT_EQ(form->Painter().MarkAt(10, 3), 1);
  form->PassBtn->click();
  EXPECT_EQ(form->Board().MoveCount(), 5);
  Click(11, 3);
  EXPECT_EQ(form->Board().Point(11, 3), kWhite);
  EXPECT_EQ(form->Painter().MarkAt(11, 3), 3);
}

TEST_F(HelpFormTest, LeavingTrialModeRestoresTheDiagramExactly) {
  Open("ADADDDQQDQ\\!ABKQXC\\!Look");
  const std::string loaded = Picture();
  auto before = std::make_unique<TBoardSnapshot>();
  form->Board().SavePosition(*before);

  form->navButtonClick(4);
  Click(5, 5);
  Click(6, 6);
  form->PassBtnClick();
  form->cbMark->setChecked(true);
  Click(7, 7);
  Click(5, 5);
  form->cbMark->setChecked(false);
  for (int i = 0; i < 6; ++i) Click(1, 1, MouseButton::Right);
  Click(15, 4);
  EXPECT_NE(Picture(), loaded);
  form->navButtonClick(4);

  auto after = std::make_unique<TBoardSnapshot>();
  form->Board().SavePosition(*after);
  EXPECT_EQ(after->MoveHistory, before->MoveHistory);
  EXPECT_EQ(after->CaptureLog, before->CaptureLog);
  EXPECT_EQ(after->Points, before->Points);
  EXPECT_EQ(after->NumberGrid, before->NumberGrid);
  EXPECT_EQ(*after, *before);
  EXPECT_EQ(Picture(), loaded);
  EXPECT_FALSE(form->TrialOn());
  EXPECT_FALSE(form->pMBase->isVisible());
  EXPECT_EQ(Utf8(form->Buttons[4]->text()), "검토");
  EXPECT_EQ(form->pBBase->Colour(), QColor(204, 212, 212));
  EXPECT_EQ(form->MemoText(), "Look");
  EXPECT_EQ(Utf8(form->windowTitle()), "2수 참고도");
}

TEST_F(HelpFormTest, LetterClicksToggleAndTheLetterMovesOn) {
  Open("ACACDDQQ\\!\\!");
  form->navButtonClick(4);
  form->cbMark->setChecked(true);
  Click(10, 3);
  EXPECT_EQ(form->Painter().MarkAt(10, 3), 600);
  Click(10, 3);
  EXPECT_EQ(form->Painter().MarkAt(10, 3), 0);
  EXPECT_EQ(form->cbMarkC->currentIndex(), 2);
  EXPECT_EQ(form->Board().Point(10, 3), kEmpty);
  form->cbMarkC->setCurrentIndex(25);
  Click(12, 3);
  EXPECT_EQ(form->Painter().MarkAt(12, 3), 625);
  EXPECT_EQ(form->cbMarkC->currentIndex(), 0);
}

TEST_F(HelpFormTest, ATurnedViewStaysTurnedThroughTrialMode) {
  Open("ACACDDQQ\\!\\!", true);
  EXPECT_TRUE(form->Painter().Flipped());
  form->navButtonClick(4);
  form->navButtonClick(4);
  EXPECT_TRUE(form->Painter().Flipped());
  Open("ACACDDQQ\\!\\!", false);
  EXPECT_FALSE(form->Painter().Flipped());
}

TEST_F(HelpFormTest, DamagedTextsShowTheViewersPosition) {
  const std::string full = "ACADDDAAQQ\\!ACDEXAFFZD\\!See here";
  for (std::size_t length = 0; length <= full.size(); ++length) {
    Open(full.substr(0, length));
    const bool diagram = length >= 12;
    EXPECT_EQ(form->Board().Point(10, 10), diagram ? kEmpty : kWhite) << length;
    EXPECT_EQ(form->Board().Point(16, 16), diagram ? kWhite : kEmpty) << length;
    EXPECT_TRUE(PainterFollowsBoard()) << length;
  }
  // After a good diagram, a damaged one does not leave the old picture up.
  Open("ACACDDQQ\\!\\!Note");
  Open("ACACDD\\!\\!");
  EXPECT_EQ(form->Board().MoveCount(), 4);
  EXPECT_TRUE(PainterFollowsBoard());
  EXPECT_EQ(Utf8(form->windowTitle()), "4수 참고도");
  EXPECT_EQ(form->MemoText(), "");
  form->navButtonClick(0);
  EXPECT_EQ(form->Board().MoveCount(), 4);
}

TEST_F(HelpFormTest, ADiagramFromTheEmptyBoardEndsItsWalkBack) {
  Open("AAABDD\\!\\!");  // First 0
  EXPECT_EQ(form->Board().MoveCount(), 1);
  EXPECT_EQ(form->Board().Point(4, 4), kEmpty);
  EXPECT_EQ(form->Board().Point(3, 3), kBlack);
  EXPECT_EQ(Utf8(form->windowTitle()), "0수 참고도");
}

TEST_F(HelpFormTest, ClosingHidesTheWindowAndOpeningAgainResetsItsTools) {
  QPointer<TCHelpForm> window = form.get();
  Open("ACACDDQQ\\!\\!");
  EXPECT_TRUE(form->isVisible());
  form->navButtonClick(4);
  form->cbMark->setChecked(true);
  form->close();
  ASSERT_FALSE(window.isNull());
  EXPECT_FALSE(form->isVisible());
  Open("ACACDDQQ\\!\\!");
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form->TrialOn());
  EXPECT_FALSE(form->cbMark->isChecked());
  EXPECT_FALSE(form->pMBase->isVisible());
  EXPECT_EQ(form->cbMarkC->currentIndex(), 0);
}

TEST_F(HelpFormTest, OpensAboveItsOwnerAndCentredOnIt) {
  QWidget owner;
  owner.setGeometry(100, 80, 800, 600);
  owner.show();
  auto* window = new TCHelpForm(&owner);  // deleted with its owner
  window->ShowPosition(19, *game, false, false);
  window->ShowWindow();
  EXPECT_TRUE(window->isWindow());
  EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_LE((window->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(),
            2);
}

TEST_F(HelpFormTest, BoardAndButtonsAreLaidOutInTheirPanels) {
  Open("ACACDDQQ\\!\\!");
  EXPECT_EQ(form->pBBase->size(), QSize(294, 280));
  EXPECT_EQ(form->Painter().CellSize(), 14);
  EXPECT_EQ(form->HelpPB->geometry(), QRect(14, 7, 266, 266));
  const std::vector<int> lefts = {0, 59, 118, 177, 236};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(form->Buttons[static_cast<std::size_t>(i)]->geometry(),
              QRect(lefts[static_cast<std::size_t>(i)], 3, 57, 18));
  }
  form->resize(1300, 1400);
  QApplication::processEvents();
  EXPECT_EQ(form->Painter().CellSize(), 59);
  // A line count of 0 from a caller is taken as 1, never divided by.
  form->ShowPosition(0, *game, false, true);
  EXPECT_EQ(form->Lines(), 1);
}

TEST_F(HelpFormTest, TheWindowLooksTheWayItsModeSays) {
  // With MOYO_PICTURE_DIR set, the pictures are kept there to be looked at.
  const char* folder = std::getenv("MOYO_PICTURE_DIR");
  Open("ADAEDDQQDQQD\\!ACKQXCCCXD\\!Black takes the corner first.");
  QApplication::processEvents();
  const QImage normal = form->grab().toImage();
  form->navButtonClick(4);
  Click(10, 3);
  QApplication::processEvents();
  const QImage trial = form->grab().toImage();
  if (folder != nullptr) {
    normal.save(QString(folder) + "/refdiagram-normal.png");
    trial.save(QString(folder) + "/refdiagram-trial.png");
  }
  ASSERT_EQ(normal.size(), QSize(296, 376));
  // The strip between the board and the panel's edge shows the area colour.
  const QPoint inWindow = form->pBBase->mapTo(form.get(), QPoint(5, 2));
  EXPECT_EQ(QColor(normal.pixel(inWindow)), QColor(204, 212, 212));
  EXPECT_EQ(QColor(trial.pixel(inWindow)), QColor(64, 128, 128));
}

}  // namespace
}  // namespace moyo
