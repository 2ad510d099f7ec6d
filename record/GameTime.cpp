#include "record/GameTime.h"

#include "record/Decimal.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

constexpr int kMinutesMessage = 11;  // "분"
constexpr int kHoursMessage = 12;    // "시간"
constexpr int kSecondsMessage = 18;  // "초"

}  // namespace

std::string MinutesText(std::int64_t minutes) {
  const std::int64_t hours = minutes / 60;
  const std::int64_t rest = minutes % 60;
  if (hours == 0) return std::to_string(rest) + Message(kMinutesMessage);
  if (rest == 0) return std::to_string(hours) + Message(kHoursMessage);
  return std::to_string(hours) + Message(kHoursMessage) + std::to_string(rest) +
         Message(kMinutesMessage);
}

std::string SecondsText(std::int64_t seconds) {
  const std::int64_t rest = seconds % 60;
  if (rest == 0) return MinutesText(seconds / 60);
  const std::string secondsPart = std::to_string(rest) + Message(kSecondsMessage);
  return seconds < 60 ? secondsPart : MinutesText(seconds / 60) + secondsPart;
}

std::optional<std::int64_t> SecondsOfText(std::string_view text) {
  std::int64_t seconds = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    const auto number = ParseDecimal(text.substr(digits, i - digits), TDecimalForm::Digits);
    if (!number) return std::nullopt;
    const std::string_view rest = text.substr(i);
    std::int64_t unit = 0;
    for (const auto& [message, scale] :
         {std::pair{kHoursMessage, 3600}, std::pair{kMinutesMessage, 60},
          std::pair{kSecondsMessage, 1}}) {
      if (rest.starts_with(Message(message))) {
        unit = scale;
        i += Message(message).size();
        break;
      }
    }
    if (unit == 0) return std::nullopt;
    seconds += std::int64_t{*number} * unit;
  }
  if (text.empty() || SecondsText(seconds) != text) return std::nullopt;
  return seconds;
}

}  // namespace moyo
