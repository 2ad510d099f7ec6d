// Feeds arbitrary bytes to the SGF reader, writes what it read back as SGF, which must be
// readable again, and applies it to a board.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "fuzz/NullRecordView.h"
#include "record/SgfReader.h"
#include "record/SgfWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static auto record = std::make_unique<moyo::TGameRecord>();
  static auto again = std::make_unique<moyo::TGameRecord>();
  static auto board = std::make_unique<moyo::TGoBoard>();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const moyo::TReadResult result = moyo::ReadSgfRecord(*record, text);
  if (result.failed) return 0;
  if (record->moveCount > moyo::kMaxRecordMoves || record->setupCount > moyo::kMaxSetupStones) {
    __builtin_trap();
  }
  const std::string sgf = moyo::WriteSgf(*record);
  if (moyo::ReadSgfRecord(*again, sgf).failed) __builtin_trap();
  moyo::fuzz::ApplyAndReplay(*record, *board);
  return 0;
}
