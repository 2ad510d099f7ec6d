#include "record/ApplyRecord.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "record/NgfReader.h"
#include "record/SgfReader.h"
#include "record/TaggedReader.h"
#include "resources/Messages.h"
#include "tests/record/RecordFixtures.h"

namespace moyo {
namespace {

using test::Cp;
using test::NewRecord;

// Remembers what ApplyRecord showed, in order, and what the board looked like then.
class FakeView : public TRecordView {
 public:
  explicit FakeView(const TGoBoard& board) : board_(board) {}
  void SetHandicapByte(std::uint8_t handicap) override { handicapByte = handicap; }
  void BoardCleared() override {
    log.push_back("cleared");
    stonesWhenCleared = Stones();
  }
  void SetEventName(const std::string& title) override { eventName = title; }
  void SetInfoLine(int line, const std::string& text) override {
    ASSERT_GE(line, 1);
    ASSERT_LE(line, 6);
    infoLines[line - 1] = text;
  }
  void SetBlackPlayer(const std::string& name, const std::string& rank) override {
    black = name + "/" + rank;
  }
  void SetWhitePlayer(const std::string& name, const std::string& rank) override {
    white = name + "/" + rank;
  }
  void ClearMemo() override { log.push_back("clear memo"); }
  void SetLoading(bool loading) override {
    log.push_back(loading ? "loading" : "loaded at " + std::to_string(board_.MoveCount()));
  }
  void RefreshComment() override { log.push_back("refresh"); }
  void AppendMemoLine(const std::string& text) override { memo.push_back(text); }

  int Stones() const {
    int stones = 0;
    for (const auto& row : board_.Points())
      for (std::uint8_t point : row) stones += point != 0;
    return stones;
  }

  const TGoBoard& board_;
  std::uint8_t handicapByte = 99;
  int stonesWhenCleared = -1;
  std::string eventName, black, white;
  std::array<std::string, 6> infoLines;
  std::vector<std::string> log;
  std::vector<std::string> memo;
};

struct Applied {
  std::unique_ptr<TGameRecord> record = NewRecord();
  std::unique_ptr<TGoBoard> board = std::make_unique<TGoBoard>();
  FakeView view{*board};
  void Apply(std::string_view level = "1") { ApplyRecord(*record, level, *board, view); }
};

std::string Ngf(const std::string& handicap, const std::string& komi, const std::string& moves) {
  return "Cup\r\n19\r\nLee 9d\r\nKim 5d\r\nSeoul\r\n" + handicap + "\r\n30 3\r\n" + komi +
         "\r\n2003-07-21\r\n90\r\nW+R\r\n" + moves;
}

TEST(ApplyRecordTest, EvenGameLabelsAreExact) {
  Applied t;
  ASSERT_FALSE(ReadNgfRecord(*t.record, Ngf("0", "6", "0\r\n")).failed);
  t.Apply();
  EXPECT_EQ(t.view.eventName, "Cup");
  EXPECT_EQ(t.view.black, "Kim/5d");
  EXPECT_EQ(t.view.white, "Lee/9d");
  EXPECT_EQ(t.view.handicapByte, 0);
  EXPECT_EQ(t.view.infoLines[0], Cp("▒  대국날짜 : 2003-07-21"));
  EXPECT_EQ(t.view.infoLines[1], Cp("▒  대국장소 : Seoul"));
  EXPECT_EQ(t.view.infoLines[2], Cp("▒  제한시간 : 1시간30분"));
  EXPECT_EQ(t.view.infoLines[3], Cp("▒  초 읽기   : 30초 3회"));
  EXPECT_EQ(t.view.infoLines[4], Cp("▒  덤          : 6.5"));
  EXPECT_EQ(t.view.infoLines[5], Cp("▒  대국결과 : W+R"));
}

TEST(ApplyRecordTest, HandicapGamesShowTheMethodAndRewriteTheKomi) {
  Applied one;
  ReadNgfRecord(*one.record, Ngf("1", "0", "0\r\n"));
  one.Apply();
  EXPECT_EQ(one.view.infoLines[4], Cp("▒  방법       : 정선"));
  EXPECT_EQ(one.record->info.komi, Cp("정선"));
  EXPECT_EQ(one.board->ToMove(), kBlack);

  Applied four;
  ReadNgfRecord(*four.record, Ngf("4", "0", "0\r\n"));
  four.Apply();
  EXPECT_EQ(four.view.infoLines[4], Cp("▒  방법       : 4점접바둑"));
  EXPECT_EQ(four.view.handicapByte, 4);
  EXPECT_EQ(four.view.stonesWhenCleared, 0);  // cleared before the stones go down
  EXPECT_EQ(four.view.Stones(), 4);           // no moves: the start with its stones
  EXPECT_EQ(four.board->MoveCount(), 0);
  EXPECT_FALSE(four.board->Forward());

  Applied big;
  big.record->info.handicap = 260;
  big.Apply();
  EXPECT_EQ(big.view.handicapByte, 4);  // the low byte
}

TEST(ApplyRecordTest, FirstLoadWithoutDateLeavesAnEmptyValue) {
  Applied t;
  ReadTaggedRecord(*t.record, "(;EV[x];B[pd])", "1");
  t.Apply();
  EXPECT_EQ(t.view.infoLines[0], Cp("▒  대국날짜 : "));
}

TEST(ApplyRecordTest, MainLineIsEnteredWhileLoadingThenTheFirstMoveShown) {
  Applied t;
  ReadNgfRecord(*t.record, Ngf("0", "6", "3\r\nPMABBDD\r\nPMACWPP\r\nPMADBAA\r\n"));
  t.Apply();
  const std::vector<std::string> expected = {"cleared", "clear memo", "loading", "loaded at 1",
                                             "refresh"};
  EXPECT_EQ(t.view.log, expected);
  EXPECT_EQ(t.board->MoveCount(), 1);
  EXPECT_EQ(t.board->LastMove(), 3);  // the closing pass stays in the line
  EXPECT_EQ(t.board->Point(3, 3), kBlack);
  EXPECT_TRUE(t.view.memo.empty());
}

TEST(ApplyRecordTest, SummaryIsAddedForSummaryRecordsAndLimitedMembers) {
  const std::string text = "(;EV[x]TC[review];B[pd])";
  Applied member;
  ReadTaggedRecord(*member.record, text, "1");
  member.Apply("1");
  EXPECT_TRUE(member.view.memo.empty());

  Applied limited;
  ReadTaggedRecord(*limited.record, text, "0");
  limited.Apply("0");
  EXPECT_EQ(limited.view.memo, std::vector<std::string>{"\r" + Message(8)});

  Applied summary;
  ReadTaggedRecord(*summary.record, "(;EV[x]GK[1]TC[review];B[pd])", "1");
  summary.Apply("1");
  EXPECT_EQ(summary.view.memo, std::vector<std::string>{"review"});
}

TEST(ApplyRecordTest, TheTaggedSampleReplaysWithoutRefusals) {
  Applied t;
  ASSERT_TRUE(
      ReadTaggedRecord(*t.record, test::Sample("selfplay-commented-ko-fight.gib"), "1").show);
  t.Apply();
  ASSERT_EQ(t.board->LastMove(), t.record->moveCount);
  while (t.board->Forward()) {
  }
  EXPECT_EQ(t.board->MoveCount(), t.record->moveCount);
  EXPECT_GT(t.board->BlackCaptures() + t.board->WhiteCaptures(), 20);
}

TEST(ApplyRecordTest, TheHandicapSampleReplaysWithoutRefusals) {
  Applied t;
  ASSERT_FALSE(ReadNgfRecord(*t.record, test::Sample("selfplay-four-stone-handicap.ngf")).failed);
  t.Apply();
  ASSERT_EQ(t.board->LastMove(), t.record->moveCount);
  while (t.board->Forward()) {
  }
  EXPECT_EQ(t.board->MoveCount(), t.record->moveCount);
}

TEST(ApplyRecordTest, RefusedMovesAreLeftOutAndTheRestStaysReachable) {
  Applied t;
  // Move 3 is on move 1's point and move 5 on a handicap stone.
  ReadNgfRecord(
      *t.record,
      Ngf("2", "0", "6\r\nPMABWDD\r\nPMACBPP\r\nPMADWDD\r\nPMAEBCC\r\nPMAFWQE\r\nPMAGBKK\r\n"));
  t.Apply();
  while (t.board->Forward()) {
  }
  EXPECT_EQ(t.board->MoveCount(), 4);
  EXPECT_EQ(t.board->Point(3, 3), kWhite);
  EXPECT_EQ(t.board->Point(2, 2), kBlack);  // each move keeps the colour its record gives it
  EXPECT_EQ(t.board->Point(10, 10), kBlack);
}

TEST(ApplyRecordTest, SmallBoardsCaptureOnTheirOwnEdges) {
  Applied t;
  ASSERT_FALSE(ReadSgfRecord(*t.record, test::Fixture("sgf-9x9.sgf")).failed);
  t.Apply();
  EXPECT_EQ(t.board->Size(), 9);
  while (t.board->Forward()) {
  }
  // White's corner stone at a9 had two liberties on nine lines: b9 and a8 take it.
  EXPECT_EQ(t.board->Point(1, 1), kEmpty);
  EXPECT_EQ(t.board->BlackCaptures(), 1);
  EXPECT_EQ(t.board->Point(9, 9), kWhite);
}

TEST(ApplyRecordTest, SetupStonesAndMovesOutOfTurnKeepTheirColours) {
  Applied setup;
  ASSERT_FALSE(ReadSgfRecord(*setup.record, test::Fixture("sgf-setup-problem.sgf")).failed);
  setup.Apply();
  // The stones are there before the first move, with no number and outside the line.
  EXPECT_EQ(setup.view.stonesWhenCleared, 0);
  EXPECT_EQ(setup.board->MoveCount(), 1);
  EXPECT_EQ(setup.board->LastMove(), 2);
  EXPECT_EQ(setup.board->Point(2, 2), kBlack);
  EXPECT_EQ(setup.board->Point(1, 1), kWhite);
  EXPECT_EQ(setup.board->Point(5, 1), kWhite);  // White to play first, as PL says
  EXPECT_EQ(setup.board->NumberGrid()[1][1], 0);
  setup.board->Back();
  EXPECT_EQ(setup.board->ToMove(), kWhite);

  Applied turns;
  ASSERT_FALSE(ReadSgfRecord(*turns.record, test::Fixture("sgf-out-of-turn.sgf")).failed);
  turns.Apply();
  while (turns.board->Forward()) {
  }
  EXPECT_EQ(turns.board->Point(4, 4), kBlack);  // Black's second move in a row
  EXPECT_EQ(turns.board->Point(16, 16), kWhite);
  EXPECT_EQ(turns.board->Point(17, 17), kBlack);
  // Back and forth keeps every colour.
  while (turns.board->Back()) {
  }
  EXPECT_EQ(turns.board->ToMove(), kBlack);
  turns.board->Forward();
  turns.board->Forward();
  EXPECT_EQ(turns.board->Point(4, 4), kBlack);
  EXPECT_EQ(turns.board->ToMove(), kWhite);
}

TEST(ApplyRecordTest, CaptureLabelsArePlainNumbers) {
  TMoveInfo info;
  info.BlackCaptures = 12;
  info.WhiteCaptures = 0;
  const TCaptureLabels labels = CaptureLabels(info);
  EXPECT_EQ(labels.whiteDead, "12");
  EXPECT_EQ(labels.blackDead, "0");
}

}  // namespace
}  // namespace moyo
