// Stepping through a record on the form: the buttons, the edit and the spin
// edit reach the session, and what it reports shows on the widgets. The rules
// themselves are tested on the session alone (tests/viewer).

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

#include "kit/TFrameButton.h"
#include "paint/TZelGoPB.h"
#include "platform/qt/QtPaintBox.h"
#include "platform/qt/QtTimer.h"
#include "tests/control/FormFixture.h"

namespace moyo::test {
namespace {

class Navigation : public ::testing::Test {
 protected:
  void Load(int moves) {
    FillRecord(*t.form, LegalGame(moves));
    t.form->ApplyRecord();
  }
  int Move() const { return t.form->MoveCount(); }
  void Nav(int tag) { t.form->navButtonClick(tag); }
  void Jump(const char* text) {
    t.form->Components().moveEd->setText(QString::fromUtf8(text));
    t.form->moveEdKeyDown(13);
  }

  TestForm t;
};

TEST_F(Navigation, TheMoveEditJumpsOnEnterAndShowsWhereTheJumpLanded) {
  Load(180);
  Jump("250");
  EXPECT_EQ(Move(), 180);
  EXPECT_EQ(t.form->Components().moveEd->text(), "180");
  Jump("ab");
  EXPECT_EQ(t.notices->texts, (std::vector<std::string>{Utf8Message(26)}));
  EXPECT_EQ(t.form->Components().moveEd->text(), "");
  // Enter in the edit jumps; other keys are left to the edit.
  t.form->Components().moveEd->setText("12");
  t.form->moveEdKeyDown('A');
  EXPECT_EQ(Move(), 180);
  QTest::keyClick(t.form->Components().moveEd, Qt::Key_Return);
  EXPECT_EQ(Move(), 12);
  EXPECT_EQ(t.form->Components().moveEd->maxLength(), 3);
}

TEST_F(Navigation, PlayButtonsAndThePaceEditDriveThePlayTimer) {
  Load(20);
  ManualTimer& timer = t.PlayTimer();
  t.form->Components().secondSE->setValue(3);
  t.form->Components().autoBtn->click();
  EXPECT_TRUE(timer.enabled);
  EXPECT_EQ(timer.interval, 3000);
  EXPECT_TRUE(t.form->Components().autoBtn->isHidden());
  EXPECT_FALSE(t.form->Components().autoEndBtn->isHidden());
  t.form->Components().secondSE->setValue(500);
  EXPECT_EQ(t.form->Components().secondSE->value(), 100);
  EXPECT_EQ(timer.interval, 100000);
  t.form->Components().autoEndBtn->click();
  EXPECT_FALSE(timer.enabled);
  EXPECT_FALSE(t.form->Components().autoBtn->isHidden());
  EXPECT_TRUE(t.form->Components().autoEndBtn->isHidden());
}

TEST_F(Navigation, CaptureLabelsShowTheCounts) {
  Load(300);
  Nav(5);
  const TGoBoard& board = t.form->Board();
  ASSERT_GT(board.BlackCaptures(), 0) << "the test game should capture";
  EXPECT_EQ(t.form->Components().wDiedSL->text(), QString::number(board.BlackCaptures()));
  EXPECT_EQ(t.form->Components().bDiedSL->text(), QString::number(board.WhiteCaptures()));
}

TEST_F(Navigation, KeysWheelTurnAndCopyReachTheSessionButEditsKeepTheirKeys) {
  Load(40);
  QWidget& form = *t.form;
  QTest::keyClick(&form, Qt::Key_End);
  EXPECT_EQ(Move(), 40);
  QTest::keyClick(&form, Qt::Key_PageUp);
  QTest::keyClick(&form, Qt::Key_Left);
  EXPECT_EQ(Move(), 34);
  const QPoint board = t.form->Components().MainGoPB->mapTo(&form, QPoint(40, 40));
  QWheelEvent back(board, form.mapToGlobal(board), QPoint(), QPoint(0, 240), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(&form, &back);
  EXPECT_EQ(Move(), 32) << "two notches, two moves";
  // Keys typed into the move number edit it.
  t.form->Components().moveEd->setFocus();
  t.form->Components().moveEd->setText("12");
  QTest::keyClick(t.form->Components().moveEd, Qt::Key_Home);
  QTest::keyClick(t.form->Components().moveEd, Qt::Key_End);
  EXPECT_EQ(Move(), 32);
  t.form->Components().moveEd->clearFocus();
  QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
  EXPECT_TRUE(t.form->Painter().Flipped());
  QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
            t.form->Components().MainGoPB->Image().convertToFormat(QImage::Format_RGB32));
  EXPECT_TRUE(t.notices->texts.empty());
}

// Real timers with the pace scaled from seconds to hundredths.
class ScaledTimer : public platform::QtTimer {
 public:
  void SetInterval(int milliseconds) override {
    platform::QtTimer::SetInterval(milliseconds / 100);
  }
};

TEST(AutomaticPlay, RunsOnRealTimersToTheEndAndStops) {
  TFormServices services;
  auto notices = std::make_unique<RecordingNotifier>();
  services.notifier = std::move(notices);
  services.makeTimer = [] { return std::make_unique<ScaledTimer>(); };
  services.stoneSound = std::make_unique<CountingSound>();
  TMoyoscope form(nullptr, std::move(services));
  form.show();
  FillRecord(form, LegalGame(5));
  form.ApplyRecord();
  form.autoBtnClick();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !form.Components().autoBtn->isHidden(); }, 5000));
  EXPECT_EQ(form.MoveCount(), 5);
  EXPECT_FALSE(form.Timer().Enabled());
}

}  // namespace
}  // namespace moyo::test
