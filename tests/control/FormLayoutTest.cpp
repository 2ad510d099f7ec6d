// Where the form puts its panels, board and buttons, and how it follows resizes.

#include <QLabel>

#include "kit/TBevel.h"
#include "kit/TDockPanel.h"
#include "kit/TFrameButton.h"
#include "kit/TImagePanel.h"
#include "kit/TLinkMemo.h"
#include "paint/TZelGoPB.h"
#include "platform/BitmapStore.h"
#include "platform/qt/QtPaintBox.h"
#include "tests/control/FormFixture.h"

namespace moyo::test {
namespace {

TEST(FormLayout, DefaultSizeGivesTheExampleBoard) {
  TestForm t;
  TMoyoscope& form = *t.form;
  EXPECT_EQ(form.Components().panP->size(), QSize(524, 565));
  EXPECT_EQ(form.Painter().CellSize(), 26);
  EXPECT_EQ(form.Painter().BoardPixels(), 494);
  EXPECT_EQ(form.Components().MainGoPB->pos(), QPoint(5, 25));
  EXPECT_EQ(form.Components().MainGoPB->size(), QSize(514, 514));
  EXPECT_EQ(form.StonePictureLoads(), 1);
}

TEST(FormLayout, PanelsAndControlsSitWhereTheFormPutsThem) {
  TestForm t;
  TMoyoscope& form = *t.form;
  EXPECT_EQ(form.Components().rightP->geometry(), QRect(537, 0, 252, 628));
  EXPECT_EQ(form.Components().rightTopP->geometry(), QRect(0, 0, 252, 266));
  EXPECT_EQ(form.Components().movesP->geometry(), QRect(0, 527, 252, 101));
  EXPECT_EQ(form.Components().Panel1->geometry(), QRect(0, 266, 252, 261));
  EXPECT_EQ(form.Components().NewsP->height(), 0);
  EXPECT_EQ(form.Components().commentP->height(), 261);
  EXPECT_EQ(form.Components().commentM->geometry(), QRect(10, 22, 238, 232));
  EXPECT_EQ(form.Components().topP->geometry(), QRect(0, 0, 537, 26));
  EXPECT_EQ(form.Components().buttonP->geometry(), QRect(0, 591, 537, 37));
  EXPECT_EQ(form.Components().sideP->geometry(), QRect(0, 26, 13, 565));
  EXPECT_EQ(form.Components().functionP->geometry(), QRect(14, 0, 523, 37));
  EXPECT_EQ(form.Components().testBtn->geometry(), QRect(229, 0, 96, 35));
  EXPECT_EQ(form.Components().testEndBtn->pos(), form.Components().testBtn->pos());
  EXPECT_EQ(form.Components().numBtn->pos(), QPoint(325, 0));
  EXPECT_EQ(form.Components().printBtn->pos(), QPoint(421, 0));
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(form.Components().infoLines[static_cast<std::size_t>(i)]->pos(),
              QPoint(10, 133 + 20 * i));
  }
  EXPECT_EQ(form.Components().autoBtn->geometry(), QRect(18, 7, 56, 20));
  EXPECT_EQ(form.Components().StatusL->geometry().topLeft(), QPoint(96, 74));
  EXPECT_TRUE(form.Components().autoEndBtn->isHidden());
  EXPECT_TRUE(form.Components().testEndBtn->isHidden());
  EXPECT_TRUE(form.Components().numEndBtn->isHidden());
  EXPECT_TRUE(form.Components().HintXBtn->isHidden());
  EXPECT_TRUE(form.Components().giboBtn->IsDownInGroup());
  EXPECT_EQ(form.Components().StatusL->text().toStdString(), Utf8Message(31));
  EXPECT_EQ(form.Components().Label1->text().toStdString(),
            Utf8Message(13) + "  " + Utf8Message(67));
  EXPECT_EQ(form.Components().NewsL->text().toStdString(),
            Utf8Message(13) + "  " + Utf8Message(69));
  EXPECT_EQ(form.windowTitle().toStdString(), Utf8Message(31));
  // Record texts go into labels: none may take them for markup.
  for (QLabel* label : form.findChildren<QLabel*>()) EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

TEST(FormLayout, NavigationButtonsSitEdgeToEdgeAndMoveOnTheFirstResize) {
  // A form 797 wide gives a function bar 531 wide.
  TestForm t(797, 628, /*show=*/false);
  TMoyoscope& form = *t.form;
  ASSERT_EQ(form.Components().functionP->width(), 531);
  const int widths[] = {39, 37, 37, 37, 37, 39};
  for (int k = 0; k < 6; ++k) {
    const auto& button = *form.Components().navButtons[static_cast<std::size_t>(k)];
    EXPECT_EQ(button.tag, k);
    EXPECT_EQ(button.size(), QSize(widths[k], 20));
    EXPECT_EQ(button.y(), 8);
  }
  EXPECT_EQ(form.Components().navButtons[0]->x(), 34);
  form.show();
  EXPECT_EQ(form.Components().navButtons[0]->x(), 15);
  for (int k = 1; k < 6; ++k) {
    EXPECT_EQ(form.Components().navButtons[static_cast<std::size_t>(k)]->x(),
              15 + 39 + 37 * (k - 1));
  }
}

TEST(FormLayout, StonePicturesAreReloadedOnlyWhenTheCellSizeChanges) {
  TestForm t;
  TMoyoscope& form = *t.form;
  ASSERT_EQ(form.StonePictureLoads(), 1);
  // 19 more pixels each way: cell 27.
  form.resize(789 + 19, 628 + 19);
  EXPECT_EQ(form.Painter().CellSize(), 27);
  EXPECT_EQ(form.StonePictureLoads(), 2);
  // A few pixels more keep cell 27 and only re-centre the board.
  form.resize(789 + 25, 628 + 19);
  EXPECT_EQ(form.StonePictureLoads(), 2);
  EXPECT_EQ(form.Components().MainGoPB->x(), (549 - 513 - 20) / 2);
  // So small that the cell falls below 10: the last pictures stay.
  form.resize(400, 250);
  EXPECT_EQ(form.StonePictureLoads(), 2);
  EXPECT_LT(form.Painter().CellSize(), 10);
  form.resize(789, 628);
  EXPECT_EQ(form.StonePictureLoads(), 3);
  EXPECT_EQ(form.Painter().CellSize(), 26);
}

TEST(FormLayout, ABoardThatFirstFitsThePaintersStartingSizeIsStillSized) {
  // panP 215 x 215 gives cell 10, 190 pixels: the painter's own starting value.
  TestForm t(215 + 13 + 252, 215 + 26 + 37);
  ASSERT_EQ(t.form->Components().panP->size(), QSize(215, 215));
  EXPECT_EQ(t.form->Painter().BoardPixels(), 190);
  EXPECT_EQ(t.form->Painter().CellSize(), 10);
  EXPECT_EQ(t.form->Components().MainGoPB->size(), QSize(210, 210));
}

class NoPictures : public platform::BitmapStore {
 public:
  const platform::Bitmap* Find(const std::string&) override { return nullptr; }
};

TEST(FormLayout, AFormWithoutAnyPicturesStillBuildsAndShowsARecord) {
  NoPictures none;
  TFormServices services;
  services.notifier = std::make_unique<RecordingNotifier>();
  services.stoneSound = std::make_unique<CountingSound>();
  services.bitmaps = &none;
  TMoyoscope form(nullptr, std::move(services));
  form.show();
  FillRecord(form, LegalGame(20));
  form.ApplyRecord();
  form.navButtonClick(5);
  EXPECT_EQ(form.MoveCount(), 20);
  EXPECT_EQ(form.Painter().CellSize(), 26);
  EXPECT_FALSE(form.grab().isNull());
}

TEST(FormLayout, HiddenGuessingRowShortensTheMovesPanel) {
  TestForm t;
  TMoyoscope& form = *t.form;
  form.HideGuessingControls();
  EXPECT_EQ(form.Components().movesP->geometry(), QRect(0, 590, 252, 38));
  EXPECT_EQ(form.Components().Panel1->height(), 628 - 266 - 38);
  EXPECT_EQ(form.Components().commentM->height(), 628 - 266 - 38 - 29);
  for (QWidget* control : std::initializer_list<QWidget*>{
           form.Components().Bevel3, form.Components().Label2, form.Components().BWBtn,
           form.Components().BBtn, form.Components().WBtn, form.Components().HintBtn,
           form.Components().giboBtn, form.Components().Bevel4}) {
    EXPECT_TRUE(control->isHidden());
  }
  EXPECT_FALSE(form.Components().autoBtn->isHidden());
  EXPECT_FALSE(form.Components().StatusL->isHidden());
}

}  // namespace
}  // namespace moyo::test
