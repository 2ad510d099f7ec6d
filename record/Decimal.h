#pragma once
// Decimal numbers in record texts: the one parser every reader uses.

#include <cstdint>
#include <optional>
#include <string_view>

namespace moyo {

// How much around the digits a number may have.
enum class TDecimalForm {
  Padded,  // blanks (space, tab) around it and a sign before it, as header values have
  Digits,  // digits only
};

// Reads a whole text as a signed 32-bit decimal number; nothing when it is empty, holds
// anything its form does not allow, or does not fit.
std::optional<std::int32_t> ParseDecimal(std::string_view text,
                                         TDecimalForm form = TDecimalForm::Padded);

}  // namespace moyo
