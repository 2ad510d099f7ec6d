#pragma once
// The per-user settings store over QSettings INI files.
//
// A registry-style key names a file under the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config): backslash-separated parts, a leading
// "Software" part dropped, the rest as folders with the last part plus ".ini".
//   "Software\NetMoyoscope"         -> <config>/NetMoyoscope.ini
//   "\Software\Zel2000\DirPath Info" -> <config>/Zel2000/DirPath Info.ini
// A section is an INI group of that file ("Print Option Info"); an empty
// section stands for the key's own values (the file's [General] group).
// Names are case-sensitive; values are stored as UTF-8 text.

#include <filesystem>
#include <optional>
#include <string>

#include "platform/SettingsStore.h"

namespace moyo::platform {

class QtSettingsStore final : public SettingsStore {
 public:
  // A store rooted at the user's configuration folder, as the environment names it now.
  QtSettingsStore();
  // A store rooted at configFolder (tests and tools).
  explicit QtSettingsStore(std::filesystem::path configFolder);

  std::optional<std::string> ReadText(const std::string& key, const std::string& section,
                                      const std::string& name) override;
  bool WriteText(const std::string& key, const std::string& section, const std::string& name,
                 const std::string& value) override;

  // The INI file that holds key, or nothing when key names no safe file
  // (empty, or with "." or ".." parts).
  std::optional<std::filesystem::path> FileForKey(const std::string& key) const;

  // The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute
  // path, else $HOME/.config.
  static std::filesystem::path DefaultConfigFolder();

 private:
  std::filesystem::path configFolder_;
};

}  // namespace moyo::platform
