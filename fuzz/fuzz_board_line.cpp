// Loads arbitrary bytes as a whole-position snapshot and walks the line back and forth with
// moves in between: damaged snapshots must never crash, overflow or stall a replay.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "board/TGoBoard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto snapshot = std::make_unique<moyo::TBoardSnapshot>();
  moyo::InitPosition(19, *snapshot);
  // The first bytes overwrite the head of the snapshot (sizes, counters, the capture log),
  // the rest drive the board: 2 bytes a step.
  const std::size_t head = std::min<std::size_t>(size, 64);
  std::memcpy(reinterpret_cast<unsigned char*>(snapshot.get()), data, head);
  auto board = std::make_unique<moyo::TGoBoard>(moyo::TNumbering{}, *snapshot);
  board->LoadPosition(*snapshot, true, false);
  board->SetLastMove(snapshot->MoveCount);
  for (std::size_t i = head; i + 1 < size; i += 2) {
    const int x = data[i] % 22 - 1, y = data[i + 1] % 22 - 1;
    switch (data[i] >> 6) {
      case 0:
        board->PlayMove(x, y, true);
        break;
      case 1:
        board->Back();
        break;
      case 2:
        board->Forward();
        break;
      default:
        board->Pass();
        break;
    }
  }
  // Every step that reports success must move along the line, so walking it always ends.
  for (int before = board->MoveCount(); board->Back(); before = board->MoveCount()) {
    if (board->MoveCount() != before - 1) __builtin_trap();
  }
  for (int before = board->MoveCount(); board->Forward(); before = board->MoveCount()) {
    if (board->MoveCount() != before + 1) __builtin_trap();
  }
  if (board->CaptureLog().Count > moyo::kCaptureLogCapacity) __builtin_trap();
  return 0;
}
