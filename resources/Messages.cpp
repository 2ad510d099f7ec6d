#include "resources/Messages.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "platform/Text.h"
#include "resources/MessageTexts.h"

namespace moyo {
namespace {

// A message slot holds at most this many bytes; longer texts are cut.
constexpr std::size_t kSlotBytes = 100;

using MessageTable = std::array<std::string, kMessageCount + 1>;

// Converts the whole table at once. A text that does not survive the round trip
// through CP949 would show the wrong words, so it stops the program instead.
MessageTable ConvertTable() {
  MessageTable table;
  for (int id = 1; id <= kMessageCount; ++id) {
    const std::string_view utf8 = kMessageTextsUtf8[id];
    std::string cp949 = platform::Utf8ToCp949(utf8);
    if (platform::Cp949ToUtf8(cp949) != utf8) {
      std::fprintf(stderr, "moyoscope: message %d cannot be converted to CP949\n", id);
      std::abort();
    }
    if (cp949.size() > kSlotBytes) cp949.resize(kSlotBytes);
    table[id] = std::move(cp949);
  }
  return table;
}

}  // namespace

const std::string& Message(int id) {
  static const MessageTable table = ConvertTable();
  static const std::string empty;
  if (id < 1 || id > kMessageCount) return empty;
  return table[id];
}

}  // namespace moyo
