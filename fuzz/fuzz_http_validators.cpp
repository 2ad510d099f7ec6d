// Reads arbitrary bytes as the conditional headers a browser sends back for a
// served file (If-None-Match, If-Modified-Since): no text may crash, overflow
// or stall them, and a date that reads back must read back the same when written.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/FileValidators.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const moyo::app::FileStamp stamp{size, static_cast<std::int64_t>(size) * 7919, 123};
  const std::string tag = moyo::app::EntityTag(stamp);
  const std::string gzip = moyo::app::EntityTag(stamp, "gzip");
  moyo::app::ListsEntityTag(text, {tag, gzip});
  if (const auto seconds = moyo::app::ParseHttpDate(text)) {
    if (moyo::app::ParseHttpDate(moyo::app::FormatHttpDate(*seconds)) != seconds) std::abort();
  }
  return 0;
}
