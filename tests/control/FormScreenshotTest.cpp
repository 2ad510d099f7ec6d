// The loaded viewer as a person sees it: the form is rendered to PNG files in
// the temporary folder (moyoscope-form-*.png) for a look, and the pictures
// that make its face are checked to be there.

#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "kit/TFrameButton.h"
#include "kit/TImagePanel.h"
#include "kit/TLinkMemo.h"
#include "record/TaggedReader.h"
#include "refdiagram/qt/TCHelpForm.h"
#include "tests/control/FormFixture.h"

namespace moyo::test {
namespace {

std::string SampleText(const char* name) {
  const char* root = std::getenv("MOYO_SOURCE_DIR");
  std::ifstream in(std::string(root != nullptr ? root : ".") + "/samples/" + name,
                   std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void LoadSampleAt(TMoyoscope& form, int move) {
  const std::string text = SampleText("selfplay-commented-ko-fight.gib");
  ASSERT_FALSE(text.empty());
  const TReadResult read = ReadTaggedRecord(form.Record(), text, "");
  ASSERT_FALSE(read.failed) << read.error;
  form.ApplyRecord();
  form.Components().moveEd->setText(QString::number(move));
  form.moveBtnClick();
}

std::string Shoot(QWidget& form, const char* name) {
  const std::string path = QDir::temp().filePath(name).toStdString();
  EXPECT_TRUE(form.grab().save(QString::fromStdString(path)));
  return path;
}

TEST(FormPictures, EveryButtonWearsItsFace) {
  TestForm t;
  TMoyoscope& form = *t.form;
  for (kit::TFrameButton* button : form.Components().navButtons) {
    EXPECT_EQ(button->Glyph().width(), button->width() * 4);
  }
  for (kit::TFrameButton* button :
       {form.Components().testBtn, form.Components().testEndBtn, form.Components().numBtn,
        form.Components().numEndBtn, form.Components().printBtn, form.Components().autoBtn,
        form.Components().autoEndBtn, form.Components().moveBtn, form.Components().HintBtn,
        form.Components().HintXBtn, form.Components().BBtn, form.Components().WBtn,
        form.Components().BWBtn, form.Components().newsBtn}) {
    EXPECT_FALSE(button->Glyph().isNull());
    EXPECT_EQ(button->Glyph().width() % 4, 0);
  }
  EXPECT_FALSE(form.Components().functionP->Wallpaper().isNull());
}

// The reference windows among the form's children (the kit's widgets carry
// no meta-object of their own, so they are told apart by their C++ type).
std::vector<TCHelpForm*> HelpForms(QWidget& form) {
  std::vector<TCHelpForm*> found;
  for (QWidget* child : form.findChildren<QWidget*>()) {
    if (auto* help = dynamic_cast<TCHelpForm*>(child)) found.push_back(help);
  }
  return found;
}

TEST(FormReference, ASampleLinkOpensTheReferenceWindowOnTheBoardsPosition) {
  TFormServices services;
  services.notifier = std::make_unique<RecordingNotifier>();
  services.stoneSound = std::make_unique<CountingSound>();
  TMoyoscope form(nullptr, std::move(services));
  form.show();
  LoadSampleAt(form, 18);
  ASSERT_EQ(form.Components().commentM->Links().size(), 2u);
  form.Components().commentM->ClickLink(1);
  const auto windows = HelpForms(form);
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_TRUE(windows[0]->isVisible());
  form.Components().commentM->ClickLink(1);
  EXPECT_EQ(HelpForms(form).size(), 1u) << "the window is reused";
  std::printf("screenshot: %s\n", Shoot(*windows[0], "moyoscope-reference-18.png").c_str());
}

TEST(FormScreenshot, DefaultAndLargerSizes) {
  TestForm small;
  LoadSampleAt(*small.form, 60);
  EXPECT_EQ(small.form->MoveCount(), 60);
  std::printf("screenshot: %s\n", Shoot(*small.form, "moyoscope-form-789x628.png").c_str());

  TestForm large(1100, 820);
  LoadSampleAt(*large.form, 120);
  large.form->SetNews("http://127.0.0.1/news.html");
  std::printf("screenshot: %s\n", Shoot(*large.form, "moyoscope-form-1100x820.png").c_str());
}

}  // namespace
}  // namespace moyo::test
