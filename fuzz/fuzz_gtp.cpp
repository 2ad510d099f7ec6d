// Feeds arbitrary bytes to the GTP engine as a session: every line must be answered and the
// board must keep its invariants.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "board/gtp/GtpEngine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  moyo::gtp::TGtpEngine engine;
  std::string line;
  for (std::size_t i = 0; i <= size && !engine.QuitRequested(); ++i) {
    if (i < size && data[i] != '\n') {
      line += static_cast<char>(data[i]);
      continue;
    }
    const std::string response = engine.Execute(line);
    if (!response.empty() && response.size() < 3) __builtin_trap();
    line.clear();
    const moyo::TGoBoard& board = engine.Board();
    if (board.MoveCount() < 0 || board.MoveCount() > moyo::kMaxMoves) __builtin_trap();
    if (board.Opponent() != moyo::OtherColour(board.ToMove())) __builtin_trap();
  }
  return 0;
}
