#pragma once
// Save as SGF: the player's record file written as standard SGF.

#include <filesystem>
#include <string>

namespace moyo::app {

// Reads `source` as the viewer reads it and writes it to `target` as SGF.
// Empty when written, else why not (UTF-8, for the person who asked).
std::string SaveRecordAsSgf(const std::filesystem::path& source, const std::string& level,
                            const std::filesystem::path& target);

}  // namespace moyo::app
