#pragma once
// A settings store in memory, for tests; it can be made to fail every write.

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "platform/SettingsStore.h"

namespace moyo::testing {

class MemoryStore : public platform::SettingsStore {
 public:
  using Values = std::map<std::tuple<std::string, std::string, std::string>, std::string>;

  explicit MemoryStore(Values* values, bool failWrites = false)
      : values_(values), failWrites_(failWrites) {}

  std::optional<std::string> ReadText(const std::string& key, const std::string& section,
                                      const std::string& name) override {
    const auto found = values_->find({key, section, name});
    if (found == values_->end()) return std::nullopt;
    return found->second;
  }
  bool WriteText(const std::string& key, const std::string& section, const std::string& name,
                 const std::string& value) override {
    if (failWrites_) return false;
    (*values_)[{key, section, name}] = value;
    return true;
  }

 private:
  Values* values_;
  bool failWrites_;
};

}  // namespace moyo::testing
