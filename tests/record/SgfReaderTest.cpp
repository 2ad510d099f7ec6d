#include "record/SgfReader.h"

#include <gtest/gtest.h>

#include "record/ReadNotice.h"
#include "record/RecordDispatch.h"
#include "tests/record/RecordFixtures.h"

namespace moyo {
namespace {

using test::Cp;
using test::Fixture;
using test::MoveText;
using test::NewRecord;

TEST(SgfReaderTest, HeaderCommentsAndLabelsOfACommentedProfessionalGame) {
  auto record = NewRecord();
  const TReadResult result = ReadSgfRecord(*record, Fixture("sgf-commented-labels.sgf"));
  ASSERT_FALSE(result.failed);
  EXPECT_TRUE(result.show);
  const TGiboInfo& info = record->info;
  EXPECT_EQ(info.title, "Jubango Game 1");
  EXPECT_EQ(info.blackName, "Lee Sedol");
  EXPECT_EQ(info.blackRank, "9p");
  EXPECT_EQ(info.whiteName, "Gu Li");
  EXPECT_EQ(info.date, "2014-01-26");
  EXPECT_EQ(info.place, "Beijing");
  EXPECT_EQ(info.komi, "7.5");
  EXPECT_EQ(info.result, "B+R");
  EXPECT_EQ(info.mainTime, Cp("4시간"));
  EXPECT_EQ(info.byoyomiTime, "60");
  EXPECT_EQ(info.byoyomiCount, "5");
  // The labels of move 1 do not stop the reader: all four moves are read.
  EXPECT_EQ(MoveText(*record), "B16,4 W4,16 B16,16 W4,4 ");
  ASSERT_EQ(record->commentCount, 3);
  EXPECT_EQ(record->comments[0].text, "[0] A ten-game match.");
  EXPECT_EQ(record->comments[1].text, "[1] The opening move.");
  EXPECT_EQ(record->comments[2].moveNo, 3);
  EXPECT_EQ(record->comments[2].text, "[3] Black takes\ntwo corners.");
}

TEST(SgfReaderTest, EscapesSoftBreaksAndFileFormatOneNames) {
  auto record = NewRecord();
  ASSERT_FALSE(ReadSgfRecord(*record, Fixture("sgf-escaped-text.sgf")).failed);
  EXPECT_EQ(record->info.blackName, "Kim ] Jr.");
  EXPECT_EQ(MoveText(*record), "B16,4 W4,16 ");
  EXPECT_EQ(record->comments[0].text, "[1] He said: \"a]b\" and \\ then a softbreak.");
  EXPECT_EQ(record->comments[1].text, "[2] last");

  ASSERT_FALSE(ReadSgfRecord(*record, Fixture("sgf-ff1-long-names.sgf")).failed);
  EXPECT_EQ(record->info.blackName, "Cho");
  EXPECT_EQ(record->info.whiteName, "Otake");
  EXPECT_EQ(MoveText(*record), "B16,4 W4,16 B17,16 ");
}

TEST(SgfReaderTest, TimesInTheirUsualForms) {
  auto record = NewRecord();
  ReadSgfRecord(*record, Cp("(;GM[1]TM[90.0]OT[30초 5회])"));
  EXPECT_EQ(record->info.mainTime, Cp("1분30초"));
  EXPECT_EQ(record->info.byoyomiTime, "30");
  EXPECT_EQ(record->info.byoyomiCount, "5");
  ReadSgfRecord(*record, "(;GM[1]TM[1.5 hours]OT[25/600 Canadian])");
  EXPECT_EQ(record->info.mainTime, "1.5 hours");  // not seconds: kept as written
  EXPECT_EQ(record->info.byoyomiTime, "");
}

TEST(SgfReaderTest, BranchesBecomeReferenceDiagramsWhereTheyLeaveTheMainLine) {
  auto record = NewRecord();
  ASSERT_FALSE(ReadSgfRecord(*record, Fixture("sgf-variations.sgf")).failed);
  EXPECT_EQ(MoveText(*record), "B16,4 W4,16 B16,16 W4,4 ");
  ASSERT_EQ(record->commentCount, 4);
  const std::string note = "Variation: the other corner.";
  // Start 3, three moves (dd, pp, qq), two letter labels, the branch's first comment.
  EXPECT_EQ(record->comments[0].moveNo, 2);
  EXPECT_EQ(record->comments[0].kind, kReferenceDiagram);
  EXPECT_EQ(record->comments[0].text, "ADADEEQQRR\\!ACEDXCDEXD\\!" + note);
  // The branch inside the branch shares its way up to where it leaves.
  EXPECT_EQ(record->comments[1].text, "ADAEEEQQQRRR\\!ACEDXCDEXD\\!" + note);
  EXPECT_EQ(record->comments[2].text, "ADABDD\\!\\!");
  EXPECT_EQ(record->comments[3].moveNo, 4);
  EXPECT_EQ(record->comments[3].text, "[4] main line");
}

TEST(SgfReaderTest, StandardHandicapPatternBecomesTheHandicapCount) {
  auto record = NewRecord();
  ASSERT_FALSE(ReadSgfRecord(*record, Fixture("sgf-handicap.sgf")).failed);
  EXPECT_EQ(record->info.handicap, 4);
  EXPECT_EQ(record->setupCount, 0);
  EXPECT_EQ(record->firstColour, kRecordWhite);
  EXPECT_EQ(MoveText(*record), "W17,6 B14,3 W10,16 ");

  ASSERT_FALSE(ReadSgfRecord(*record, Fixture("sgf-13x13.sgf")).failed);
  EXPECT_EQ(record->boardSize, 13);
  EXPECT_EQ(record->info.handicap, 2);
  EXPECT_EQ(record->setupCount, 0);
}

TEST(SgfReaderTest, OtherSetupIsKeptAsStonesWithTheFirstPlayer) {
  auto record = NewRecord();
  ASSERT_FALSE(ReadSgfRecord(*record, Fixture("sgf-setup-problem.sgf")).failed);
  EXPECT_EQ(record->info.handicap, 0);
  // AE took the stone on ca away; blacks come first.
  EXPECT_EQ(test::StoneText(record->setup, record->setupCount),
            "B1,2 B2,2 B3,2 B4,2 B5,2 B6,1 W1,1 W2,1 W4,1 ");
  EXPECT_EQ(record->firstColour, kRecordWhite);
  EXPECT_EQ(record->comments[0].text, "[0] White to live.");
}

TEST(SgfReaderTest, SetupAfterTheFirstMoveIsLeftOutWithANotice) {
  // The record places setup stones before the first move only: later ones
  // would change the position under the numbered moves, so the game loads
  // without them and says so.
  auto record = NewRecord();
  const TReadResult result = ReadSgfRecord(*record, Fixture("sgf-setup-after-first-move.sgf"));
  ASSERT_FALSE(result.failed);
  EXPECT_EQ(MoveText(*record), "B5,5 W3,3 W3,7 B7,4 ");
  EXPECT_EQ(record->setupCount, 0);
  EXPECT_EQ(record->comments[0].text, "[2] Setup in the middle of the game");
  EXPECT_EQ(result.notices, (std::vector<TReadNotice>{{TNoticeKind::SetupAfterFirstMove, 2}}));
  EXPECT_EQ(NoticeText(result.notices[0]),
            Cp("2수 다음에 돌을 더 놓거나 들어낸 부분은 보여 드릴 수 없어, 그 뒤의 국면이 "
               "기보 파일과 다를 수 있습니다."));
}

TEST(SgfReaderTest, PassesAndMovesOutOfTurnKeepTheirPlaceAndColour) {
  auto record = NewRecord();
  ASSERT_FALSE(ReadSgfRecord(*record, Fixture("sgf-passes.sgf")).failed);
  EXPECT_EQ(MoveText(*record), "B16,4 W0,0 B4,16 W0,0 B16,16 ");
  ASSERT_FALSE(ReadSgfRecord(*record, Fixture("sgf-out-of-turn.sgf")).failed);
  EXPECT_EQ(MoveText(*record), "B16,4 B4,4 W4,16 W16,16 B17,17 ");
}

TEST(SgfReaderTest, CollectionsSizesAndLongGamesAreReported) {
  auto record = NewRecord();
  TReadResult result = ReadSgfRecord(*record, Fixture("sgf-collection.sgf"));
  EXPECT_EQ(record->info.blackName, "First");
  EXPECT_EQ(record->moveCount, 2);
  EXPECT_EQ(result.notices, (std::vector<TReadNotice>{{TNoticeKind::Collection, 3}}));

  result = ReadSgfRecord(*record, Fixture("sgf-size-25.sgf"));
  EXPECT_TRUE(result.failed);
  EXPECT_EQ(result.notices, (std::vector<TReadNotice>{{TNoticeKind::BoardTooLarge, 25}}));

  std::string longGame = "(;GM[1]SZ[9]";
  for (int i = 0; i < 600; ++i) longGame += i % 2 ? ";W[]" : ";B[]";
  result = ReadSgfRecord(*record, longGame + ")");
  EXPECT_EQ(record->moveCount, kMaxRecordMoves);
  EXPECT_EQ(result.notices, (std::vector<TReadNotice>{{TNoticeKind::MovesCut, kMaxRecordMoves}}));

  EXPECT_TRUE(ReadSgfRecord(*record, "(;GM[6]SZ[8];B[aa])").failed);  // backgammon
  EXPECT_TRUE(ReadSgfRecord(*record, "no game here").failed);
}

TEST(SgfReaderTest, DamagedTextsLoadWhatTheyHave) {
  auto record = NewRecord();
  // Cut inside a value, unmatched brackets, junk between nodes, a deep nest.
  EXPECT_FALSE(ReadSgfRecord(*record, "(;GM[1]PB[Kim];B[pd];W[dp]C[cut off").failed);
  EXPECT_EQ(MoveText(*record), "B16,4 W4,16 ");
  EXPECT_FALSE(ReadSgfRecord(*record, "(;GM[1];B[pd] junk ;W[zz];B[dd]))))").failed);
  EXPECT_EQ(MoveText(*record), "B16,4 B4,4 ");  // zz is off the board: no move
  std::string deep = "(;GM[1]";
  for (int i = 0; i < 100000; ++i) deep += "(;B[aa]";
  EXPECT_FALSE(ReadSgfRecord(*record, deep).failed);
  EXPECT_EQ(record->moveCount, kMaxRecordMoves);
}

}  // namespace
}  // namespace moyo
