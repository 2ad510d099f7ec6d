#include "record/RecordDispatch.h"

#include <gtest/gtest.h>

#include "record/NgfReader.h"
#include "record/TaggedReader.h"
#include "tests/record/RecordFixtures.h"

namespace moyo {
namespace {

using test::Fixture;
using test::NewRecord;
using test::Sample;

constexpr TRecordFormat kTagged = TRecordFormat::Tagged;
constexpr TRecordFormat kNgf = TRecordFormat::Ngf;

TEST(DispatchTest, TheServiceRecordsKeepTheirReaderByteForByte) {
  for (const char* name :
       {"bad-handicap.gib", "empty-pass-nodes.gib", "korean-texts.gib",
        "malformed-tag-after-end.gib", "malformed-tag.gib", "stray-brackets.gib"}) {
    SCOPED_TRACE(name);
    const std::string body = Fixture(name);
    EXPECT_EQ(DetectRecordFormat(body, kTagged), kTagged);
    for (const char* level : {"0", "1"}) {
      auto direct = NewRecord();
      auto dispatched = NewRecord();
      const TReadResult expected = ReadTaggedRecord(*direct, body, level);
      const TRecordRead read = ReadRecordBody(*dispatched, body, {kTagged, level, {}});
      EXPECT_EQ(read.format, kTagged);
      EXPECT_EQ(read.encoding, "CP949");
      EXPECT_EQ(read.result.failed, expected.failed);
      EXPECT_EQ(read.result.show, expected.show);
      EXPECT_TRUE(*dispatched == *direct);
    }
  }
  const std::string sample = Sample("selfplay-commented-ko-fight.gib");
  auto direct = NewRecord();
  auto dispatched = NewRecord();
  ReadTaggedRecord(*direct, sample, "1");
  EXPECT_TRUE(ReadRecordBody(*dispatched, sample, {kTagged, "1", {}}).result.notices.empty());
  EXPECT_TRUE(*dispatched == *direct);
}

TEST(DispatchTest, NgfTextsGoToTheNgfReaderFromEitherRoad) {
  for (const char* name : {"bad-main-time.ngf", "missing-lines.ngf", "oversize-move-count.ngf",
                           "short-move-lines.ngf", "ngf-lf-line-ends.ngf"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(DetectRecordFormat(Fixture(name), kTagged), kNgf);
    EXPECT_EQ(DetectRecordFormat(Fixture(name), kNgf), kNgf);
  }
  EXPECT_EQ(DetectRecordFormat(Sample("selfplay-four-stone-handicap.ngf"), kTagged), kNgf);
  // A damaged NGF text still goes where its road sends it.
  EXPECT_EQ(DetectRecordFormat("Title\r\nnineteen\r\n", kNgf), kNgf);
  EXPECT_EQ(DetectRecordFormat("Title\r\nnineteen\r\n", kTagged), kTagged);
}

TEST(DispatchTest, PlainlySgfRootsGoToTheSgfReader) {
  for (const char* body :
       {"(;GM[1];B[pd])", "(;FF[4]EV[x];B[pd])", "(;EV[x]KM[6.5];B[pd])",
        " \r\n(\n;\nSZ [9];B[aa])", "(;PB[x]AB[dd][pp])", "(;PL[W];W[aa])",
        "(;PlayerBlack[Cho];B[pd])", "(;AP[CGoban:3];B[pd])", "\xEF\xBB\xBF(;CA[UTF-8])"}) {
    SCOPED_TRACE(body);
    EXPECT_EQ(DetectRecordFormat(body, kTagged), TRecordFormat::Sgf);
    EXPECT_EQ(DetectRecordFormat(body, kNgf), TRecordFormat::Sgf);
  }
  for (const char* name : {"sgf-commented-labels.sgf", "sgf-ff1-long-names.sgf",
                           "sgf-collection.sgf", "sgf-size-25.sgf"}) {
    EXPECT_EQ(DetectRecordFormat(Fixture(name), kTagged), TRecordFormat::Sgf) << name;
  }
}

TEST(DispatchTest, TaggedLookingRootsStayWithTheTaggedReader) {
  // The service's header names, properties after the first move, and no root at all.
  for (const char* body : {"(;EV[Cup]GN[x]PB[a]BR[1]PW[b]WR[2]KO[6.5]HD[0]TM[1]LT[30]LC[3]"
                           "TC[s]GK[1]RD[d]DT[d]PC[p]RE[r];B[pd])",
                           "(;B[pd]KM[6.5];W[dp]SZ[19])", "(;EV[x]P1[oops];B[pd])", "(EV[x])",
                           "<html>not found</html>", ""}) {
    SCOPED_TRACE(body);
    EXPECT_EQ(DetectRecordFormat(body, kTagged), kTagged);
  }
}

TEST(DispatchTest, GibHeaderLinesGoToTheGibReader) {
  EXPECT_EQ(DetectRecordFormat(Fixture("gib-even-game.gib"), kTagged), TRecordFormat::Gib);
  EXPECT_EQ(DetectRecordFormat(Fixture("gib-ends-early.gib"), kNgf), TRecordFormat::Gib);
  EXPECT_EQ(DetectRecordFormat("\\[GAMEBLACKNAME=x\\]\r\n", kTagged), TRecordFormat::Gib);
}

TEST(DispatchTest, NoticesSayWhyABodyShowsLessThanItHolds) {
  auto record = NewRecord();
  TRecordRead read = ReadRecordBody(*record, "<HTML>Not Found</HTML>", {kTagged, "1", {}});
  EXPECT_EQ(read.result.notices, (std::vector<TReadNotice>{{TNoticeKind::StoppedEarly}}));

  record->Clear();
  read = ReadRecordBody(*record, "nothing to see", {kTagged, "1", {}});
  EXPECT_TRUE(read.result.show);
  EXPECT_EQ(read.result.notices, (std::vector<TReadNotice>{{TNoticeKind::Unreadable}}));

  record->Clear();
  read = ReadRecordBody(*record, Fixture("sgf-lost-characters.sgf"), {kTagged, "1", {}});
  EXPECT_EQ(read.format, TRecordFormat::Sgf);
  EXPECT_EQ(read.result.notices, (std::vector<TReadNotice>{{TNoticeKind::LostCharacters, 3}}));
  EXPECT_EQ(record->info.blackName, "Kim ?");
}

}  // namespace
}  // namespace moyo
