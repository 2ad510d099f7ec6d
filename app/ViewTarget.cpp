#include "app/ViewTarget.h"

#include <charconv>
#include <system_error>

namespace moyo::app {
namespace {

std::optional<std::string> PercentDecode(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      bytes += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const char* digits = text.data() + i + 1;
    unsigned value = 0;
    const auto [end, error] = std::from_chars(digits, digits + 2, value, 16);
    // A NUL byte would cut the path short of what the URL names.
    if (error != std::errc() || end != digits + 2 || value == 0) return std::nullopt;
    bytes += static_cast<char>(value);
    i += 2;
  }
  return bytes;
}

}  // namespace

std::optional<std::filesystem::path> FileUrlPath(const std::string& url) {
  constexpr std::string_view kScheme = "file:";
  if (!url.starts_with(kScheme)) return std::nullopt;
  std::string rest = url.substr(kScheme.size());
  if (rest.starts_with("//")) {
    // file://HOST/PATH: only this machine's files can be read here.
    const std::size_t slash = rest.find('/', 2);
    if (slash == std::string::npos) return std::nullopt;
    const std::string host = rest.substr(2, slash - 2);
    if (!host.empty() && host != "localhost") return std::nullopt;
    rest = rest.substr(slash);
  }
  if (!rest.starts_with("/")) return std::nullopt;
  const std::size_t query = rest.find_first_of("?#");
  if (query != std::string::npos) rest.resize(query);
  const std::optional<std::string> path = PercentDecode(rest);
  if (!path) return std::nullopt;
  return std::filesystem::path(*path);
}

std::optional<TViewTarget> ResolveViewTarget(const std::string& argument,
                                             const std::string& level) {
  TViewTarget target;
  target.record = argument;
  // A record number is looked up on the record server, whatever files lie about.
  if (level == "10") return target;
  if (argument.starts_with("file:")) {
    std::optional<std::filesystem::path> path = FileUrlPath(argument);
    if (!path) return std::nullopt;
    target.file = std::move(*path);
    return target;
  }
  if (argument.starts_with("http")) return target;
  std::error_code error;
  if (std::filesystem::is_regular_file(argument, error)) {
    target.file = std::filesystem::absolute(argument, error);
  }
  return target;
}

}  // namespace moyo::app
