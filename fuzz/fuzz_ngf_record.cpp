// Feeds arbitrary bytes to the NGF reader and applies what it read to a board.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "fuzz/NullRecordView.h"
#include "record/NgfReader.h"
#include "record/QnaExport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static auto record = std::make_unique<moyo::TGameRecord>();
  static auto board = std::make_unique<moyo::TGoBoard>();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const moyo::TReadResult result = moyo::ReadNgfRecord(*record, text);
  if (!result.failed && result.show) moyo::fuzz::ApplyAndReplay(*record, *board);
  if (record->moveCount < 0 || record->moveCount > moyo::kMaxRecordMoves) __builtin_trap();
  // The answer text of whatever was read must be writable too.
  moyo::QnaText(*record, static_cast<int>(size));
  return 0;
}
