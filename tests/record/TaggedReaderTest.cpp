#include "record/TaggedReader.h"

#include <gtest/gtest.h>

#include "resources/Messages.h"
#include "tests/record/RecordFixtures.h"

namespace moyo {
namespace {

using test::Cp;
using test::Fixture;
using test::MoveText;
using test::NewRecord;

TEST(TaggedReaderTest, ReadsHeaderMovesAndCommentOfASmallGame) {
  auto record = NewRecord();
  const TReadResult result = ReadTaggedRecord(
      *record, "(;EV[Cup]GN[ Final]PB[Kim]BR[9d]PW[Lee]WR[8d]RE[W+R];B[pd];W[dp]C[good])", "1");
  EXPECT_FALSE(result.failed);
  EXPECT_TRUE(result.show);
  EXPECT_EQ(record->info.title, "Cup Final");
  EXPECT_EQ(record->info.blackName, "Kim");
  EXPECT_EQ(record->info.blackRank, "9d");
  EXPECT_EQ(record->info.whiteName, "Lee");
  EXPECT_EQ(record->info.whiteRank, "8d");
  EXPECT_EQ(record->info.result, "W+R");
  EXPECT_EQ(MoveText(*record), "B16,4 W4,16 ");
  ASSERT_EQ(record->commentCount, 1);
  EXPECT_EQ(record->comments[0].moveNo, 2);
  EXPECT_EQ(record->comments[0].kind, kCommentText);
  EXPECT_EQ(record->comments[0].text, "[2] good");
}

TEST(TaggedReaderTest, KoreanHeaderCommentsAndDiagramKeepTheirBytes) {
  auto record = NewRecord();
  ASSERT_TRUE(ReadTaggedRecord(*record, Fixture("korean-texts.gib"), "1").show);
  const TGiboInfo& info = record->info;
  EXPECT_EQ(info.title, Cp("제1회 명인전 결승"));
  EXPECT_EQ(info.blackName, Cp("이세돌"));
  EXPECT_EQ(info.whiteRank, Cp("9단"));
  EXPECT_EQ(info.place, Cp("서울"));
  EXPECT_EQ(info.date, "2003-07-21");
  EXPECT_EQ(info.result, Cp("흑 불계승"));
  EXPECT_EQ(info.komi, "6.5");
  EXPECT_EQ(info.mainTime, Cp("3시간"));
  EXPECT_EQ(info.byoyomiTime, "60");
  EXPECT_EQ(info.byoyomiCount, "5");
  EXPECT_EQ(info.summary, Cp("전체 총평"));
  EXPECT_EQ(record->moveCount, 2);
  ASSERT_EQ(record->commentCount, 3);
  EXPECT_EQ(record->comments[0].moveNo, 0);
  EXPECT_EQ(record->comments[0].text, "[0] " + Cp("대국 시작 전의 해설"));
  EXPECT_EQ(record->comments[1].text, "[2] " + Cp("백이 화점을 차지합니다."));
  EXPECT_EQ(record->comments[2].kind, kReferenceDiagram);
  EXPECT_EQ(record->comments[2].moveNo, 2);
  EXPECT_EQ(record->comments[2].text, "ABADREEDDR\\!ABDEXD\\!" + Cp("참고도 설명"));
}

TEST(TaggedReaderTest, BracketsInValuesAreDroppedAndStrayOnesIgnored) {
  auto record = NewRecord();
  const TReadResult result = ReadTaggedRecord(*record, Fixture("stray-brackets.gib"), "1");
  EXPECT_TRUE(result.show);
  EXPECT_EQ(MoveText(*record), "B16,4 W4,16 B16,16 ");
  ASSERT_EQ(record->commentCount, 2);
  EXPECT_EQ(record->comments[0].text, "[2] ab");
  EXPECT_EQ(record->comments[1].text, "[3] after");
}

TEST(TaggedReaderTest, MalformedTagStopsAndShowsOnlyAfterAClosingParenthesis) {
  auto record = NewRecord();
  TReadResult result = ReadTaggedRecord(*record, Fixture("malformed-tag.gib"), "1");
  EXPECT_FALSE(result.failed);
  EXPECT_FALSE(result.show);
  EXPECT_EQ(record->info.title, "x");
  EXPECT_EQ(record->moveCount, 0);

  result = ReadTaggedRecord(*record, Fixture("malformed-tag-after-end.gib"), "1");
  EXPECT_TRUE(result.show);
  EXPECT_EQ(record->info.title, "xy");
  EXPECT_EQ(MoveText(*record), "B16,4 ");
}

TEST(TaggedReaderTest, EmptyPassNodesKeepColoursNumbersAndComments) {
  auto record = NewRecord();
  ASSERT_TRUE(ReadTaggedRecord(*record, Fixture("empty-pass-nodes.gib"), "1").show);
  EXPECT_EQ(MoveText(*record), "B16,4 W0,0 B0,0 W4,16 B17,17 ");
  ASSERT_EQ(record->commentCount, 2);
  EXPECT_EQ(record->comments[0].text, "[2] tenuki");
  EXPECT_EQ(record->comments[1].text, "[4] ab");
}

TEST(TaggedReaderTest, MoveLettersAreConvertedWhateverTheyAre) {
  auto record = NewRecord();
  ReadTaggedRecord(*record, "(;B[tt];W[zz];B[abc];W[aa])", "1");
  // "abc" is no move and leaves the node open, so W[aa] is read in the same node.
  EXPECT_EQ(MoveText(*record), "B20,20 W26,26 W1,1 ");
}

TEST(TaggedReaderTest, HeaderFieldsLastValueWinsTitleConcatenates) {
  auto record = NewRecord();
  ReadTaggedRecord(*record, "(;EV[A]TE[B]GD[C]GH[D]RD[1999]DT[2000]HD[3]GK[1];B[aa])", "1");
  EXPECT_EQ(record->info.title, "ABCD");
  EXPECT_EQ(record->info.date, "2000");
  EXPECT_EQ(record->info.handicap, 3);
  EXPECT_EQ(record->info.recordKind, "1");
}

TEST(TaggedReaderTest, EmptyTextAndBadHandicapFailTheLoad) {
  auto record = NewRecord();
  record->info.title = "old";
  record->moveCount = 7;
  TReadResult result = ReadTaggedRecord(*record, "", "1");
  EXPECT_TRUE(result.failed);
  EXPECT_FALSE(result.show);
  EXPECT_EQ(record->info.title, "");
  EXPECT_EQ(record->moveCount, 0);

  result = ReadTaggedRecord(*record, Fixture("bad-handicap.gib"), "1");
  EXPECT_TRUE(result.failed);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(record->info.title, "Even");  // what was read before the failure stays
  EXPECT_EQ(record->moveCount, 0);
}

TEST(TaggedReaderTest, ReadsOnlyResetMoveCountAndTitle) {
  auto record = NewRecord();
  ReadTaggedRecord(*record, "(;EV[One]PB[Kim]C[first];B[aa];B[bb])", "1");
  ReadTaggedRecord(*record, "(;EV[Two];W[cc])", "1");
  EXPECT_EQ(record->info.title, "Two");
  EXPECT_EQ(record->info.blackName, "Kim");
  EXPECT_EQ(MoveText(*record), "W3,3 ");
  EXPECT_EQ(record->commentCount, 1);

  record->Clear();
  EXPECT_EQ(record->info.blackName, "");
  EXPECT_EQ(record->commentCount, 0);
  EXPECT_EQ(record->comments[0].text, "");
}

TEST(TaggedReaderTest, LimitedLevelsGetTheNoticeUnlessTheRecordIsASummary) {
  const std::string text = "(;EV[t]TC[review];B[aa])";
  for (const char* level : {"0", "2"}) {
    auto record = NewRecord();
    ReadTaggedRecord(*record, text, level);
    EXPECT_EQ(record->info.summary, "\r" + Message(8)) << level;
  }
  for (const char* level : {"1", "10", "100", ""}) {
    auto record = NewRecord();
    ReadTaggedRecord(*record, text, level);
    EXPECT_EQ(record->info.summary, "review") << level;
  }
  auto record = NewRecord();
  ReadTaggedRecord(*record, "(;EV[t]GK[1]TC[review];B[aa])", "0");
  EXPECT_EQ(record->info.summary, "review");
}

TEST(TaggedReaderTest, SurplusMovesAndCommentsAreDroppedAndTheLoadGoesOn) {
  std::string text = "(;EV[Long]";
  for (int i = 0; i < 620; ++i) text += i % 2 ? ";W[bb]" : ";B[aa]";
  for (int i = 0; i < 2100; ++i) text += "C[c]";
  text += "PB[after])";
  auto record = NewRecord();
  const TReadResult result = ReadTaggedRecord(*record, text, "1");
  EXPECT_TRUE(result.show);
  EXPECT_EQ(record->moveCount, kMaxRecordMoves);
  EXPECT_EQ(record->commentCount, kMaxCommentEntries);
  EXPECT_EQ(record->comments[kMaxCommentEntries - 1].text, "[500] c");
  EXPECT_EQ(record->info.blackName, "after");
  EXPECT_EQ(result.notices, (std::vector<TReadNotice>{{TNoticeKind::MovesCut, kMaxRecordMoves}}));
}

TEST(TaggedReaderTest, FailuresAndStopsCarryTheirByteOffset) {
  auto record = NewRecord();
  EXPECT_EQ(ReadTaggedRecord(*record, "(;EV[x]P1[oops];B[pd])", "1").offset, 8u);  // the "1"
  EXPECT_EQ(ReadTaggedRecord(*record, "(;EV[x]HD[two];B[pd])", "1").offset, 13u);  // its "]"
  EXPECT_EQ(ReadTaggedRecord(*record, "(;EV[x])", "1").offset, 8u);
}

TEST(TaggedReaderTest, DiagramsFollowTheirMoveAndNestedParenthesesStayInside) {
  auto record = NewRecord();
  ReadTaggedRecord(*record,
                   "(;B[aa];W[bb];B[cc];W[dd];B[ee]RN[1]PT[2];B[aa];W[bb];B[cc]C[see])"
                   "RN[x]PT[0];B[aa](;W[bb]);B[cc])PB[p])",
                   "1");
  ASSERT_EQ(record->commentCount, 2);
  EXPECT_EQ(record->comments[0].moveNo, 5);
  EXPECT_EQ(record->comments[0].text, "ACACCCDD\\!\\!see");
  // The nested "(" stops the diagram's own walk after its first move.
  EXPECT_EQ(record->comments[1].text, "AAABBB\\!\\!");
  EXPECT_EQ(record->info.blackName, "p");
}

}  // namespace
}  // namespace moyo
