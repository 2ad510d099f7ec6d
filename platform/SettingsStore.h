#pragma once
// The per-user settings store: text values under a key and a section, as the
// service's registry layout names them ("Software\NetMoyoscope", "Print Option Info").

#include <optional>
#include <string>

namespace moyo::platform {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The value, or nothing when the key, section or value is missing or cannot be read.
  // Values are CP949 byte strings.
  virtual std::optional<std::string> ReadText(const std::string& key, const std::string& section,
                                              const std::string& name) = 0;

  // Stores the value, creating the key and section as needed; false when it cannot be written.
  virtual bool WriteText(const std::string& key, const std::string& section,
                         const std::string& name, const std::string& value) = 0;
};

}  // namespace moyo::platform
