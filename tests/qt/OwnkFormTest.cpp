// The print options dialog: what it shows, how it corrects fields, what OK
// and Cancel store, and its modality.

#include "print/qt/TOwnkForm.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Text.h"
#include "platform/qt/QtImagePrinter.h"
#include "platform/qt/QtSettingsStore.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

namespace fs = std::filesystem;

QString Text(int message) {
  return QString::fromStdString(platform::Cp949ToUtf8(Message(message)));
}

class OwnkFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "moyo-ownk-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::unique_ptr<TZelStatus> Status() {
    return std::make_unique<TZelStatus>(std::make_unique<platform::QtSettingsStore>(), options_);
  }
  std::string IniText() const {
    std::ifstream in(folder_ / "NetMoyoscope.ini");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path folder_;
  TPrintOptions options_;
  platform::QtImagePrinter printer_{4800, 6800, 600, ""};
};

TEST_F(OwnkFormTest, ShowsTheStoredOptionsThePageAndTheRecord) {
  auto status = Status();  // first run: the defaults are stored
  EXPECT_NE(IniText().find("gogrid=185"), std::string::npos);
  EXPECT_NE(IniText().find("version=0408A"), std::string::npos);
  TOwnkForm form(nullptr, *status, printer_);
  TGamePInfo header;
  header.EventName = "Final";
  form.SetupFromRecord(120, header);
  form.FormShow();
  EXPECT_EQ(PrintHeader().EventName, "Final");
  EXPECT_EQ(form.windowTitle(), Text(46));
  EXPECT_EQ(form.OkBtn->text(), Text(60));
  EXPECT_EQ(form.Range->text(), Text(62) + " 120 " + Text(44));
  EXPECT_EQ(form.edWidth->text(), "4800");
  EXPECT_EQ(form.edHeight->text(), "6800");
  EXPECT_EQ(form.edTMar->text(), "500");
  EXPECT_EQ(form.edGrid->text(), "185");
  EXPECT_EQ(form.edSPos->text(), "1");
  EXPECT_EQ(form.edEPos->text(), "120");
  EXPECT_EQ(form.cbNDiv->currentText(), "4");
  EXPECT_TRUE(form.rbTotal->isChecked());
  EXPECT_FALSE(form.edSPos->isEnabled());
  EXPECT_FALSE(form.edDNum->isEnabled());
  EXPECT_EQ(form.size(), QSize(379, 189));

  // Render it as a person would see it.
  const char* out = std::getenv("MOYO_DIALOG_PNG");
  if (out != nullptr) form.grab().save(out);
}

TEST_F(OwnkFormTest, RadioButtonsEnableTheirOwnFields) {
  auto status = Status();
  TOwnkForm form(nullptr, *status, printer_);
  form.SetupFromRecord(120, {});
  form.FormShow();
  form.rbSplit->click();
  EXPECT_TRUE(form.edDNum->isEnabled());
  EXPECT_TRUE(form.cbNDiv->isEnabled());
  EXPECT_FALSE(form.edSPos->isEnabled());
  EXPECT_FALSE(form.rbTotal->isChecked());
  form.rbRange->click();
  EXPECT_TRUE(form.edSPos->isEnabled());
  EXPECT_TRUE(form.edEPos->isEnabled());
  EXPECT_FALSE(form.edDNum->isEnabled());
  EXPECT_FALSE(form.rbSplit->isChecked());
  form.rbTotal->click();
  EXPECT_FALSE(form.edSPos->isEnabled());

  // A stored method of 4 checks none, and OK stores 4 again.
  options_.method = 4;
  TOwnkForm none(nullptr, *status, printer_);
  none.SetupFromRecord(120, {});
  none.FormShow();
  EXPECT_FALSE(none.rbTotal->isChecked() || none.rbRange->isChecked() || none.rbSplit->isChecked());
  EXPECT_EQ(none.Request().method, kPrintNoMethod);
  none.OkBtnClick();
  EXPECT_NE(IniText().find("method=4"), std::string::npos);
}

TEST_F(OwnkFormTest, LeavingAFieldCorrectsIt) {
  auto status = Status();
  TOwnkForm form(nullptr, *status, printer_);
  form.SetupFromRecord(120, {});
  form.FormShow();
  form.edTMar->setText("abc");
  form.edLMar->setText("400");
  form.edGrid->setText("250");
  // The focus leaving the field runs the check, as the user's Tab would.
  QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(form.edTMar, &focusOut);
  EXPECT_EQ(form.edTMar->text(), "500");
  EXPECT_EQ(form.edGrid->text(), "210");  // (4800 - 800) div 19

  form.rbRange->click();
  form.edSPos->setText("90");
  form.edEPos->setText("60");
  QApplication::sendEvent(form.edSPos, &focusOut);
  EXPECT_EQ(form.edSPos->text(), "60");
  form.edEPos->setText("300");
  form.edEPosExit();
  EXPECT_EQ(form.edEPos->text(), "120");
  form.edDNum->setText("0");
  form.edDNumExit();
  EXPECT_EQ(form.edDNum->text(), "1");
}

TEST_F(OwnkFormTest, OkStoresTheFieldsAndCancelStoresNothing) {
  auto status = Status();
  {
    TOwnkForm form(nullptr, *status, printer_);
    form.SetupFromRecord(120, {});
    form.FormShow();
    form.edTMar->setText("300");
    form.edGrid->setText("150");
    form.rbSplit->click();
    form.edDNum->setText("30");
    form.cbNDiv->setCurrentIndex(1);
    const std::string before = IniText();
    QTimer::singleShot(0, &form, [&form] { form.CCBtn->click(); });
    EXPECT_EQ(form.Execute(), TOwnkForm::kResultCancel);
    EXPECT_EQ(IniText(), before);
  }
  TOwnkForm form(nullptr, *status, printer_);
  form.SetupFromRecord(120, {});
  form.edTMar->setText("300");
  QTimer::singleShot(0, &form, [&form] {
    form.edTMar->setText("300");
    form.edGrid->setText("150");
    form.rbSplit->click();
    form.edDNum->setText("30");
    form.cbNDiv->setCurrentIndex(1);
    form.OkBtn->click();
  });
  EXPECT_EQ(form.Execute(), TOwnkForm::kResultOk);
  EXPECT_EQ(options_, (TPrintOptions{300, 400, 150, 30, 1, 3}));
  // A fresh start reads what OK stored.
  TPrintOptions reread;
  TZelStatus again(std::make_unique<platform::QtSettingsStore>(), reread);
  EXPECT_EQ(reread, options_);
  const TPrintRequest request = form.Request();
  EXPECT_EQ(request.method, kPrintSplit);
  EXPECT_EQ(request.movesPerDiagram, 30);
  EXPECT_EQ(request.page.gridSize, 150);
}

TEST_F(OwnkFormTest, OtherWindowsAreDisabledWhileItIsShown) {
  auto status = Status();
  QWidget viewer, other;
  viewer.show();
  other.show();
  TOwnkForm form(&viewer, *status, printer_);
  form.SetupFromRecord(10, {});
  bool otherDisabled = false, modal = false;
  QTimer::singleShot(0, &form, [&] {
    otherDisabled = !other.isEnabled();
    // The owner itself is blocked by the dialog's modality.
    modal = QApplication::activeModalWidget() == &form;
    form.CCBtnClick();
  });
  EXPECT_EQ(form.Execute(), TOwnkForm::kResultCancel);
  EXPECT_TRUE(otherDisabled);
  EXPECT_TRUE(modal);
  EXPECT_TRUE(other.isEnabled());
  EXPECT_TRUE(viewer.isEnabled());
}

}  // namespace
}  // namespace moyo
