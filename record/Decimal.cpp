#include "record/Decimal.h"

namespace moyo {

std::optional<std::int32_t> ParseDecimal(std::string_view text, TDecimalForm form) {
  bool negative = false;
  if (form == TDecimalForm::Padded) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
      negative = text.front() == '-';
      text.remove_prefix(1);
    }
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace moyo
