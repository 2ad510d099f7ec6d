#pragma once
// What lets a browser keep a served file and later ask whether it changed: an
// entity tag and a modification date, and reading the conditional headers it
// sends back with them.

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace moyo::app {

// Size and modification time of a file, which change whenever it is rewritten.
struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t seconds = 0;  // since 1970-01-01 UTC
  std::int64_t nanoseconds = 0;
};

// The stamp of a regular file (links followed); nothing for anything else.
std::optional<FileStamp> StampOf(const std::filesystem::path& file);

// A strong entity tag for the file's bytes, quoted. coding names a content
// coding applied on the way out ("gzip"): those bytes differ, so their tag does.
std::string EntityTag(const FileStamp& stamp, std::string_view coding = {});

// Whether an If-None-Match value names one of tags; "*" names any. Weak tags
// (W/"...") compare by their opaque part, as a 304 needs.
bool ListsEntityTag(std::string_view ifNoneMatch, std::initializer_list<std::string_view> tags);

// An HTTP date: "Sun, 06 Nov 1994 08:49:37 GMT".
std::string FormatHttpDate(std::int64_t seconds);
// The seconds of an HTTP date in that form; nothing for any other text.
std::optional<std::int64_t> ParseHttpDate(std::string_view text);

}  // namespace moyo::app
