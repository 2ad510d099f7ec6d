#include "record/GibReader.h"

#include <gtest/gtest.h>

#include "record/NgfReader.h"
#include "record/RecordDispatch.h"
#include "tests/record/RecordFixtures.h"

namespace moyo {
namespace {

using test::Cp;
using test::Fixture;
using test::NewRecord;

TEST(GibReaderTest, HeaderAndMovesOfAnEvenGame) {
  auto record = NewRecord();
  const TReadResult result = ReadGibRecord(*record, Fixture("gib-even-game.gib"));
  ASSERT_FALSE(result.failed);
  EXPECT_TRUE(result.notices.empty());
  const TGiboInfo& info = record->info;
  EXPECT_EQ(info.title, "Friendly match");
  EXPECT_EQ(info.blackName, "Kim");
  EXPECT_EQ(info.blackRank, "7D");
  EXPECT_EQ(info.whiteName, "Lee");
  EXPECT_EQ(info.whiteRank, "8D");
  EXPECT_EQ(info.date, "2017-01-06");
  EXPECT_EQ(info.place, "Tygem Baduk");
  EXPECT_EQ(info.result, Cp("흑 불계승"));
  EXPECT_EQ(info.komi, "6.5");
  EXPECT_EQ(info.mainTime, Cp("20분"));
  EXPECT_EQ(info.byoyomiTime, "30");
  EXPECT_EQ(info.byoyomiCount, "3");
  EXPECT_EQ(info.handicap, 0);
  ASSERT_EQ(record->moveCount, 4);
  EXPECT_EQ(record->moves[0], (TRecordMove{16, 4, kRecordBlack}));
  EXPECT_EQ(record->moves[1], (TRecordMove{4, 16, kRecordWhite}));
  EXPECT_EQ(record->moves[2], (TRecordMove{0, 0, kRecordBlack}));  // SKI: a pass in turn
  EXPECT_EQ(record->moves[3], (TRecordMove{16, 16, kRecordWhite}));
}

TEST(GibReaderTest, HandicapKoreanNamesAndPointsResult) {
  auto record = NewRecord();
  ASSERT_FALSE(ReadRecordBody(*record, Fixture("gib-handicap-korean.gib"), {}).result.failed);
  EXPECT_EQ(record->info.blackName, Cp("김철수"));
  EXPECT_EQ(record->info.handicap, 3);
  EXPECT_EQ(record->info.result, Cp("백 3.5집 승"));
  EXPECT_EQ(record->info.komi, "0");
  EXPECT_EQ(record->moves[0], (TRecordMove{3, 3, kRecordWhite}));
}

TEST(GibReaderTest, TheGameCommentIsTheCommentaryOfTheStartPosition) {
  auto record = NewRecord();
  ASSERT_FALSE(ReadRecordBody(*record, Fixture("gib-game-comment.gib"), {}).result.failed);
  ASSERT_EQ(record->commentCount, 1);
  EXPECT_EQ(record->comments[0].moveNo, 0);
  EXPECT_EQ(record->comments[0].kind, kCommentText);
  EXPECT_EQ(record->comments[0].text, Cp("[0] 흑이 초반에 앞서 나간 판"));
  // GIB records carry no board size: they are all of the 19-line board.
  EXPECT_EQ(record->boardSize, 19);
  // An empty comment is no commentary.
  ReadGibRecord(*record, "\\HS\n\\[GAMECOMMENT=\\]\n\\GS\nSTO 0 1 1 3 3\n\\GE\n");
  EXPECT_EQ(record->commentCount, 0);
}

TEST(GibReaderTest, ATextThatEndsEarlyLoadsWhatItHasAndSaysSo) {
  auto record = NewRecord();
  const TReadResult result = ReadGibRecord(*record, Fixture("gib-ends-early.gib"));
  EXPECT_FALSE(result.failed);
  EXPECT_EQ(record->moveCount, 1);
  EXPECT_EQ(result.notices, (std::vector<TReadNotice>{{TNoticeKind::EndsEarly}}));
  EXPECT_TRUE(ReadGibRecord(*record, "").failed);
  EXPECT_TRUE(ReadGibRecord(*record, "STO 0 2 1 99 -4\nSTO x\nINI\n").failed);
}

TEST(NgfLineEndsTest, LfLineEndsReadLikeCrLf) {
  auto crlf = NewRecord();
  auto lf = NewRecord();
  std::string text = Fixture("ngf-lf-line-ends.ngf");
  const TReadResult result = ReadNgfRecord(*lf, text);
  EXPECT_TRUE(result.notices.empty());
  std::string withCr;
  for (char c : text) withCr += c == '\n' ? std::string("\r\n") : std::string(1, c);
  ReadNgfRecord(*crlf, withCr);
  EXPECT_EQ(lf->moveCount, 3);
  EXPECT_EQ(lf->info.whiteName, "Lee");
  EXPECT_EQ(lf->info.result, "W+R");
  EXPECT_TRUE(*lf == *crlf);
}

TEST(NgfLineEndsTest, MissingLinesAndShortMoveLinesAreReported) {
  auto record = NewRecord();
  for (const char* name :
       {"missing-lines.ngf", "short-move-lines.ngf", "oversize-move-count.ngf"}) {
    EXPECT_EQ(ReadNgfRecord(*record, Fixture(name)).notices,
              (std::vector<TReadNotice>{{TNoticeKind::EndsEarly}}))
        << name;
  }
}

}  // namespace
}  // namespace moyo
