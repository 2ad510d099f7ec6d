// The GTP engine: each command, the protocol's line handling, and malformed input.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "board/gtp/GtpEngine.h"
#include "tests/support/BoardDiagram.h"

namespace moyo::gtp {
namespace {

class GtpEngineTest : public ::testing::Test {
 protected:
  std::string Ask(std::string_view line) { return engine.Execute(line); }
  TGtpEngine engine;
};

TEST_F(GtpEngineTest, IdentifiesItselfAndKeepsIds) {
  EXPECT_EQ(Ask("protocol_version"), "= 2\n\n");
  EXPECT_EQ(Ask("7 name"), "=7 Moyoscope\n\n");
  EXPECT_EQ(Ask("version").substr(0, 3), "= 1");
  EXPECT_EQ(Ask("known_command play"), "= true\n\n");
  EXPECT_EQ(Ask("known_command genmove"), "= false\n\n");
  EXPECT_EQ(Ask("12 known_command"), "?12 syntax error\n\n");
  const std::string list = "\n" + Ask("list_commands").substr(2);
  for (const char* name : {"protocol_version", "boardsize", "clear_board", "komi", "play", "undo",
                           "is_legal", "fixed_handicap", "list_stones", "captures", "showboard",
                           "quit", "moyo-forward", "moyo-back", "moyo-state"}) {
    EXPECT_NE(list.find(std::string("\n") + name + "\n"), std::string::npos) << name;
  }
}

TEST_F(GtpEngineTest, LinesAreCleanedBeforeTheyAreRead) {
  EXPECT_EQ(Ask(""), "");
  EXPECT_EQ(Ask("   "), "");
  EXPECT_EQ(Ask("# only a comment"), "");
  EXPECT_EQ(Ask("3\tname # trailing comment\r"), "=3 Moyoscope\n\n");
  EXPECT_EQ(Ask("na\x01me"), "= Moyoscope\n\n");
  EXPECT_EQ(Ask("42"), "?42 syntax error\n\n");
  EXPECT_EQ(Ask("genmove black"), "? unknown command\n\n");
  EXPECT_EQ(Ask("NAME"), "? unknown command\n\n");
  EXPECT_EQ(Ask(std::string(5000, 'x')), "? line too long\n\n");
}

TEST_F(GtpEngineTest, BoardSizeAndKomiCheckTheirArguments) {
  EXPECT_EQ(Ask("boardsize 9"), "= \n\n");
  EXPECT_EQ(engine.Board().Size(), 9);
  for (const char* bad : {"boardsize 0", "boardsize 20", "boardsize -1"}) {
    EXPECT_EQ(Ask(bad), "? unacceptable size\n\n") << bad;
  }
  for (const char* bad :
       {"boardsize", "boardsize 9x", "boardsize nine", "boardsize 9 9",
        "boardsize 99999999999999999999", "komi", "komi 6.5x", "komi nan", "komi 1 2"}) {
    EXPECT_EQ(Ask(bad), "? syntax error\n\n") << bad;
  }
  EXPECT_EQ(engine.Board().Size(), 9);
  EXPECT_EQ(Ask("komi 6.5"), "= \n\n");
  EXPECT_EQ(Ask("komi -3"), "= \n\n");
}

TEST_F(GtpEngineTest, VerticesCountRowsFromTheBottomAndSkipI) {
  Ask("boardsize 19");
  EXPECT_EQ(Ask("play b A1"), "= \n\n");
  EXPECT_EQ(engine.Board().Point(1, 19), kBlack);
  EXPECT_EQ(Ask("play white j10"), "= \n\n");
  EXPECT_EQ(engine.Board().Point(9, 10), kWhite);
  EXPECT_EQ(Ask("play BLACK T19"), "= \n\n");
  EXPECT_EQ(engine.Board().Point(19, 1), kBlack);
  EXPECT_EQ(Ask("list_stones black"), "= A1 T19\n\n");
  EXPECT_EQ(Ask("list_stones w"), "= J10\n\n");
  EXPECT_EQ(ColumnOfLetter('I'), 0);
  EXPECT_EQ(ColumnOfLetter('h'), 8);
  EXPECT_EQ(ColumnOfLetter('J'), 9);
  EXPECT_EQ(VertexText(9, 19, 19), "J1");
  for (const char* bad :
       {"play w I5", "play w U1", "play w A0", "play w A20", "play w A", "play w 11", "play w A1x",
        "play w A+1", "play red A1", "play w", "play w A2 A3"}) {
    EXPECT_EQ(Ask(bad), "? syntax error\n\n") << bad;
  }
  Ask("boardsize 5");
  EXPECT_EQ(Ask("play b F1"), "? syntax error\n\n");
  EXPECT_EQ(Ask("play b E5"), "= \n\n");
}

TEST_F(GtpEngineTest, PlayFollowsTheRulesAndTheTurn) {
  Ask("boardsize 5");
  EXPECT_EQ(Ask("play w C3"), "? illegal move: black is to move\n\n");
  EXPECT_EQ(Ask("play b B5"), "= \n\n");
  EXPECT_EQ(Ask("play w A5"), "= \n\n");
  EXPECT_EQ(Ask("play b B5"), "? illegal move\n\n");
  EXPECT_EQ(Ask("play b A4"), "= \n\n");
  EXPECT_EQ(Ask("list_stones white"), "= \n\n");
  EXPECT_EQ(Ask("captures black"), "= 1\n\n");
  EXPECT_EQ(Ask("captures white"), "= 0\n\n");
  // A5 is now suicide for White.
  EXPECT_EQ(Ask("is_legal w A5"), "= 0\n\n");
  EXPECT_EQ(Ask("play w A5"), "? illegal move\n\n");
  EXPECT_EQ(Ask("is_legal w C3"), "= 1\n\n");
  EXPECT_EQ(Ask("is_legal b C3"), "= 0\n\n");
  EXPECT_EQ(Ask("is_legal w pass"), "= 1\n\n");
  EXPECT_EQ(Ask("is_legal w"), "? syntax error\n\n");
  EXPECT_EQ(Ask("play w pass"), "= \n\n");
  EXPECT_EQ(Ask("moyo-state"), "= 4 4 1 1 0\n\n");
  EXPECT_EQ(Ask("captures"), "? syntax error\n\n");
  EXPECT_EQ(Ask("list_stones green"), "? syntax error\n\n");
}

TEST_F(GtpEngineTest, UndoForwardAndBackWalkTheLine) {
  Ask("boardsize 9");
  EXPECT_EQ(Ask("undo"), "? cannot undo\n\n");
  EXPECT_EQ(Ask("moyo-back"), "= false\n\n");
  Ask("play b E5");
  Ask("play w C3");
  EXPECT_EQ(Ask("undo"), "= \n\n");
  EXPECT_EQ(Ask("moyo-state"), "= 1 2 2 0 0\n\n");
  EXPECT_EQ(Ask("moyo-back"), "= true\n\n");
  EXPECT_EQ(Ask("moyo-forward"), "= true\n\n");
  EXPECT_EQ(Ask("moyo-forward"), "= true\n\n");
  EXPECT_EQ(Ask("moyo-forward"), "= false\n\n");
  EXPECT_EQ(Ask("list_stones white"), "= C3\n\n");
  EXPECT_EQ(Ask("clear_board"), "= \n\n");
  EXPECT_EQ(Ask("moyo-state"), "= 0 0 1 0 0\n\n");
  EXPECT_EQ(engine.Board().Size(), 9);
}

TEST_F(GtpEngineTest, PlayedPassCutsTheLineLikeAPlayedStone) {
  Ask("boardsize 9");
  Ask("play b E5");
  Ask("play w C3");
  EXPECT_EQ(Ask("play b pass"), "= \n\n");
  EXPECT_EQ(Ask("play w pass"), "= \n\n");
  EXPECT_EQ(Ask("moyo-state"), "= 4 4 1 0 0\n\n");

  // Passing where a continuation was stored replaces it.
  Ask("undo");
  Ask("undo");
  Ask("undo");
  EXPECT_EQ(Ask("moyo-state"), "= 1 4 2 0 0\n\n");
  EXPECT_EQ(Ask("play w pass"), "= \n\n");
  EXPECT_EQ(Ask("moyo-state"), "= 2 2 1 0 0\n\n");
  EXPECT_EQ(Ask("moyo-forward"), "= false\n\n");
  EXPECT_EQ(Ask("list_stones white"), "= \n\n");
}

TEST_F(GtpEngineTest, FixedHandicapNeedsAnEmptyBoardAndAKnownSize) {
  EXPECT_EQ(Ask("fixed_handicap 3"), "= D4 Q4 Q16\n\n");
  EXPECT_EQ(engine.Board().ToMove(), kWhite);
  EXPECT_EQ(Ask("fixed_handicap 2"), "? board not empty\n\n");
  Ask("clear_board");
  EXPECT_EQ(Ask("fixed_handicap 1"), "? invalid number of stones\n\n");
  EXPECT_EQ(Ask("fixed_handicap 20"), "? invalid number of stones\n\n");
  EXPECT_EQ(Ask("fixed_handicap two"), "? syntax error\n\n");
  Ask("boardsize 11");
  EXPECT_EQ(Ask("fixed_handicap 2"), "? invalid number of stones\n\n");
  Ask("boardsize 9");
  EXPECT_EQ(Ask("fixed_handicap 5"), "= C3 G3 E5 C7 G7\n\n");
}

TEST_F(GtpEngineTest, ShowBoardHasNoBlankLineInside) {
  Ask("boardsize 3");
  Ask("play b B2");
  const std::string board = Ask("showboard");
  ASSERT_EQ(board.substr(board.size() - 2), "\n\n");
  EXPECT_EQ(board.substr(0, board.size() - 2).find("\n\n"), std::string::npos);
  EXPECT_NE(board.find("  2 . X . 2"), std::string::npos);
}

TEST_F(GtpEngineTest, QuitEndsASession) {
  std::istringstream in("1 name\n\nplay b D4\nquit\nname\n");
  std::ostringstream out;
  EXPECT_EQ(RunSession(in, out), 0);
  EXPECT_EQ(out.str(), "=1 Moyoscope\n\n= \n\n= \n\n");
  EXPECT_EQ(Ask("quit"), "= \n\n");
  EXPECT_TRUE(engine.QuitRequested());
}

TEST_F(GtpEngineTest, SessionsSurviveOverlongAndUnendedLines) {
  std::istringstream in(std::string(100000, 'a') + "\nname");
  std::ostringstream out;
  RunSession(in, out);
  EXPECT_EQ(out.str(), "? line too long\n\n= Moyoscope\n\n");
}

}  // namespace
}  // namespace moyo::gtp
