// Feeds arbitrary bytes through the whole reading of a body: the character set found and
// converted, the reader chosen by the content (the first byte picks the road's expected
// reader), the notices; what could be shown is applied to a board.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "fuzz/NullRecordView.h"
#include "record/ReadNotice.h"
#include "record/RecordDispatch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static auto board = std::make_unique<moyo::TGoBoard>();
  if (size == 0) return 0;
  const auto expected = static_cast<moyo::TRecordFormat>(data[0] % 4);
  const std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);
  auto record = std::make_unique<moyo::TGameRecord>();
  const moyo::TRecordRead read = moyo::ReadRecordBody(*record, body, {expected, "1", {}});
  moyo::NoticesText(read.result.notices);
  if (!read.result.failed && read.result.show) moyo::fuzz::ApplyAndReplay(*record, *board);
  return 0;
}
