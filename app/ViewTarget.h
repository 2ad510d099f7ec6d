#pragma once
// What the host is asked to show: a record file of the player's own, which the
// host serves to the control itself, or a record the control fetches as it
// always has (a number, an address, a name on the service's web server).

#include <filesystem>
#include <optional>
#include <string>

namespace moyo::app {

struct TViewTarget {
  // The player's own file, absolute; empty when the control fetches `record` itself.
  std::filesystem::path file;
  // The name or address as given.
  std::string record;
};

// Reads a command-line argument: a "file:" URL (no host or "localhost") or an
// existing regular file is the player's own; anything else is passed to the
// control unchanged. At level "10" the argument is always a record number.
// Nothing when a "file:" URL is malformed or names another machine.
std::optional<TViewTarget> ResolveViewTarget(const std::string& argument, const std::string& level);

// The path of a "file:" URL, percent-decoded; nothing for another scheme, a
// remote host or a malformed escape.
std::optional<std::filesystem::path> FileUrlPath(const std::string& url);

}  // namespace moyo::app
