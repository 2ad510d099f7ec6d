#pragma once
// CP949 <-> UTF-8 by the table generated from glibc iconv, for the web module,
// whose C library has no CP949. Results match the desktop's iconv conversions
// byte for byte, failures included.

#include <string>
#include <string_view>

namespace moyo::web {

// CP949 to UTF-8; each byte that starts no CP949 character becomes U+FFFD.
std::string TableCp949ToUtf8(std::string_view cp949);

// UTF-8 to CP949; each character that CP949 lacks, and each malformed UTF-8
// sequence, becomes one '?'.
std::string TableUtf8ToCp949(std::string_view utf8);

}  // namespace moyo::web
