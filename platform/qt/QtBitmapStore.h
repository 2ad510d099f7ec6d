#pragma once
// The named pictures compiled into the program as Qt resources, loaded on
// first use and kept for the life of the store.

#include <map>
#include <memory>
#include <string>

#include "platform/BitmapStore.h"
#include "platform/qt/QtBitmap.h"

namespace moyo::platform {

class QtBitmapStore : public BitmapStore {
 public:
  // Pictures are read from the resource folder prefix (":/artwork" for the
  // program's artwork), one PNG a name, the file named in lower case. A name
  // ending in "_2x" is a picture of two device pixels a pixel.
  explicit QtBitmapStore(std::string prefix = ":/artwork");

  const Bitmap* Find(const std::string& name) override;
  // The same picture as a QtBitmap, for widgets that need the QImage.
  const QtBitmap* FindQt(const std::string& name);

 private:
  std::string prefix_;
  std::map<std::string, std::unique_ptr<QtBitmap>> loaded_;
};

}  // namespace moyo::platform
