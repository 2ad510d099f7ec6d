// The page's reference panel paints the very pixels of the desktop window's
// board, through a diagram, its start, trial mode and back, turned or not
// (text aside, which is the browser's in the page).

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <string>
#include <vector>

#include "paint/TZelGoPB.h"
#include "platform/qt/QtBitmapStore.h"
#include "platform/qt/QtPaintBox.h"
#include "refdiagram/qt/TCHelpForm.h"
#include "refdiagram/qt/THelpNavButton.h"
#include "tests/web/ReferenceTestSupport.h"
#include "tests/web/RgbaTestSupport.h"
#include "web/ReferencePanel.h"
#include "web/WebArtwork.h"

namespace moyo::web {
namespace {

using platform::MouseButton;
using test::OpenReference;

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

TEST(ReferencePixelTest, BoardIsTheDesktopWindowsPixelForPixel) {
  platform::QtBitmapStore store;
  WebArtwork artwork;
  for (const char* name : {"baseb", "bedge", "gedge", "bs14", "ws14", "bm14", "wm14"}) {
    artwork.Add(name, test::ToRgba(store.FindQt(name)->Image()));
  }
  test::NoText text;
  TGameRecord record;
  test::LoadCommentedSample(record);
  std::vector<const TCommentEntry*> diagrams;
  for (int i = 0; i < record.commentCount; ++i) {
    if (record.comments[i].kind == kReferenceDiagram) diagrams.push_back(&record.comments[i]);
  }
  ASSERT_EQ(diagrams.size(), 2u);
  for (bool flipped : {false, true}) {
    for (const TCommentEntry* diagram : diagrams) {
      const auto game = test::GameAfter(record, diagram->moveNo);
      TwoWindows windows(artwork, text);
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
