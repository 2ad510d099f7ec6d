// Feeds arbitrary bytes to the tagged reader, as a member with full rights and as
// one without, into a record that keeps what the previous input left, and applies
// what it read to a board.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "fuzz/NullRecordView.h"
#include "record/TaggedReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static auto record = std::make_unique<moyo::TGameRecord>();
  static auto board = std::make_unique<moyo::TGoBoard>();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const moyo::TReadResult result = moyo::ReadTaggedRecord(*record, text, size % 2 ? "0" : "1");
  if (!result.failed && result.show) moyo::fuzz::ApplyAndReplay(*record, *board);
  if (record->moveCount < 0 || record->moveCount > moyo::kMaxRecordMoves) __builtin_trap();
  if (record->commentCount > moyo::kMaxCommentEntries / 2) record->Clear();
  return 0;
}
