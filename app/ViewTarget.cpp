#include "app/ViewTarget.h"

#include <system_error>

namespace moyo::app {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> PercentDecode(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      bytes += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    // A NUL byte would cut the path short of what the URL names.
    if (high == 0 && low == 0) return std::nullopt;
    bytes += static_cast<char>(high * 16 + low);
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
