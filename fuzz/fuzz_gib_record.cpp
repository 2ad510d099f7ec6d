// Feeds arbitrary bytes to the GIB reader and applies what it read to a board.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "fuzz/NullRecordView.h"
#include "record/GibReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static auto record = std::make_unique<moyo::TGameRecord>();
  static auto board = std::make_unique<moyo::TGoBoard>();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const moyo::TReadResult result = moyo::ReadGibRecord(*record, text);
  if (record->moveCount < 0 || record->moveCount > moyo::kMaxRecordMoves) __builtin_trap();
  if (!result.failed) moyo::fuzz::ApplyAndReplay(*record, *board);
  return 0;
}
