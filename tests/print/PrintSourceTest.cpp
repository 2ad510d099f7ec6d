#include "print/PrintSource.h"

#include <gtest/gtest.h>

#include <memory>

#include "record/RecordReplay.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

TEST(RecordPrintSource, HeaderAsTheViewerShowsIt) {
  auto record = std::make_unique<TGameRecord>();
  record->info.title = "Cup";
  record->info.blackName = "Lee";
  record->info.komi = "6.5";
  record->info.handicap = 3;
  const TPrintSource handicap = RecordPrintSource(*record);
  EXPECT_EQ(handicap.header.GameTerms, "3" + Message(21));  // 3점접바둑, not the komi
  EXPECT_EQ(handicap.header.EventName, "Cup");
  EXPECT_EQ(handicap.header.BlackName, "Lee");
  EXPECT_EQ(handicap.header.Title, Message(29));
  EXPECT_EQ(handicap.line.handicap, 3);

  auto even = std::make_unique<TGameRecord>();
  even->info.komi = "6.5";
  EXPECT_EQ(RecordPrintSource(*even).header.GameTerms, "6.5");
}

TEST(RecordPrintSource, MovesAsTheViewerEntersThem) {
  auto record = std::make_unique<TGameRecord>();
  record->info.handicap = 2;
  record->AddMove({3, 3, kRecordWhite});
  record->AddMove({0, 0, kRecordBlack});
  record->AddMove({16, 4, kRecordWhite});  // on a handicap stone: refused, left out
  record->AddMove({30, 5, kRecordWhite});  // off the board: left out
  record->AddMove({5, 5, kRecordWhite});
  const TMoveList list = RecordPrintSource(*record).line.moves;
  ASSERT_EQ(list.Count, 3);
  EXPECT_EQ(list.Moves[0], (TMovePoint{3, 3}));
  EXPECT_EQ(list.Moves[1], (TMovePoint{0, 0}));
  EXPECT_EQ(list.Moves[2], (TMovePoint{5, 5}));

  // A damaged record plays on an occupied point: the viewer leaves that move out
  // and plays on from there, and so does the print.
  auto damaged = std::make_unique<TGameRecord>();
  damaged->AddMove({4, 4, kRecordBlack});
  damaged->AddMove({4, 4, kRecordWhite});
  damaged->AddMove({5, 5, kRecordBlack});
  const TMoveList played = RecordPrintSource(*damaged).line.moves;
  ASSERT_EQ(played.Count, 2);
  EXPECT_EQ(played.Moves[1], (TMovePoint{5, 5}));
}

TEST(RecordPrintSource, MovesOnABoardOfTheRecordsSize) {
  auto record = std::make_unique<TGameRecord>();
  record->boardSize = 9;
  record->info.handicap = 2;
  record->AddMove({7, 3, kRecordWhite});   // on a 9 x 9 handicap stone: left out
  record->AddMove({16, 4, kRecordWhite});  // off the 9 x 9 board: left out
  record->AddMove({9, 9, kRecordWhite});
  const TMoveList list = RecordPrintSource(*record).line.moves;
  EXPECT_EQ(list.Size, 9);
  ASSERT_EQ(list.Count, 1);
  EXPECT_EQ(list.Moves[0], (TMovePoint{9, 9}));
}

TEST(ViewerPrintSource, StartsFromTheSetupStonesWhereverTheViewerStands) {
  auto record = std::make_unique<TGameRecord>();
  record->SetSetupStone({3, 3, kRecordWhite});
  record->SetSetupStone({4, 4, kRecordBlack});
  record->AddMove({5, 5, kRecordWhite});
  record->AddMove({6, 6, kRecordWhite});
  auto board = std::make_unique<TGoBoard>();
  ReplayRecord(*record, kMaxRecordMoves, *board);
  board->Back();  // the viewer shows move 1; the print still takes the whole line
  const TPrintLine line = ViewerPrintSource(*board, record->info, 0).line;
  ASSERT_EQ(line.moves.Count, 2);
  EXPECT_EQ(line.colours[0], kWhite);
  EXPECT_EQ(line.colours[1], kWhite);
  EXPECT_EQ(line.setup[2][2], kWhite);
  EXPECT_EQ(line.setup[3][3], kBlack);
  EXPECT_EQ(line.setup[4][4], kEmpty);  // move 1 is not part of the start
  EXPECT_EQ(line.handicap, 0);
  // A header's handicap puts no stones of its own beside the setup stones.
  record->info.handicap = 2;
  EXPECT_EQ(ViewerPrintSource(*board, record->info, 2).line.handicap, 0);
}

}  // namespace
}  // namespace moyo
