#pragma once
// Conversions between the program's CP949 byte strings and UTF-8, used only
// where text leaves or enters the program (Qt, JSON, the host).

#include <string>
#include <string_view>

namespace moyo::platform {

// CP949 to UTF-8; bytes that do not form a CP949 character become U+FFFD.
std::string Cp949ToUtf8(std::string_view cp949);

// UTF-8 to CP949; each character that CP949 lacks, and each malformed UTF-8
// sequence, becomes one "?".
std::string Utf8ToCp949(std::string_view utf8);

}  // namespace moyo::platform
