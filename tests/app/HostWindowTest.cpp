// The host's window around the control, driven as a player drives it: files
// opened by path and by a drop, the View menu, the print command, the title.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/HostWindow.h"
#include "app/RecordFile.h"
#include "app/SgfExport.h"
#include "platform/Text.h"
#include "resources/Messages.h"
#include "tests/app/HostFixture.h"
#include "tests/app/LoopbackServer.h"
#include "tests/app/TempFolder.h"

namespace moyo {
namespace {

using test::Host;
using test::NoticeAnswerer;

QAction* MenuAction(QWidget& window, const QString& text) {
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->text() == text) return action;
  }
  return nullptr;
}

// Drops `files` on the window as a file manager would.
bool DropFiles(QWidget& window, const std::vector<std::filesystem::path>& files) {
  QMimeData data;
  QList<QUrl> urls;
  for (const auto& file : files) urls << QUrl::fromLocalFile(QString::fromStdString(file.string()));
  data.setUrls(urls);
  const QPoint centre = window.rect().center();
  QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
  return drop.isAccepted();
}

class HostWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Host().module);
    // Names that are not files go to a web server that is not there.
    const std::string nowhere = "127.0.0.1:" + std::to_string(test::UnusedLoopbackPort());
    setenv("MOYOSCOPE_WEB_SERVER", nowhere.c_str(), 1);
    files_.Write("first.gib", "(;EV[Cup]PB[Kim]PW[Lee];B[pd];W[dp])");
    files_.Write("second.gib", "(;EV[Cup]PB[Park]PW[Choi];B[dd];W[pp];B[qd])");
    files_.Write("notes.txt", "");
    std::string error;
    ASSERT_TRUE(window_.CreateControl(error)) << error;
    window_.show();
  }

  QImage FormPicture() { return window_.Site().Form()->grab().toImage(); }

  test::TempFolder files_;
  app::THostWindow window_{*Host().module, "1", {}};
};

TEST_F(HostWindowTest, OpensByPathAndByDropAndNamesThePlayersInTheTitle) {
  std::string error;
  ASSERT_TRUE(window_.Open((files_.Path() / "first.gib").string(), error)) << error;
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Kim(흑) 대 Lee(백) - first.gib - Moyoscope"));
  const QImage first = FormPicture();

  ASSERT_TRUE(DropFiles(window_, {files_.Path() / "second.gib"}));
  EXPECT_EQ(window_.ShownFile(), files_.Path() / "second.gib");
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Park(흑) 대 Choi(백) - second.gib - Moyoscope"));
  EXPECT_NE(FormPicture(), first);

  // Dropping the first file again shows exactly what opening it by path showed.
  ASSERT_TRUE(DropFiles(window_, {files_.Path() / "first.gib"}));
  EXPECT_EQ(FormPicture(), first);

  // Something that is not a file is not taken.
  QMimeData text;
  text.setText("just words");
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window_, &enter);
  EXPECT_FALSE(enter.isAccepted());
}

TEST_F(HostWindowTest, FileCommandsHaveTheUsualShortcuts) {
  const std::pair<const char*, const char*> commands[] = {
      {"열기(&O)…", "Ctrl+O"},
      {"SGF로 저장(&S)…", "Ctrl+S"},
      {"인쇄(&P)…", "Ctrl+P"},
      {"끝내기(&Q)", "Ctrl+Q"},
  };
  for (const auto& [text, key] : commands) {
    QAction* action = MenuAction(window_, QString::fromUtf8(text));
    ASSERT_NE(action, nullptr) << text;
    EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(key))) << text;
  }
  // Nothing to save before a file of the player's own is shown.
  EXPECT_FALSE(MenuAction(window_, QStringLiteral("SGF로 저장(&S)…"))->isEnabled());
}

TEST_F(HostWindowTest, AFileThatCannotBeShownLeavesTheShownRecordInPlace) {
  std::string error;
  ASSERT_TRUE(window_.Open((files_.Path() / "first.gib").string(), error)) << error;
  QWidget* form = window_.Site().Form();
  const QImage shown = FormPicture();
  EXPECT_FALSE(window_.Open((files_.Path() / "gone.gib").string(), error));
  EXPECT_FALSE(window_.Open((files_.Path() / "notes.txt").string(), error));  // empty: no record
  EXPECT_FALSE(window_.Open("file://elsewhere/first.gib", error));
  EXPECT_EQ(error, "not a file on this machine");
  // Dropped, a file that is no record is refused in a message to the player.
  NoticeAnswerer messages;
  DropFiles(window_, {files_.Path() / "notes.txt"});
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_TRUE(messages.texts[0].starts_with("기보를 열 수 없습니다.")) << messages.texts[0];
  EXPECT_EQ(window_.Site().Form(), form);
  EXPECT_EQ(window_.ShownFile(), files_.Path() / "first.gib");
  EXPECT_EQ(FormPicture(), shown);
  EXPECT_TRUE(MenuAction(window_, QStringLiteral("SGF로 저장(&S)…"))->isEnabled());
}

TEST_F(HostWindowTest, StoneSoundSettingReachesEveryControlAndIsKept) {
  QAction* sound = MenuAction(window_, QStringLiteral("돌 소리(&S)"));
  ASSERT_NE(sound, nullptr);
  ASSERT_TRUE(sound->isChecked());
  sound->setChecked(false);
  EXPECT_EQ(window_.Site().Form()->property("stoneSound"), QVariant(false));
  std::string error;
  ASSERT_TRUE(window_.Open((files_.Path() / "first.gib").string(), error)) << error;
  EXPECT_EQ(window_.Site().Form()->property("stoneSound"), QVariant(false));

  app::THostWindow next(*Host().module, "1", {});
  EXPECT_FALSE(MenuAction(next, QStringLiteral("돌 소리(&S)"))->isChecked());
  sound->setChecked(true);
}

TEST_F(HostWindowTest, SaveAsSgfWritesTheRecordThatReadsBackTheSame) {
  const std::filesystem::path target = files_.Path() / "out" / "first.sgf";
  std::filesystem::create_directories(target.parent_path());
  ASSERT_EQ(app::SaveRecordAsSgf(files_.Path() / "first.gib", "1", target), "");
  EXPECT_FALSE(std::filesystem::exists(target.string() + ".part"));
  auto original = std::make_unique<TGameRecord>();
  auto again = std::make_unique<TGameRecord>();
  ASSERT_FALSE(app::LoadRecordFile((files_.Path() / "first.gib").string(),
                                   app::RecordFormat::Tagged, "1", *original)
                   .failed);
  ASSERT_FALSE(app::LoadRecordFile(target.string(), app::RecordFormat::Tagged, "1", *again).failed);
  EXPECT_EQ(again->info.blackName, original->info.blackName);
  EXPECT_EQ(again->info.whiteName, original->info.whiteName);
  ASSERT_EQ(again->moveCount, original->moveCount);
  for (int i = 0; i < original->moveCount; ++i) {
    EXPECT_EQ(again->moves[i].x, original->moves[i].x) << i;
    EXPECT_EQ(again->moves[i].y, original->moves[i].y) << i;
  }

  // A failed save leaves what was there: no record to read, no folder to write in.
  files_.Write("kept.sgf", "the player's own");
  EXPECT_NE(app::SaveRecordAsSgf(files_.Path() / "notes.txt", "1", files_.Path() / "kept.sgf"), "");
  EXPECT_NE(
      app::SaveRecordAsSgf(files_.Path() / "first.gib", "1", files_.Path() / "no-folder" / "x.sgf"),
      "");
  std::ifstream kept(files_.Path() / "kept.sgf");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "the player's own");
}

// The form owns turning its board; the menu sends the form's own shortcut.
TEST_F(HostWindowTest, TurnBoardSendsTheFormsShortcutToTheForm) {
  struct KeySpy : QObject {
    std::vector<QKeyCombination> keys;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::KeyPress) {
        keys.push_back(static_cast<QKeyEvent*>(event)->keyCombination());
      }
      return false;
    }
  } spy;
  window_.Site().Form()->installEventFilter(&spy);
  QAction* turn = MenuAction(window_, QStringLiteral("바둑판 180° 돌리기(&T)"));
  ASSERT_NE(turn, nullptr);
  turn->trigger();
  window_.Site().Form()->removeEventFilter(&spy);
  ASSERT_EQ(spy.keys.size(), 1u);
  EXPECT_EQ(spy.keys[0], QKeyCombination(Qt::ControlModifier, Qt::Key_R));
}

TEST_F(HostWindowTest, PrintGoesThroughTheFormsPrintButtonAndItsRules) {
  // A member without full membership is refused printing by the button itself.
  app::THostWindow limited(*Host().module, "0", {});
  std::string error;
  ASSERT_TRUE(limited.CreateControl(error)) << error;
  ASSERT_TRUE(limited.Open((files_.Path() / "first.gib").string(), error)) << error;
  NoticeAnswerer notices;
  QAction* print = MenuAction(limited, QStringLiteral("인쇄(&P)…"));
  ASSERT_NE(print, nullptr);
  print->trigger();
  ASSERT_EQ(notices.texts.size(), 1u);
  EXPECT_EQ(notices.texts[0], platform::Cp949ToUtf8(Message(30)));
}

}  // namespace
}  // namespace moyo
