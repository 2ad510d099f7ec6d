// The reference-diagram window as a window: its widgets reach the session and
// show what it reports, it lives above its owner and hides on close, its panels
// are laid out, and it looks the way its mode says.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "platform/qt/QtPaintBox.h"
#include "refdiagram/qt/TCHelpForm.h"
#include "refdiagram/qt/THelpNavButton.h"

namespace moyo {
namespace {

std::string Utf8(const QString& text) {
  return text.toStdString();
}

const QColor kBoardArea(204, 212, 212);
const QColor kTrialArea(64, 128, 128);

class HelpFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TCHelpForm>();
    TGoBoard viewer;
    for (const auto& [x, y] : {std::pair{4, 4}, {16, 4}, {4, 16}, {10, 10}}) {
      viewer.PlayMove(x, y, true);
    }
    game = std::make_unique<TBoardSnapshot>();
    viewer.SavePosition(*game);
  }

  // What the viewer does when a diagram link is clicked.
  void Open(const std::string& text) {
    form->ShowPosition(19, *game, false, false);
    form->ShowWindow();
    form->LoadDiagram(text);
  }

  const TCHelpForm::Components& ui() const { return form->Widgets(); }
  const TGoBoard& Board() const { return form->Session().Board(); }

  // A left press on the paint box over point (x, y) of an unturned board.
  void Press(int x, int y) {
    const int cell = form->Session().Painter().CellSize();
    const QPointF at((x - 1) * cell + cell / 2, (y - 1) * cell + cell / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, ui().HelpPB->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ui().HelpPB, &press);
  }

  std::unique_ptr<TCHelpForm> form;
  std::unique_ptr<TBoardSnapshot> game;
};

TEST_F(HelpFormTest, TheWidgetsDriveTheSessionAndShowWhatItReports) {
  Open("ACACDDQQ\\!\\!Note\r\nmore");
  EXPECT_EQ(Utf8(form->windowTitle()), "1수 참고도");
  EXPECT_EQ(Utf8(ui().Memo->toPlainText()), "Note\nmore");
  EXPECT_FALSE(ui().pMBase->isVisible());
  ui().Buttons[0]->click();
  EXPECT_EQ(Board().MoveCount(), 1);
  ui().Buttons[3]->click();
  EXPECT_EQ(Board().MoveCount(), 3);

  ui().Buttons[4]->click();
  EXPECT_TRUE(form->Session().TrialOn());
  EXPECT_TRUE(ui().pMBase->isVisible());
  EXPECT_EQ(Utf8(ui().Buttons[4]->text()), "마침");
  EXPECT_EQ(ui().pBBase->Colour(), kTrialArea);
  EXPECT_EQ(ui().pCBase->Colour(), kTrialArea);
  Press(10, 3);
  EXPECT_EQ(Board().Point(10, 3), kWhite);
  ui().PassBtn->click();
  EXPECT_EQ(Board().MoveCount(), 5);
  ui().cbMark->setChecked(true);
  ui().cbMarkC->setCurrentIndex(25);
  Press(12, 3);
  EXPECT_EQ(form->Session().Painter().MarkAt(12, 3), 625);
  EXPECT_EQ(ui().cbMarkC->currentIndex(), 0);

  ui().Buttons[4]->click();
  EXPECT_FALSE(ui().pMBase->isVisible());
  EXPECT_EQ(Utf8(ui().Buttons[4]->text()), "검토");
  EXPECT_EQ(ui().pBBase->Colour(), kBoardArea);
}

TEST_F(HelpFormTest, ClosingHidesTheWindowAndOpeningAgainResetsItsTools) {
  QPointer<TCHelpForm> window = form.get();
  Open("ACACDDQQ\\!\\!");
  EXPECT_TRUE(form->isVisible());
  ui().Buttons[4]->click();
  ui().cbMark->setChecked(true);
  ui().cbMarkC->setCurrentIndex(5);
  form->close();
  ASSERT_FALSE(window.isNull());
  EXPECT_FALSE(form->isVisible());
  Open("ACACDDQQ\\!\\!");
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form->Session().TrialOn());
  EXPECT_FALSE(ui().cbMark->isChecked());
  EXPECT_FALSE(form->Session().Marking());
  EXPECT_FALSE(ui().pMBase->isVisible());
  EXPECT_EQ(ui().cbMarkC->currentIndex(), 0);
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
  EXPECT_EQ(ui().pBBase->size(), QSize(294, 280));
  EXPECT_EQ(form->Session().Painter().CellSize(), 14);
  EXPECT_EQ(ui().HelpPB->geometry(), QRect(14, 7, 266, 266));
  const std::vector<int> lefts = {0, 59, 118, 177, 236};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(ui().Buttons[i]->geometry(), QRect(lefts[i], 3, 57, 18));
  }
  form->resize(1300, 1400);
  QApplication::processEvents();
  EXPECT_EQ(form->Session().Painter().CellSize(), 59);
}

TEST_F(HelpFormTest, TheWindowLooksTheWayItsModeSays) {
  // With MOYO_PICTURE_DIR set, the pictures are kept there to be looked at.
  const char* folder = std::getenv("MOYO_PICTURE_DIR");
  Open("ADAEDDQQDQQD\\!ACKQXCCCXD\\!Black takes the corner first.");
  QApplication::processEvents();
  const QImage normal = form->grab().toImage();
  ui().Buttons[4]->click();
  Press(10, 3);
  QApplication::processEvents();
  const QImage trial = form->grab().toImage();
  if (folder != nullptr) {
    normal.save(QString(folder) + "/refdiagram-normal.png");
    trial.save(QString(folder) + "/refdiagram-trial.png");
  }
  ASSERT_EQ(normal.size(), QSize(296, 376));
  // The strip between the board and the panel's edge shows the area colour.
  const QPoint inWindow = ui().pBBase->mapTo(form.get(), QPoint(5, 2));
  EXPECT_EQ(QColor(normal.pixel(inWindow)), kBoardArea);
  EXPECT_EQ(QColor(trial.pixel(inWindow)), kTrialArea);
}

}  // namespace
}  // namespace moyo
