// Record character sets in the web module. Its C library cannot convert to CP949, so
// the module reads UTF-8 and CP949 records through the generated table and leaves
// other character sets to the desktop viewer.

#include <algorithm>

#include "platform/Charsets.h"
#include "web/Cp949Table.h"

namespace moyo::platform {

bool KnowsCharset(std::string_view charset) {
  return charset == "UTF-8" || charset == "CP949";
}

std::optional<std::string> ConvertToCp949(std::string_view charset, std::string_view text,
                                          int& lost) {
  if (charset == "CP949") return std::string(text);
  if (charset != "UTF-8") return std::nullopt;
  std::string converted = web::TableUtf8ToCp949(text);
  // The table writes one '?' for each character it cannot convert.
  lost += static_cast<int>(std::count(converted.begin(), converted.end(), '?') -
                           std::count(text.begin(), text.end(), '?'));
  return converted;
}

}  // namespace moyo::platform
