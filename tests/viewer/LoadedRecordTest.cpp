// What a loaded record puts on the board: handicap stones and the information
// line that says so, moves the board refuses, passes, and a clean board for
// the next record.

#include "tests/viewer/SessionFixture.h"

namespace moyo::test {
namespace {

std::string Head(int caption) {
  return Utf8Message(13) + "  " + Utf8Message(caption);
}

class LoadedRecord : public ::testing::Test {
 protected:
  void Load(const std::vector<TRecordMove>& moves, int handicap = 0) {
    TGameRecord& record = v->Record();
    record.Clear();
    for (const TRecordMove& move : moves) record.AddMove(move);
    record.info.handicap = static_cast<std::uint8_t>(handicap);
    v->ApplyRecord();
  }

  Viewer v;
};

TEST_F(LoadedRecord, HandicapGamesShowTheHandicapInsteadOfKomiAndPlaceTheStones) {
  Load({}, 1);
  EXPECT_EQ(v.view.infoLines[5], Head(23) + "       : " + Utf8Message(20));
  EXPECT_EQ(v.Move(), 0) << "a record without moves stays at the start";

  Load({}, 4);
  EXPECT_EQ(v.view.infoLines[5], Head(23) + "       : 4" + Utf8Message(21));
  EXPECT_EQ(v->HandicapByte(), 4);
  EXPECT_EQ(v.Board().ToMove(), kWhite);
  EXPECT_EQ(v.Screen(), Normalised(R"(
    ...................
    ...................
    ...................
    ...X...........X...
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...................
    ...X...........X...
    ...................
    ...................
    ...................)"));

  // The next record's board starts empty, on the screen too.
  Load({});
  EXPECT_EQ(v->HandicapByte(), 0);
  EXPECT_EQ(v->Painter().PointAt(16, 4), kEmpty);
}

TEST_F(LoadedRecord, RefusedMovesDoNotStopTheLoadAndACountPastTheTableIsCut) {
  Load({{4, 4, kRecordBlack},
        {16, 16, kRecordWhite},
        {4, 4, kRecordBlack},  // occupied: the board refuses it
        {16, 4, kRecordBlack},
        {4, 16, kRecordWhite}});
  EXPECT_EQ(v.Move(), 1);
  EXPECT_EQ(v.Board().LastMove(), 4);
  v->Navigate(5);
  EXPECT_EQ(v.Move(), 4);
  EXPECT_EQ(v->Painter().PointAt(4, 16), kWhite);

  v->Record().moveCount = 100000;
  v->ApplyRecord();
  EXPECT_LE(v.Board().LastMove(), kMaxRecordMoves);
}

TEST_F(LoadedRecord, PassesStayReachableEvenAtTheEnd) {
  Load({{4, 4, kRecordBlack},
        {0, 0, kRecordWhite},
        {16, 16, kRecordBlack},
        {0, 0, kRecordWhite},
        {0, 0, kRecordBlack}});
  EXPECT_EQ(v.Board().LastMove(), 5);
  v->Navigate(5);
  EXPECT_EQ(v.Move(), 5);
  EXPECT_EQ(v.Board().ToMove(), kWhite);
  EXPECT_EQ(v.Screen(), DiagramOf(v.Board()));
}

TEST_F(LoadedRecord, TheReplayIsNotDrawnOnlyThePositionItEndsOn) {
  Load({});
  v.paintBox.changes = 0;
  Load(LegalGame(200), 4);
  // The old position's removal, the handicap stones and the first move, at once.
  EXPECT_EQ(v.paintBox.changes, 1);
  EXPECT_EQ(v.Move(), 1);
  EXPECT_EQ(v.Screen(), DiagramOf(v.Board()));
  v->Navigate(3);
  EXPECT_EQ(v.paintBox.changes, 3) << "the next move draws its stone and unmarks the last";
}

}  // namespace
}  // namespace moyo::test
