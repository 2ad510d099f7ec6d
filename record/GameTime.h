#pragma once
// Thinking times as the information line shows them: "45분", "1시간", "1시간30분".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace moyo {

// Minutes in hours and minutes (CP949).
std::string MinutesText(std::int64_t minutes);

// Seconds as MinutesText of the whole minutes, with the seconds left over ("30초")
// after them; under a minute, the seconds alone.
std::string SecondsText(std::int64_t seconds);

// The seconds that SecondsText writes as `text`; nothing for any other text.
std::optional<std::int64_t> SecondsOfText(std::string_view text);

}  // namespace moyo
