#pragma once
// Decimal numbers in record texts.

#include <cstdint>
#include <optional>
#include <string_view>

namespace moyo {

// Reads a whole text as a signed 32-bit decimal number (blanks around it allowed);
// nothing when it is empty, holds anything else, or does not fit.
std::optional<std::int32_t> ParseDecimal(std::string_view text);

}  // namespace moyo
