// The page's reference panel: it opens as the desktop window does when the
// viewer shows it, keeps what its controls show, and paints the very pixels of
// the desktop window's board (text aside, which is the browser's in the page).

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/RecordFile.h"
#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "platform/Text.h"
#include "platform/qt/QtBitmapStore.h"
#include "platform/qt/QtPaintBox.h"
#include "record/RecordReplay.h"
#include "refdiagram/qt/TCHelpForm.h"
#include "refdiagram/qt/THelpNavButton.h"
#include "tests/web/RgbaTestSupport.h"
#include "web/ReferencePanel.h"
#include "web/WebArtwork.h"

namespace moyo::web {
namespace {

using platform::MouseButton;

std::string Utf8(const std::string& cp949) {
  return platform::Cp949ToUtf8(cp949);
}

class ReferencePanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"baseb", "bedge", "gedge", "bs14", "ws14", "bm14", "wm14"}) {
      artwork_.Add(name, test::ToRgba(store_.FindQt(name)->Image()));
    }
    const char* root = std::getenv("MOYO_SOURCE_DIR");
    const std::string path =
        std::string(root != nullptr ? root : ".") + "/samples/selfplay-commented-ko-fight.gib";
    ASSERT_FALSE(app::LoadRecordFile(path, app::RecordFormat::Tagged, "1", record_).failed);
  }

  // The game's position after move, with the line played so far.
  std::unique_ptr<TBoardSnapshot> Game(int move) const {
    TGoBoard board;
    ReplayRecord(record_, move, board);
    auto snapshot = std::make_unique<TBoardSnapshot>();
    board.SavePosition(*snapshot);
    return snapshot;
  }

  // The record's reference diagrams, in record order.
  std::vector<const TCommentEntry*> Diagrams() const {
    std::vector<const TCommentEntry*> diagrams;
    for (int i = 0; i < record_.commentCount; ++i) {
      if (record_.comments[i].kind == kReferenceDiagram) diagrams.push_back(&record_.comments[i]);
    }
    return diagrams;
  }

  platform::QtBitmapStore store_;
  WebArtwork artwork_;
  test::NoText text_;
  TGameRecord record_;
};

// What the viewer does with its reference window when a link is clicked.
template <typename Window>
void OpenReference(Window& window, const TBoardSnapshot& game, bool flipped,
                   const std::string& diagram) {
  window.ShowPosition(19, game, flipped, false);
  window.ShowWindow();
  window.LoadDiagram(diagram);
}

TEST_F(ReferencePanelTest, OpensLikeTheDesktopWindowAndIsReusedAfterClosing) {
  int shown = 0;
  bool openWhenShown = false;
  ReferencePanelWindow window(artwork_, text_, [&](ReferencePanel& panel) {
    ++shown;
    openWhenShown = panel.IsOpen();
  });
  const ReferencePanel& panel = window.Panel();
  EXPECT_FALSE(panel.IsOpen());
  EXPECT_EQ(Utf8(panel.State().caption), "참고도");
  EXPECT_EQ(Utf8(panel.State().trialCaption), "검토");
  // The desktop window's board area, 294 x 280, holds cells of 14 pixels.
  EXPECT_EQ(panel.Session().Painter().CellSize(), 14);
  EXPECT_EQ(panel.State().boardLeft, 14);
  EXPECT_EQ(panel.State().boardTop, 7);
  EXPECT_EQ(panel.State().buttons[0].left, 0);
  EXPECT_EQ(panel.State().buttons[4].left, 236);
  EXPECT_EQ(panel.State().buttons[4].width, 57);

  OpenReference(window, *Game(4), false, "ACACDDQQ\\!\\!Note");
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(openWhenShown);
  EXPECT_EQ(Utf8(panel.State().caption), "1수 참고도");
  EXPECT_EQ(panel.State().memo, "Note");
  EXPECT_EQ(panel.Session().Board().MoveCount(), 3);

  // Letters chosen while open survive another opening, as an open window's do.
  window.Panel().SetMarking(true);
  window.Panel().ChooseLetter(3);
  OpenReference(window, *Game(10), false, "AFABEE\\!\\!");
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(Utf8(panel.State().caption), "4수 참고도");
  EXPECT_TRUE(panel.State().marking);
  EXPECT_EQ(panel.State().letter, 3);

  // Closed and opened again, it starts over like a window being shown.
  window.Panel().Close();
  EXPECT_FALSE(panel.IsOpen());
  OpenReference(window, *Game(10), false, "AFABEE\\!\\!");
  EXPECT_EQ(shown, 3);
  EXPECT_TRUE(panel.IsOpen());
  EXPECT_FALSE(panel.State().marking);
  EXPECT_EQ(panel.State().letter, 0);
  EXPECT_FALSE(panel.State().trialTools);
}

TEST_F(ReferencePanelTest, LetterToolsKeepWhatTheControlsShow) {
  ReferencePanelWindow window(artwork_, text_, {});
  ReferencePanel& panel = window.Panel();
  OpenReference(window, *Game(4), false, "ACACDDQQ\\!\\!");
  panel.Session().navButtonClick(4);
  EXPECT_TRUE(panel.State().trialTools);
  EXPECT_EQ(Utf8(panel.State().trialCaption), "마침");
  EXPECT_EQ(panel.State().area, TDiagramSession::kTrialAreaColour);

  panel.SetMarking(true);
  panel.ChooseLetter(25);
  const int cell = panel.Session().Painter().CellSize();
  panel.MouseDown(MouseButton::Left, 9 * cell + 2, 9 * cell + 2);
  EXPECT_EQ(panel.Session().Painter().MarkAt(10, 10), 625);  // 'Z'
  EXPECT_EQ(panel.State().letter, 0);                        // and 'A' comes next
  // A choice outside the list counts as 'A', as the session takes it.
  panel.ChooseLetter(40);
  EXPECT_EQ(panel.State().letter, 0);
  panel.SetMarking(false);
  EXPECT_FALSE(panel.State().marking);
}

// The desktop window and the page's panel side by side, driven alike: the
// desktop through its widgets, the panel through what the page calls.
struct TwoWindows {
  TCHelpForm desktop;
  ReferencePanelWindow page;

  TwoWindows(WebArtwork& artwork, TextPainter& text) : page(artwork, text, {}) {}

  void Button(int tag) {
    desktop.Widgets().Buttons[static_cast<std::size_t>(tag)]->click();
    page.Panel().Session().navButtonClick(tag);
  }
  // A left press at the middle of the cell drawn at (x, y).
  void Press(int x, int y) {
    const int cell = page.Panel().Session().Painter().CellSize();
    const QPointF at((x - 1) * cell + cell / 2, (y - 1) * cell + cell / 2);
    QWidget* box = desktop.Widgets().HelpPB;
    QMouseEvent press(QEvent::MouseButtonPress, at, box->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    page.Panel().MouseDown(MouseButton::Left, static_cast<int>(at.x()), static_cast<int>(at.y()));
  }
  void Marking(bool on) {
    desktop.Widgets().cbMark->setChecked(on);
    page.Panel().SetMarking(on);
  }

  // Where the two boards differ, away from the points that carry text
  // (numbers and letters, which the page draws with the browser's rasteriser).
  std::string FirstDifference() {
    const RgbaImage& shown = page.Panel().PaintBox().Image();
    const RgbaImage wanted = test::ToRgba(desktop.Widgets().HelpPB->Image());
    if (shown.width != wanted.width || shown.height != wanted.height) return "sizes differ";
    const TZelGoPB& painter = page.Panel().Session().Painter();
    const int cell = painter.CellSize();
    for (int y = 0; y < shown.height; ++y) {
      for (int x = 0; x < shown.width; ++x) {
        int px = x / cell + 1, py = y / cell + 1;
        if (painter.Flipped()) px = 20 - px, py = 20 - py;
        const int mark = painter.MarkAt(px, py);
        if ((mark >= 1 && mark <= 500) || (mark >= 600 && mark <= 693)) continue;
        if (!std::equal(shown.At(x, y), shown.At(x, y) + 3, wanted.At(x, y)))
          return "pixel " + std::to_string(x) + "," + std::to_string(y);
      }
    }
    return "";
  }
};

TEST_F(ReferencePanelTest, BoardIsTheDesktopWindowsPixelForPixel) {
  ASSERT_EQ(Diagrams().size(), 2u);
  for (bool flipped : {false, true}) {
    for (const TCommentEntry* diagram : Diagrams()) {
      const auto game = Game(diagram->moveNo);
      TwoWindows windows(artwork_, text_);
      OpenReference(windows.desktop, *game, flipped, diagram->text);
      OpenReference(windows.page, *game, flipped, diagram->text);
      const std::string what =
          "move " + std::to_string(diagram->moveNo) + (flipped ? " flipped" : "");
      EXPECT_EQ(windows.FirstDifference(), "") << what;

      windows.Button(0);
      EXPECT_EQ(windows.FirstDifference(), "") << what << " at the start";
      // A trial move in a corner and a letter in another, then back.
      windows.Button(4);
      windows.Press(1, 1);
      windows.Marking(true);
      windows.Press(19, 1);
      EXPECT_EQ(windows.FirstDifference(), "") << what << " in trial";
      windows.Button(4);
      EXPECT_EQ(windows.FirstDifference(), "") << what << " after trial";
    }
  }
}

}  // namespace
}  // namespace moyo::web
