// GTP loadsgf against GNU Go: both engines load the same SGF files, and the side to move
// and every stone must agree after the whole game and before chosen moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "app/RecordFile.h"
#include "board/gtp/GtpEngine.h"
#include "tests/app/TempFolder.h"
#include "tests/board/GtpPeer.h"

namespace moyo::app {
namespace {

// Games that exercise what loading must get right: handicap stones and White first, setup
// stones with a named first player, passes, captures on the edges of 9 and 13 lines.
struct TGame {
  const char* name;
  const char* sgf;
  int moves;
};

constexpr TGame kGames[] = {
    {"handicap.sgf",
     "(;GM[1]FF[4]SZ[19]HA[4]KM[0.5]AB[dd][pd][dp][pp];W[qf];B[qe];W[pf];B[nc];W[qc];B[pc];"
     "W[qb];B[rd];W[rc];B[re];W[pb];B[ob];W[qd];B[ic])",
     14},
    {"setup.sgf",
     "(;GM[1]FF[4]SZ[19]PL[W]AB[ab][bb][cb][db][eb][fa]AW[aa][ba][da];W[ca];B[ea];W[ac])", 3},
    {"passes.sgf", "(;GM[1]FF[4]SZ[19];B[pd];W[];B[dp];W[tt];B[pp];W[dd];B[])", 7},
    {"nine.sgf",
     "(;GM[1]FF[4]SZ[9]KM[7];B[ee];W[aa];B[ba];W[ii];B[ab];W[hh];B[ih];W[gi];B[hi];W[gh];"
     "B[hg];W[hf];B[ig])",
     13},
    {"thirteen.sgf",
     "(;GM[1]FF[4]SZ[13]HA[2]AB[jd][dj];W[mm];B[lm];W[cc];B[ml];W[dc];B[cd];W[bd];B[ce];"
     "W[be];B[cf];W[bf];B[bg];W[ag];B[bh])",
     14},
};

class LoadSgfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    peer = test::StartGnuGo();
    if (!peer) GTEST_SKIP() << "gnugo is not installed";
    ASSERT_TRUE(peer->Running());
    engine.LoadRecord = LoadRecordOnBoard;
  }

  void ExpectSame(const std::string& command) {
    const std::string ours = engine.Execute(command);
    const std::string theirs = peer->Ask(command);
    const bool stones = command.starts_with("list_stones");
    EXPECT_EQ(stones ? test::SortedWords(ours) : ours, stones ? test::SortedWords(theirs) : theirs)
        << command;
  }

  std::unique_ptr<test::TGtpPeer> peer;
  gtp::TGtpEngine engine;
  test::TempFolder folder;
};

TEST_F(LoadSgfTest, PositionsAgreeWithGnuGoAfterTheGameAndBeforeEachMove) {
  for (const TGame& game : kGames) {
    SCOPED_TRACE(game.name);
    folder.Write(game.name, game.sgf);
    const std::string path = (folder.Path() / game.name).string();
    for (int before = 0; before <= game.moves + 1; ++before) {
      ExpectSame("loadsgf " + path + (before > 0 ? " " + std::to_string(before) : ""));
      ExpectSame("list_stones black");
      ExpectSame("list_stones white");
    }
  }
}

TEST_F(LoadSgfTest, EveryFormatTheViewerReadsLoadsAndBadFilesFail) {
  const char* root = std::getenv("MOYO_SOURCE_DIR");
  const std::string samples = std::string(root ? root : ".") + "/samples/";
  EXPECT_EQ(engine.Execute("loadsgf " + samples + "selfplay-commented-ko-fight.gib"),
            "= white\n\n");
  EXPECT_EQ(engine.Board().MoveCount(), 255);
  EXPECT_EQ(engine.Execute("loadsgf " + samples + "selfplay-four-stone-handicap.ngf 1"),
            "= white\n\n");
  EXPECT_EQ(engine.Board().HandicapCount(), 4);
  EXPECT_EQ(engine.Execute("loadsgf /no/such/file.sgf").substr(0, 1), "?");
  EXPECT_EQ(engine.Execute("loadsgf"), "? syntax error\n\n");
  gtp::TGtpEngine plain;
  EXPECT_EQ(plain.Execute("loadsgf x.sgf"), "? cannot load files\n\n");
}

}  // namespace
}  // namespace moyo::app
