// A loaded record on the form: the game information labels, the board's
// size in its panel, the memo and its links, and the news panel. What the
// session does with a record is tested on it alone (tests/viewer).

#include <QLabel>
#include <algorithm>

#include "kit/TDockPanel.h"
#include "kit/TFrameButton.h"
#include "kit/TLinkMemo.h"
#include "paint/TZelGoPB.h"
#include "platform/qt/QtPaintBox.h"
#include "tests/control/FormFixture.h"

namespace moyo::test {
namespace {

std::string Label(QLabel* label) {
  return label->text().toStdString();
}
std::string Info(TMoyoscope& form, int line) {
  return Label(form.Components().infoLines[static_cast<std::size_t>(line - 1)]);
}
std::string Head(int caption) {
  return Utf8Message(13) + "  " + Utf8Message(caption);
}

TGiboInfo EvenGame() {
  TGiboInfo info;
  info.title = Cp("제1회 모요배 결승");
  info.date = "2026-12-08";
  info.place = Cp("서울");
  info.blackName = Cp("이흑돌");
  info.whiteName = Cp("김백돌");
  info.blackRank = Cp("9단");
  info.whiteRank = Cp("8단");
  info.mainTime = Cp("3시간");
  info.byoyomiTime = "30";
  info.byoyomiCount = "3";
  info.komi = "6.5";
  info.result = Cp("백 불계승");
  return info;
}

class LoadedForm : public ::testing::Test {
 protected:
  void Load(const TGiboInfo& info, int moves) {
    FillRecord(*t.form, LegalGame(moves));
    for (const TCommentEntry& entry : comments) {
      t.form->Record().AddComment(entry.moveNo, entry.kind, entry.text);
    }
    t.form->Record().info = info;
    t.form->ApplyRecord();
  }
  // A commentary item of the records loaded from now on.
  void Comment(int move, std::int16_t kind, const char* utf8) {
    comments.push_back({Cp(utf8), move, kind});
  }
  std::vector<std::string> MemoLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < t.form->Components().commentM->LineCount(); ++i) {
      lines.push_back(platform::Cp949ToUtf8(t.form->Components().commentM->Line(i)));
    }
    return lines;
  }
  static std::string LinkLine(const std::string& utf8) {
    return "\x03\x03\x03" + utf8 + "\x04\x04\x04";
  }

  TestForm t;
  std::vector<TCommentEntry> comments;
};

TEST_F(LoadedForm, EvenGameLabelsReadAsTheRecordSays) {
  Load(EvenGame(), 4);
  TMoyoscope& form = *t.form;
  EXPECT_EQ(Label(form.Components().eventNameL), "제1회 모요배 결승");
  EXPECT_EQ(Info(form, 1), Head(14) + " : 2026-12-08");
  EXPECT_EQ(Info(form, 2), Head(15) + " : 서울");
  EXPECT_EQ(Info(form, 3), Head(16) + " : 3시간");
  EXPECT_EQ(Info(form, 4), Head(17) + "   : 30초 3회");
  EXPECT_EQ(Info(form, 5), Head(22) + "          : 6.5");
  EXPECT_EQ(Info(form, 6), Head(24) + " : 백 불계승");
  EXPECT_EQ(Label(form.Components().bPlayerL), "이흑돌");
  EXPECT_EQ(Label(form.Components().BGlvlL), "9단");
  EXPECT_EQ(Label(form.Components().wPlayerL), "김백돌");
  EXPECT_EQ(Label(form.Components().WGlvlL), "8단");
  EXPECT_EQ(Label(form.Components().matchNameL), "");
  EXPECT_EQ(Label(form.Components().wDiedSL), "0");
  EXPECT_EQ(Label(form.Components().bDiedSL), "0");
  EXPECT_EQ(form.HandicapByte(), 0);
}

TEST_F(LoadedForm, ARecordOfFewerLinesGetsItsOwnBoardAndCellSize) {
  const int fullCell = t.form->Painter().CellSize();
  auto expectedCell = [&](int lines) {
    const int margin = t.form->Painter().Margin();
    return std::min((t.form->Components().panP->width() - 5 - margin) / lines,
                    (t.form->Components().panP->height() - 5 - margin) / lines);
  };
  ASSERT_EQ(fullCell, expectedCell(19));
  FillRecord(
      *t.form,
      {{9, 9, kRecordBlack}, {8, 9, kRecordWhite}, {1, 1, kRecordBlack}, {9, 8, kRecordWhite}});
  t.form->Record().boardSize = 9;
  t.form->ApplyRecord();
  EXPECT_EQ(t.form->Painter().Lines(), 9);
  EXPECT_EQ(t.form->Painter().CellSize(), expectedCell(9));
  EXPECT_EQ(t.form->Painter().BoardPixels(), 9 * expectedCell(9));
  t.form->navButtonClick(5);
  EXPECT_EQ(t.form->MoveCount(), 4);
  EXPECT_EQ(t.form->Painter().PointAt(9, 9), kEmpty);  // taken on the 9 x 9 edge
  EXPECT_EQ(t.form->Painter().PointAt(9, 8), kWhite);

  FillRecord(*t.form, {{4, 4, kRecordBlack}});
  t.form->Record().boardSize = 19;
  t.form->ApplyRecord();
  EXPECT_EQ(t.form->Painter().Lines(), 19);
  EXPECT_EQ(t.form->Painter().CellSize(), fullCell);
  EXPECT_EQ(t.form->Painter().PointAt(4, 4), kBlack);
}

// Entering a record draws the board once, at the end; the picture must be the
// one a full repaint of the shown position gives, whatever the replay did.
TEST_F(LoadedForm, TheBoardAfterLoadingIsTheFullPictureOfTheFirstPosition) {
  TMoyoscope& form = *t.form;
  const auto expectWholePicture = [&](const char* what) {
    form.ApplyRecord();
    const QImage loaded = form.Components().MainGoPB->Image().copy();
    form.Painter().Repaint();
    EXPECT_TRUE(loaded == form.Components().MainGoPB->Image()) << what;
  };
  // A corner stone taken on the fourth move, then a longer game.
  std::vector<TRecordMove> early{
      {1, 1, kRecordBlack}, {2, 1, kRecordWhite}, {10, 10, kRecordBlack}, {1, 2, kRecordWhite}};
  const std::vector<TRecordMove> game = LegalGame(80);
  early.insert(early.end(), game.begin(), game.end());
  FillRecord(form, early);
  expectWholePicture("captures early");

  FillRecord(form, LegalGame(40, 3));
  form.Record().info.handicap = 4;
  expectWholePicture("handicap");

  FillRecord(form, {{4, 3, kRecordWhite}, {3, 3, kRecordBlack}, {5, 4, kRecordWhite}});
  TGameRecord& record = form.Record();
  for (const TRecordMove stone : {TRecordMove{4, 4, kRecordBlack}, TRecordMove{3, 4, kRecordWhite},
                                  TRecordMove{16, 16, kRecordBlack}}) {
    record.setup[record.setupCount++] = stone;
  }
  expectWholePicture("setup stones");

  FillRecord(form, {{5, 5, kRecordBlack},
                    {9, 9, kRecordWhite},
                    {9, 8, kRecordBlack},
                    {4, 5, kRecordWhite},
                    {8, 9, kRecordBlack},
                    {6, 5, kRecordWhite}});
  form.Record().boardSize = 9;
  expectWholePicture("nine lines");

  form.Session().ToggleFlip();
  form.Session().NumbersOn();
  FillRecord(form, LegalGame(120, 11));
  expectWholePicture("numbers on, turned");
}

TEST_F(LoadedForm, TheMemoShowsTheCommentaryAndItsLinksOpenTheReferenceWindow) {
  Comment(2, kCommentText, "첫째 해설");
  Comment(2, kReferenceDiagram, "ref-a");
  Comment(2, kReferenceDiagram, "ref-b");
  Load(EvenGame(), 5);
  t.form->navButtonClick(3);
  EXPECT_EQ(MemoLines(),
            (std::vector<std::string>{LinkLine(""), "", "첫째 해설", "", LinkLine("참고도 2-1"), "",
                                      LinkLine("참고도 2-2")}));
  ASSERT_EQ(t.form->Components().commentM->Links().size(), 3u);
  t.form->Components().commentM->ClickLink(2);
  ASSERT_NE(t.reference, nullptr);
  EXPECT_EQ(t.reference->calls,
            (std::vector<std::string>{"ShowPosition 19 2", "ShowWindow", "Load ref-b"}));
}

TEST_F(LoadedForm, NewsPanelOpensOnTheFirstAddressAndFoldsWithItsButton) {
  TMoyoscope& form = *t.form;
  EXPECT_EQ(form.Components().NewsP->height(), 0);
  EXPECT_EQ(form.Components().WebNews, nullptr);
  form.SetNews("");
  EXPECT_EQ(form.Components().WebNews, nullptr);
  EXPECT_EQ(t.news, nullptr) << "no browser before a news address";

  form.SetNews("http://127.0.0.1/news.html");
  ASSERT_NE(t.news, nullptr);
  EXPECT_EQ(t.news->addresses, (std::vector<std::string>{"http://127.0.0.1/news.html"}));
  EXPECT_EQ(form.Components().NewsP->height(), 165);
  EXPECT_EQ(form.Components().WebNews->geometry(), QRect(10, 22, 238, 142));
  EXPECT_EQ(form.Components().commentP->height(), 261 - 165);
  EXPECT_EQ(form.Components().commentM->height(), 261 - 165 - 29);

  form.Components().newsBtn->click();
  EXPECT_EQ(form.Components().NewsP->height(), 22);
  EXPECT_EQ(form.Components().newsBtn->tag, 1);
  EXPECT_EQ(form.Components().commentM->height(), 261 - 22 - 29);
  form.SetNews("http://127.0.0.1/other.html");  // opens again, the tag stays
  EXPECT_EQ(form.Components().NewsP->height(), 165);
  EXPECT_EQ(form.Components().newsBtn->tag, 1);
  form.newsBtnClick();
  EXPECT_EQ(form.Components().NewsP->height(), 165);
  EXPECT_EQ(form.Components().newsBtn->tag, 0);
  form.newsBtnClick();
  EXPECT_EQ(form.Components().NewsP->height(), 22);
  EXPECT_EQ(t.news->addresses.size(), 2u) << "one browser, reused";
}

}  // namespace
}  // namespace moyo::test
