#pragma once
// Reading the decimal texts of settings and dialog fields.

#include <cstdint>
#include <optional>
#include <string_view>

namespace moyo {

// The 32-bit signed integer that text spells in decimal (an optional sign, then
// digits, blanks allowed around it); nothing for any other text or one out of range.
std::optional<std::int32_t> ParseInt32(std::string_view text);

}  // namespace moyo
