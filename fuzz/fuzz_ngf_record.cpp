// Feeds arbitrary bytes to the NGF reader.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "record/NgfReader.h"
#include "record/QnaExport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static auto record = std::make_unique<moyo::TGameRecord>();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  moyo::ReadNgfRecord(*record, text);
  if (record->moveCount < 0 || record->moveCount > moyo::kMaxRecordMoves) __builtin_trap();
  // The answer text of whatever was read must be writable too.
  moyo::QnaText(*record, static_cast<int>(size));
  return 0;
}
