#include "web/PendingTexts.h"

#include <algorithm>

namespace moyo::web {

void PendingTexts::Set(const std::string& name, std::string text) {
  const auto same = std::find_if(texts_.begin(), texts_.end(),
                                 [&name](const auto& pending) { return pending.first == name; });
  if (same != texts_.end()) {
    same->second = std::move(text);
  } else {
    texts_.emplace_back(name, std::move(text));
  }
}

std::vector<std::pair<std::string, std::string>> PendingTexts::Take() {
  return std::exchange(texts_, {});
}

}  // namespace moyo::web
