#pragma once
// The host program's own settings, in $XDG_CONFIG_HOME/Moyoscope/host.ini apart
// from the control's: the recently opened record files, newest first, and
// whether stones are heard.

#include <string>
#include <vector>

namespace moyo::app {

inline constexpr std::size_t kRecentFileLimit = 10;

// `files` with `file` in front, without repeats, at most kRecentFileLimit long.
std::vector<std::string> WithRecentFile(std::vector<std::string> files, const std::string& file);
// `files` without those that are no longer regular files.
std::vector<std::string> WithoutMissingFiles(std::vector<std::string> files);

// The stored list, pruned of files that are gone (the pruned list is stored back).
std::vector<std::string> LoadRecentFiles();
void SaveRecentFiles(const std::vector<std::string>& files);

// Whether the stone sound is on (it is unless the player turned it off).
bool LoadStoneSound();
void SaveStoneSound(bool on);

}  // namespace moyo::app
