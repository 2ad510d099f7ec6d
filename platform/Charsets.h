#pragma once
// Conversion of record texts from the character set they were written in to the
// program's CP949. The desktop build converts with glibc iconv; a build without
// iconv links its own implementation of these two functions.

#include <optional>
#include <string>
#include <string_view>

namespace moyo::platform {

// Converts `text`, written in `charset` (an iconv name such as "UTF-8", "GB18030",
// "SHIFT_JIS"), to CP949. Every character CP949 lacks, and every byte of `text`
// that starts no character of `charset`, becomes one "?" and is counted in `lost`.
// Nothing when the character set is unknown.
std::optional<std::string> ConvertToCp949(std::string_view charset, std::string_view text,
                                          int& lost);

// Whether `charset` names a character set the conversion knows.
bool KnowsCharset(std::string_view charset);

}  // namespace moyo::platform
