#include "app/FileValidators.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>

namespace moyo::app {
namespace {

constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The number written in text[at, at + digits), or -1.
int DigitsAt(std::string_view text, std::size_t at, std::size_t digits) {
  int value = 0;
  for (std::size_t i = at; i < at + digits; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

std::optional<FileStamp> StampOf(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return FileStamp{static_cast<std::uint64_t>(status.st_size), status.st_mtim.tv_sec,
                   status.st_mtim.tv_nsec};
}

std::string EntityTag(const FileStamp& stamp, std::string_view coding) {
  char text[64];
  std::snprintf(text, sizeof text, "%llx-%llx.%llx", static_cast<unsigned long long>(stamp.size),
                static_cast<unsigned long long>(stamp.seconds),
                static_cast<unsigned long long>(stamp.nanoseconds));
  std::string tag = '"' + std::string(text);
  if (!coding.empty()) tag.append("-").append(coding);
  return tag + '"';
}

bool ListsEntityTag(std::string_view ifNoneMatch, std::initializer_list<std::string_view> tags) {
  while (!ifNoneMatch.empty()) {
    const auto comma = ifNoneMatch.find(',');
    std::string_view listed = Trimmed(ifNoneMatch.substr(0, comma));
    ifNoneMatch = comma == std::string_view::npos ? "" : ifNoneMatch.substr(comma + 1);
    if (listed == "*") return true;
    if (listed.starts_with("W/")) listed.remove_prefix(2);
    for (std::string_view tag : tags) {
      if (listed == tag) return true;
    }
  }
  return false;
}

std::string FormatHttpDate(std::int64_t seconds) {
  const std::time_t time = seconds;
  std::tm utc{};
  if (::gmtime_r(&time, &utc) == nullptr) return {};
  char text[40];
  std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d GMT", kDays[utc.tm_wday],
                utc.tm_mday, kMonths[utc.tm_mon], utc.tm_year + 1900, utc.tm_hour, utc.tm_min,
                utc.tm_sec);
  return text;
}

std::optional<std::int64_t> ParseHttpDate(std::string_view text) {
  // "Sun, 06 Nov 1994 08:49:37 GMT": the only form a browser sends back.
  if (text.size() != 29 || text.substr(3, 2) != ", " || text[7] != ' ' || text[11] != ' ' ||
      text[16] != ' ' || text[19] != ':' || text[22] != ':' || text.substr(25) != " GMT") {
    return std::nullopt;
  }
  std::tm utc{};
  utc.tm_mon = -1;
  for (int month = 0; month < 12; ++month) {
    if (text.substr(8, 3) == kMonths[month]) utc.tm_mon = month;
  }
  utc.tm_mday = DigitsAt(text, 5, 2);
  const int year = DigitsAt(text, 12, 4);
  utc.tm_hour = DigitsAt(text, 17, 2);
  utc.tm_min = DigitsAt(text, 20, 2);
  utc.tm_sec = DigitsAt(text, 23, 2);
  if (utc.tm_mon < 0 || utc.tm_mday < 1 || utc.tm_mday > 31 || year < 1970 || utc.tm_hour < 0 ||
      utc.tm_hour > 23 || utc.tm_min < 0 || utc.tm_min > 59 || utc.tm_sec < 0 || utc.tm_sec > 60) {
    return std::nullopt;
  }
  utc.tm_year = year - 1900;
  return ::timegm(&utc);
}

}  // namespace moyo::app
