// The widget kit: docking, four-frame and grouped buttons, and the link memo.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFragment>
#include <array>
#include <vector>

#include "kit/TBevel.h"
#include "kit/TDockPanel.h"
#include "kit/TFrameButton.h"
#include "kit/TImagePanel.h"
#include "kit/TLinkMemo.h"
#include "platform/Text.h"

namespace moyo::kit {
namespace {

class KitTest : public ::testing::Test {
 protected:
};

QWidget* Child(TDockPanel& panel, int width, int height) {
  auto* child = new QWidget(&panel);
  child->resize(width, height);
  return child;
}

TEST_F(KitTest, DockedChildrenTakeTheirEdgesInDockingOrderAndTheClientFillsTheRest) {
  TDockPanel panel;
  panel.resize(537, 628);
  QWidget* top = Child(panel, 10, 26);
  QWidget* bottom = Child(panel, 10, 37);
  QWidget* left = Child(panel, 13, 10);
  QWidget* client = Child(panel, 1, 1);
  panel.DockChild(top, Dock::Top);
  panel.DockChild(bottom, Dock::Bottom);
  panel.DockChild(left, Dock::Left);
  panel.DockChild(client, Dock::Client);
  panel.show();

  EXPECT_EQ(top->geometry(), QRect(0, 0, 537, 26));
  EXPECT_EQ(bottom->geometry(), QRect(0, 591, 537, 37));
  EXPECT_EQ(left->geometry(), QRect(0, 26, 13, 565));
  EXPECT_EQ(client->geometry(), QRect(13, 26, 524, 565));

  // A docked child that changes its own height moves the ones after it.
  bottom->resize(bottom->width(), 100);
  EXPECT_EQ(bottom->geometry(), QRect(0, 528, 537, 100));
  EXPECT_EQ(client->geometry(), QRect(13, 26, 524, 502));

  // A hidden child gives its room back; the panel's own resize re-places all.
  top->hide();
  EXPECT_EQ(client->geometry(), QRect(13, 0, 524, 528));
  panel.resize(600, 700);
  EXPECT_EQ(client->geometry(), QRect(13, 0, 587, 600));
  // A deleted child is forgotten; the panel and its own deletion stay safe.
  delete left;
  panel.resize(600, 701);
  EXPECT_EQ(client->geometry(), QRect(0, 0, 600, 601));
}

TEST_F(KitTest, DockingHappensWhileThePanelIsStillHiddenAndABevelInsetsTheChildren) {
  TDockPanel panel;
  panel.resize(100, 80);
  panel.SetBevel(BevelKind::Lowered, 2);
  QWidget* right = Child(panel, 30, 5);
  QWidget* client = Child(panel, 1, 1);
  panel.DockChild(right, Dock::Right);
  panel.DockChild(client, Dock::Client);
  EXPECT_EQ(right->geometry(), QRect(68, 2, 30, 76));
  EXPECT_EQ(client->geometry(), QRect(2, 2, 66, 76));

  // Children larger than the room left are cut to it, never placed outside.
  right->resize(500, 5);
  panel.Relayout();
  EXPECT_EQ(right->geometry(), QRect(2, 2, 96, 76));
  EXPECT_EQ(client->geometry().width(), 0);
}

TEST_F(KitTest, ResizeEventReachesTheOwnerAfterTheChildrenArePlaced) {
  TDockPanel panel;
  QWidget* client = Child(panel, 1, 1);
  panel.DockChild(client, Dock::Client);
  panel.show();
  QSize seen;
  panel.OnResize = [&] { seen = client->size(); };
  panel.resize(320, 240);
  EXPECT_EQ(seen, QSize(320, 240));
}

TEST_F(KitTest, DockedChildKeepsItsOwnSizeAndIsLaidOutSmallerOnlyWhileSpaceIsShort) {
  // The right-hand side of the viewer: game information on top, the play
  // controls at the bottom, and a narrow window squeezing the whole column.
  TDockPanel form;
  form.resize(789, 628);
  auto* column = new TDockPanel(&form);
  column->resize(252, 10);
  QWidget* client = Child(form, 1, 1);
  form.DockChild(column, Dock::Right);
  form.DockChild(client, Dock::Client);
  QWidget* info = Child(*column, 10, 266);
  QWidget* moves = Child(*column, 10, 101);
  column->DockChild(info, Dock::Top);
  column->DockChild(moves, Dock::Bottom);
  form.show();

  form.resize(789, 300);
  EXPECT_EQ(moves->height(), 34) << "only what the top panel left";
  form.resize(789, 628);
  EXPECT_EQ(info->geometry(), QRect(0, 0, 252, 266));
  EXPECT_EQ(moves->geometry(), QRect(0, 527, 252, 101));

  form.resize(200, 628);
  EXPECT_EQ(column->width(), 200);
  form.resize(789, 628);
  EXPECT_EQ(column->geometry(), QRect(537, 0, 252, 628));
  EXPECT_EQ(client->width(), 537);

  // A size the owner gives while space is short is the one kept afterwards.
  form.resize(789, 300);
  moves->resize(moves->width(), 38);
  form.resize(789, 628);
  EXPECT_EQ(moves->geometry(), QRect(0, 590, 252, 38));
}

// Whether every pixel of `rect` in `image` has `colour`.
bool AllPixels(const QImage& image, const QRect& rect, QRgb colour) {
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (image.pixel(x, y) != colour) return false;
    }
  }
  return true;
}

TEST_F(KitTest, BevelsCoverTheirWholeWidthOnePixelRingAtATime) {
  const QRgb shadow = qRgb(128, 128, 128);
  const QRgb light = qRgb(255, 255, 255);
  // A 2-pixel separator line: a shadow row over a light row.
  TBevel across;
  across.resize(233, 2);
  const QImage line = across.grab().toImage();
  EXPECT_TRUE(AllPixels(line, QRect(0, 0, 232, 1), shadow));
  EXPECT_TRUE(AllPixels(line, QRect(0, 1, 233, 1), light));
  EXPECT_EQ(line.pixel(232, 0), light);
  // Standing up: a shadow column beside a light column.
  TBevel upright;
  upright.resize(2, 20);
  const QImage column = upright.grab().toImage();
  EXPECT_TRUE(AllPixels(column, QRect(0, 0, 1, 19), shadow));
  EXPECT_TRUE(AllPixels(column, QRect(1, 0, 1, 20), light));
  EXPECT_TRUE(AllPixels(column, QRect(0, 19, 2, 1), light));

  // The board's frame: a lowered bevel two pixels wide on every side.
  TDockPanel frame;
  frame.resize(40, 30);
  frame.SetColour(QColor(229, 229, 229));
  frame.SetBevel(BevelKind::Lowered, 2);
  const QImage panel = frame.grab().toImage();
  for (int ring = 0; ring < 2; ++ring) {
    EXPECT_TRUE(AllPixels(panel, QRect(ring, ring, 39 - 2 * ring, 1), shadow)) << ring;
    EXPECT_TRUE(AllPixels(panel, QRect(ring, ring, 1, 29 - 2 * ring), shadow)) << ring;
    EXPECT_TRUE(AllPixels(panel, QRect(ring, 29 - ring, 40 - 2 * ring, 1), light)) << ring;
    EXPECT_TRUE(AllPixels(panel, QRect(39 - ring, ring, 1, 30 - 2 * ring), light)) << ring;
  }
  EXPECT_TRUE(AllPixels(panel, QRect(2, 2, 36, 26), qRgb(229, 229, 229)));
}

QPixmap FourColours(int frameWidth, int height) {
  QImage strip(frameWidth * 4, height, QImage::Format_RGB32);
  const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
  for (int x = 0; x < strip.width(); ++x) {
    for (int y = 0; y < height; ++y) strip.setPixel(x, y, colours[x / frameWidth]);
  }
  return QPixmap::fromImage(strip);
}

QRgb CentrePixel(QWidget& widget) {
  return widget.grab().toImage().pixel(widget.width() / 2, widget.height() / 2);
}

TEST_F(KitTest, FrameButtonPaintsTheFrameOfItsState) {
  QWidget parent;
  TFrameButton button(&parent);
  button.setGeometry(0, 0, 39, 20);
  button.SetGlyph(FourColours(39, 20));
  parent.show();
  EXPECT_EQ(button.CurrentFrame(), TFrameButton::kUp);
  EXPECT_EQ(CentrePixel(button), qRgb(255, 0, 0));
  button.setEnabled(false);
  EXPECT_EQ(button.CurrentFrame(), TFrameButton::kDisabled);
  EXPECT_EQ(CentrePixel(button), qRgb(0, 255, 0));
  button.setEnabled(true);
  button.setDown(true);
  EXPECT_EQ(button.CurrentFrame(), TFrameButton::kDown);
  EXPECT_EQ(CentrePixel(button), qRgb(255, 255, 0));
}

TEST_F(KitTest, GroupedButtonsKeepExactlyOneDownAndReportClicksWithTheirTag) {
  QWidget parent;
  TFrameButton a(&parent), b(&parent), c(&parent), other(&parent);
  for (TFrameButton* button : {&a, &b, &c}) button->SetGroupIndex(1);
  other.SetGroupIndex(2);
  a.tag = 0;
  b.tag = 1;
  c.tag = 2;
  std::vector<int> clicked;
  for (TFrameButton* button : {&a, &b, &c}) {
    button->OnClick = [&](TFrameButton& sender) { clicked.push_back(sender.tag); };
  }
  a.SetDownInGroup(true);
  other.SetDownInGroup(true);

  b.click();
  EXPECT_FALSE(a.IsDownInGroup());
  EXPECT_TRUE(b.IsDownInGroup());
  EXPECT_TRUE(other.IsDownInGroup()) << "another group is untouched";
  b.click();
  EXPECT_TRUE(b.IsDownInGroup()) << "clicking the chosen one keeps it down";
  c.click();
  EXPECT_FALSE(b.IsDownInGroup());
  EXPECT_TRUE(c.IsDownInGroup());
  EXPECT_EQ(clicked, (std::vector<int>{1, 1, 2}));

  // An ungrouped button never stays down.
  TFrameButton plain(&parent);
  plain.click();
  EXPECT_FALSE(plain.isChecked());
}

TEST_F(KitTest, GroupedButtonsStayARadioGroupUnderMouseClicks) {
  // The viewer's four mode buttons, chosen with the mouse as a player does.
  QWidget parent;
  parent.resize(240, 30);
  TFrameButton gibo(&parent), black(&parent), white(&parent), both(&parent);
  const std::array<TFrameButton*, 4> modes{&gibo, &black, &white, &both};
  for (int i = 0; i < 4; ++i) {
    modes[i]->setGeometry(60 * i, 5, 56, 20);
    modes[i]->SetGroupIndex(1);
  }
  gibo.SetDownInGroup(true);
  parent.show();

  auto downOnes = [&] {
    std::vector<TFrameButton*> down;
    for (TFrameButton* button : modes) {
      if (button->IsDownInGroup()) down.push_back(button);
    }
    return down;
  };
  for (TFrameButton* chosen : {&black, &white, &both, &both, &gibo, &white}) {
    QTest::mouseClick(chosen, Qt::LeftButton);
    EXPECT_EQ(downOnes(), std::vector<TFrameButton*>{chosen});
    for (TFrameButton* button : modes) {
      EXPECT_EQ(button->CurrentFrame() == TFrameButton::kDown, button == chosen);
    }
  }
}

std::string Cp(const char* utf8) {
  return platform::Utf8ToCp949(utf8);
}

TEST_F(KitTest, LinkMemoKeepsLinesAndReportsLinkOffsetsIntoItsText) {
  TLinkMemo memo;
  int start = -1, stop = -1;
  memo.OnLinkClick = [&](int a, int b) {
    start = a;
    stop = b;
  };
  memo.AddLine(std::string(TLinkMemo::kStartMarker) + TLinkMemo::kStopMarker);
  memo.AddLine("");
  memo.AddLine(Cp("흑 좋은 수") + "\r\nsecond line");
  memo.AddLine(std::string(TLinkMemo::kStartMarker) + Cp("참고도 35-2") + TLinkMemo::kStopMarker);

  ASSERT_EQ(memo.LineCount(), 5);
  EXPECT_EQ(memo.Line(3), "second line");
  EXPECT_EQ(memo.Line(9), "");
  ASSERT_EQ(memo.Links().size(), 2u);
  const std::string text = memo.Text();
  memo.ClickLink(1);
  ASSERT_GE(start, 0);
  EXPECT_EQ(text.substr(start + 3, stop - start - 6), Cp("참고도 35-2"));
  EXPECT_EQ(static_cast<std::size_t>(stop), text.size());
  memo.ClickLink(2);  // out of range: nothing
  EXPECT_EQ(static_cast<std::size_t>(stop), text.size());

  // The markers never show; the words do, in the same lines.
  const QStringList shown = memo.toPlainText().split(QChar('\n'));
  ASSERT_EQ(shown.size(), 5);
  EXPECT_EQ(shown[0], "");
  EXPECT_EQ(shown[2], QString::fromUtf8("흑 좋은 수"));
  EXPECT_EQ(shown[4], QString::fromUtf8("참고도 35-2"));

  memo.Clear();
  EXPECT_EQ(memo.LineCount(), 0);
  EXPECT_TRUE(memo.Links().empty());
  EXPECT_EQ(memo.Text(), "");
}

TEST_F(KitTest, LinkMemoShowsRecordTextAsPlainTextAndLinksUnderlinedInTheLinkColour) {
  TLinkMemo memo;
  memo.AddLine("<b>bold?</b> &amp; <a href=\"x\">no</a>");
  memo.AddLine(std::string("see ") + TLinkMemo::kStartMarker + "diagram" + TLinkMemo::kStopMarker +
               " then");
  memo.AddLine(std::string("stray ") + TLinkMemo::kStartMarker + "open");
  const QStringList shown = memo.toPlainText().split(QChar('\n'));
  EXPECT_EQ(shown[0], "<b>bold?</b> &amp; <a href=\"x\">no</a>");
  EXPECT_EQ(shown[1], "see diagram then");
  EXPECT_EQ(shown[2], "stray open");
  EXPECT_EQ(memo.Links().size(), 1u);

  const QTextBlock block = memo.document()->findBlockByNumber(1);
  bool sawLink = false;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    const bool isLink = fragment.text() == "diagram";
    EXPECT_EQ(fragment.charFormat().isAnchor(), isLink);
    if (!isLink) continue;
    sawLink = true;
    EXPECT_TRUE(fragment.charFormat().fontUnderline());
    EXPECT_EQ(fragment.charFormat().foreground().color(), QColor(0, 0, 160));
  }
  EXPECT_TRUE(sawLink);
  EXPECT_TRUE(memo.isReadOnly());
  EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(KitTest, ImagePanelTilesItsWallpaper) {
  TImagePanel panel;
  panel.resize(100, 37);
  QImage tile(44, 35, QImage::Format_RGB32);
  tile.fill(qRgb(10, 20, 30));
  tile.setPixel(0, 0, qRgb(200, 0, 0));
  panel.SetWallpaper(QPixmap::fromImage(tile));
  const QImage shown = panel.grab().toImage();
  EXPECT_EQ(shown.pixel(44, 0), qRgb(200, 0, 0));
  EXPECT_EQ(shown.pixel(88, 35), qRgb(200, 0, 0));
  EXPECT_EQ(shown.pixel(50, 20), qRgb(10, 20, 30));
}

}  // namespace
}  // namespace moyo::kit
