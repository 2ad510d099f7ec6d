// Feeds arbitrary bytes to the reference window's diagram-text reader and plays
// what it reads on a board, as the window does.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "board/TGoBoard.h"
#include "refdiagram/DiagramText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const moyo::TDiagramText diagram = moyo::ReadDiagramText(text);
  // Every move, label and comment byte comes from the text itself.
  const std::size_t read =
      4 + 2 * diagram.Moves.size() + 4 * diagram.Labels.size() + diagram.Comment.size();
  if (diagram.MovesValid && read > size) __builtin_trap();
  if (!diagram.MovesValid && (!diagram.Moves.empty() || diagram.HasRest)) __builtin_trap();
  moyo::TGoBoard board;
  for (const moyo::TDiagramMove& move : diagram.Moves) {
    if (move.X == 0 && move.Y == 0) {
      board.Pass();
    } else if (move.X > 0 && move.Y > 0) {
      board.PlayMove(move.X, move.Y, true);
    }
  }
  return 0;
}
