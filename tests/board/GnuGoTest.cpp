// Seeded random games driven through this engine and GNU Go with the same GTP commands:
// legality, stones and captures must agree after every move.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>
#include <vector>

#include "board/TGoBoard.h"
#include "board/gtp/GtpEngine.h"
#include "tests/board/GtpPeer.h"

namespace moyo {
namespace {

class GnuGoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    peer = test::StartGnuGo();
    if (!peer) GTEST_SKIP() << "gnugo is not installed";
    ASSERT_TRUE(peer->Running());
    ASSERT_EQ(peer->Ask("protocol_version"), "= 2\n\n");
  }

  // Sends the commands to both engines, GNU Go in one round trip, and returns this engine's
  // answers after checking that GNU Go gave the same (list_stones compared as sets).
  std::vector<std::string> Both(const std::vector<std::string>& commands) {
    const std::vector<std::string> theirs = peer->AskAll(commands);
    std::vector<std::string> ours;
    for (std::size_t i = 0; i < commands.size(); ++i) {
      ours.push_back(engine.Execute(commands[i]));
      const bool sorted = commands[i].starts_with("list_stones");
      const std::string their = i < theirs.size() ? theirs[i] : "(no answer)";
      EXPECT_EQ(sorted ? test::SortedWords(ours[i]) : ours[i],
                sorted ? test::SortedWords(their) : their)
          << commands[i] << "\n"
          << engine.Execute("showboard");
    }
    return ours;
  }

  std::unique_ptr<test::TGtpPeer> peer;
  gtp::TGtpEngine engine;
};

TEST_F(GnuGoTest, RandomGamesAgreeMoveByMove) {
  std::mt19937 random(424242);
  int captures = 0, refusals = 0, moves = 0;
  const int sizes[] = {5, 7, 9, 13, 19};
  for (int game = 0; game < 10; ++game) {
    const int size = sizes[game % 5];
    Both({"boardsize " + std::to_string(size), "clear_board"});
    std::uniform_int_distribution<int> point(1, size);
    const char* colours[] = {"", "black", "white"};
    for (int move = 0; move < 2 * size * size && engine.Board().MoveCount() < 150; ++move) {
      const std::string colour = colours[engine.Board().ToMove()];
      // Ask both about the ko point, two neighbours of the last stone (where captures, ko and
      // suicide happen) and a few random points; then play the first one this board allows.
      const TMoveRecord& last = engine.Board().MoveHistory()[engine.Board().MoveCount()];
      std::vector<std::pair<int, int>> candidates;
      if (last.KoX > 0) candidates.emplace_back(last.KoX, last.KoY);
      if (last.X > 0) {
        const int around[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (int i = 0; i < 2; ++i) {
          const auto& d = around[random() % 4];
          candidates.emplace_back(last.X + d[0], last.Y + d[1]);
        }
      }
      for (int i = 0; i < 4; ++i) candidates.emplace_back(point(random), point(random));
      std::vector<std::string> questions;
      for (auto [x, y] : candidates) {
        if (engine.Board().IsOnBoard(x, y)) {
          questions.push_back("is_legal " + colour + " " + gtp::VertexText(x, y, size));
        }
      }
      const std::vector<std::string> answers = Both(questions);
      std::string chosen = "pass";
      for (std::size_t i = 0; i < answers.size(); ++i) {
        if (answers[i] == "= 1\n\n") {
          chosen = questions[i].substr(questions[i].rfind(' ') + 1);
          break;
        }
        ++refusals;
      }
      Both({"play " + colour + " " + chosen, "list_stones black", "list_stones white",
            "captures black", "captures white"});
      ++moves;
      if (HasFailure()) return;
    }
    captures += engine.Board().BlackCaptures() + engine.Board().WhiteCaptures();
  }
  EXPECT_GT(moves, 800);
  EXPECT_GT(captures, 100);
  EXPECT_GT(refusals, 100);
}

}  // namespace
}  // namespace moyo
