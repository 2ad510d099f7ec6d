#include "web/WebArtwork.h"

#include <algorithm>
#include <cctype>

namespace moyo::web {
namespace {

std::string Lower(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name;
}

}  // namespace

void WebArtwork::Add(const std::string& name, RgbaImage image) {
  auto& slot = pictures_[Lower(name)];
  if (slot == nullptr) slot = std::make_unique<RgbaBitmap>(std::move(image));
}

const platform::Bitmap* WebArtwork::Find(const std::string& name) {
  const auto it = pictures_.find(Lower(name));
  return it == pictures_.end() ? nullptr : it->second.get();
}

}  // namespace moyo::web
