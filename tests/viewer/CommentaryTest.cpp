// The commentary of the move shown, its reference links, the summary that
// limited members see, and the news panel, against the session.

#include "tests/viewer/SessionFixture.h"
#include "viewer/TNoteMessage.h"

namespace moyo::test {
namespace {

std::string LinkLine(const std::string& utf8) {
  return "\x03\x03\x03" + utf8 + "\x04\x04\x04";
}

class Commentary : public ::testing::Test {
 protected:
  void Load(int moves, const std::string& recordKind = "2", const std::string& summary = "") {
    TGameRecord& record = v->Record();
    record.Clear();
    for (const TRecordMove& move : LegalGame(moves)) record.AddMove(move);
    for (const TCommentEntry& entry : comments)
      record.AddComment(entry.moveNo, entry.kind, entry.text);
    record.info.recordKind = recordKind;
    record.info.summary = summary;
    v->ApplyRecord();
  }
  void Comment(int move, std::int16_t kind, const char* utf8) {
    comments.push_back({Cp(utf8), move, kind});
  }
  void Click(const char* linkUtf8) { v->OpenLink(Cp(linkUtf8)); }

  Viewer v;
  std::vector<TCommentEntry> comments;
};

TEST_F(Commentary, ShowsTextsAndLinksOfTheMoveInRecordOrder) {
  Comment(0, kCommentText, "대국 전 해설");
  Comment(2, kCommentText, "첫째 해설");
  Comment(2, kReferenceDiagram, "ref-a");
  Comment(2, kCommentText, "둘째 해설");
  Comment(2, kReferenceDiagram, "ref-b");
  Comment(3, kReferenceDiagram, "ref-c");
  Load(5);
  EXPECT_EQ(v.view.memo, (std::vector<std::string>{LinkLine("")})) << "move 1 has none";
  v->Navigate(3);
  const std::vector<std::string> move2{LinkLine(""),           "", "첫째 해설", "",
                                       LinkLine("참고도 2-1"), "", "둘째 해설", "",
                                       LinkLine("참고도 2-2")};
  EXPECT_EQ(v.view.memo, move2);
  // The session keeps the same text the view shows, which link offsets index into.
  EXPECT_EQ(v->Memo().LineCount(), 9);
  EXPECT_EQ(LinkText(v->Memo().Text(), 0, 6), "");
  v->Navigate(0);
  EXPECT_EQ(v.view.memo, (std::vector<std::string>{LinkLine(""), "", "대국 전 해설"}));
}

TEST_F(Commentary, ALinkOpensThatReferenceOfTheMoveShownInOneReusedWindow) {
  Comment(2, kReferenceDiagram, "ref-a");
  Comment(2, kCommentText, "text");
  Comment(2, kReferenceDiagram, "ref-b");
  Comment(3, kReferenceDiagram, "ref-c");
  Load(5);
  v->Navigate(3);
  Click("참고도 2-2");
  ASSERT_NE(v.reference, nullptr);
  EXPECT_EQ(v.reference->calls,
            (std::vector<std::string>{"ShowPosition 19 2", "ShowWindow", "Load ref-b"}));
  Click("참고도 77-1");  // the number written in the link is not used
  EXPECT_EQ(v.reference->calls.back(), "Load ref-a");
  v->Navigate(3);
  v->ToggleFlip();
  Click("참고도 3-1");
  EXPECT_EQ(v.reference->calls.back(), "Load ref-c");
  EXPECT_EQ(v.reference->calls[v.reference->calls.size() - 3], "ShowPosition 19 3 flipped");
  EXPECT_EQ(v.referenceWindowsMade, 1);
}

TEST_F(Commentary, MalformedOrUnmatchedLinkTextsOpenNothing) {
  Comment(1, kReferenceDiagram, "ref-a");
  Load(3);
  for (const char* text : {"참고도 1-2", "참고도1-1", "참고도 -1", "참고도 1-x", "참고도 1-1-1",
                           "참고도 1", "참고 1-1", "참고도 ", "", "참고도 1-99999999999"}) {
    Click(text);
    EXPECT_EQ(v.reference, nullptr) << text;
  }
  const std::string text = v->Memo().Text();
  for (auto [start, stop] : {std::pair{-5, 3}, {2, 1}, {0, 100000}}) {
    EXPECT_EQ(LinkText(text, start, stop), "");
  }
}

TEST_F(Commentary, InTrialModeItFollowsTheMoveWhereTheTrialLineLeavesTheRecord) {
  Comment(3, kCommentText, "셋째 수");
  Comment(5, kCommentText, "다섯째 수");
  Load(8);
  v->Jump("5");
  v->EnterTrial();
  v->Navigate(2);
  v->Navigate(2);  // back on move 3: the line still leaves the record at 5
  EXPECT_EQ(v.view.memo.back(), "다섯째 수");
  v->BoardClick(platform::MouseButton::Left, 1, 1);  // now it leaves at 3
  v->Navigate(2);
  EXPECT_EQ(v.view.memo.back(), "셋째 수");
  v->NumbersOn();  // numbering from move 1 does not move where the line leaves
  v->Navigate(3);
  EXPECT_EQ(v.view.memo.back(), "셋째 수");
  v->LeaveTrial();
  v->refreshComment();
  EXPECT_EQ(v.view.memo.back(), "다섯째 수");
}

TEST_F(Commentary, SummaryRecordsAndLimitedMembersSeeOnlyTheSummary) {
  Comment(1, kCommentText, "숨은 해설");
  Load(4, "1", Cp("요약입니다"));
  EXPECT_EQ(v.view.memo, (std::vector<std::string>{"요약입니다"}));
  v->Navigate(5);
  v->Navigate(0);
  EXPECT_EQ(v.view.memo, (std::vector<std::string>{"요약입니다"}));

  v->SetLevel("0");
  Load(4, "2", "\r\n" + Message(8));
  EXPECT_EQ(v.view.memo, (std::vector<std::string>{"", Utf8Message(8)}));
  v->SetLevel("10");
  Load(4, "2", "\r\n" + Message(8));
  EXPECT_EQ(v.view.memo, (std::vector<std::string>{LinkLine(""), "", "숨은 해설"}));
}

TEST_F(Commentary, NewsOpensOnTheFirstAddressAndItsButtonFoldsAndOpensIt) {
  EXPECT_EQ(v.view.news, TNewsPanel::Hidden);
  v->SetNews("");
  EXPECT_TRUE(v.view.newsAddresses.empty());
  v->SetNews("http://127.0.0.1/news.html");
  EXPECT_EQ(v.view.news, TNewsPanel::Open);
  v->ToggleNews();
  EXPECT_EQ(v.view.news, TNewsPanel::Folded);
  v->SetNews("http://127.0.0.1/other.html");  // opens again; the button keeps its state
  EXPECT_EQ(v.view.news, TNewsPanel::Open);
  EXPECT_TRUE(v->NewsFolded());
  v->ToggleNews();
  EXPECT_EQ(v.view.news, TNewsPanel::Open);
  EXPECT_EQ(v.view.newsAddresses.size(), 2u);
}

TEST(NoteMessage, SeparatesItemsByOneBlankLineAndWritesLinksBetweenMarkers) {
  TCommentMemo memo;
  TNoteMessage writer(&memo);
  writer.AddBlankLine();
  EXPECT_EQ(memo.LineCount(), 0) << "an empty memo gets no blank line";
  writer.AddText("a", true);
  writer.AddText("b", true);
  writer.AddBlankLine();
  writer.AddBlankLine();
  writer.AddLink("c", false);
  writer.AddLink("d", true);
  EXPECT_EQ(memo.Text(),
            "a\r\n\r\nb\r\n\r\n\x03\x03\x03"
            "c\x04\x04\x04\r\n\r\n\x03\x03\x03"
            "d\x04\x04\x04");
  // Line breaks inside a text start further lines, as the memo shows them.
  memo.Clear();
  memo.AddLine("x\ry\nz\r\n");
  EXPECT_EQ(memo.LineCount(), 4);
  EXPECT_EQ(memo.Text(), "x\r\ny\r\nz\r\n");

  TNoteMessage nowhere(nullptr);
  nowhere.AddText("x", true);
  nowhere.AddLink("y", true);
  nowhere.AddBlankLine();
}

}  // namespace
}  // namespace moyo::test
