#pragma once
// The pictures the page has handed to the module, found by name like the
// desktop's bitmap store finds its compiled-in artwork.

#include <map>
#include <memory>
#include <string>

#include "platform/BitmapStore.h"
#include "web/RgbaImage.h"

namespace moyo::web {

class WebArtwork : public platform::BitmapStore {
 public:
  // Keeps image under name (any case); a name already kept keeps its first
  // picture, which painters may be holding.
  void Add(const std::string& name, RgbaImage image);
  const platform::Bitmap* Find(const std::string& name) override;

 private:
  std::map<std::string, std::unique_ptr<RgbaBitmap>> pictures_;
};

}  // namespace moyo::web
