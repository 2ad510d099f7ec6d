#pragma once
// An in-memory settings store for tests, which can also refuse every write.

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "platform/SettingsStore.h"

namespace moyo::test {

class MemorySettings : public platform::SettingsStore {
 public:
  std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
  bool writable = true;

  std::optional<std::string> ReadText(const std::string& key, const std::string& section,
                                      const std::string& name) override {
    const auto found = values.find({key, section, name});
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  bool WriteText(const std::string& key, const std::string& section, const std::string& name,
                 const std::string& value) override {
    if (!writable) return false;
    values[{key, section, name}] = value;
    return true;
  }
};

}  // namespace moyo::test
