#pragma once
// How far one UTF-8 character reaches, for conversions that replace a character
// they cannot take with one "?" whatever its length.

#include <cstddef>
#include <string_view>

namespace moyo::platform {

// The bytes of the UTF-8 character at the start of `rest` (not empty): its lead
// byte and the continuation bytes that follow it, up to the length the lead byte
// announces. A stray or malformed byte counts as a character of its own.
inline std::size_t Utf8CharacterBytes(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t taken = 1;
  while (taken < length && taken < rest.size() &&
         (static_cast<unsigned char>(rest[taken]) & 0xC0) == 0x80) {
    ++taken;
  }
  return taken;
}

}  // namespace moyo::platform
