#pragma once
// What the reference panel's tests share: the commented sample, its game
// positions, and the viewer's way of opening a diagram.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "board/TGoBoard.h"
#include "record/RecordReplay.h"
#include "record/TaggedReader.h"

namespace moyo::web::test {

// The sample with commentary and two reference diagrams.
inline void LoadCommentedSample(TGameRecord& record) {
  const char* root = std::getenv("MOYO_SOURCE_DIR");
  const std::string path =
      std::string(root != nullptr ? root : ".") + "/samples/selfplay-commented-ko-fight.gib";
  std::ifstream in(path, std::ios::binary);
  const std::string body{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(ReadTaggedRecord(record, body, "1").failed);
}

// The game's position after move, with the line played so far.
inline std::unique_ptr<TBoardSnapshot> GameAfter(const TGameRecord& record, int move) {
  TGoBoard board;
  ReplayRecord(record, move, board);
  auto snapshot = std::make_unique<TBoardSnapshot>();
  board.SavePosition(*snapshot);
  return snapshot;
}

// What the viewer does with its reference window when a link is clicked.
template <typename Window>
void OpenReference(Window& window, const TBoardSnapshot& game, bool flipped,
                   const std::string& diagram) {
  window.ShowPosition(19, game, flipped, false);
  window.ShowWindow();
  window.LoadDiagram(diagram);
}

}  // namespace moyo::web::test
