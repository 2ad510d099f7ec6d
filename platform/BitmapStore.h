#pragma once
// The program's named pictures (stones, masks, wood, edges, button faces).

#include <string>

#include "platform/Canvas.h"

namespace moyo::platform {

class BitmapStore {
 public:
  virtual ~BitmapStore() = default;

  // The picture of that name, matched without regard to case, or nullptr when
  // there is none. The picture lives as long as the store.
  virtual const Bitmap* Find(const std::string& name) = 0;
};

}  // namespace moyo::platform
