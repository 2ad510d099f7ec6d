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
  // program's artwork), one PNG a name, the file named in lower case. A file
  // named with "_2x" is the picture painted at twice the size, for screens of
  // two device pixels a pixel: with a ratio of 2 it is found in place of the
  // plain one where it exists. The ratio is the screen's unless given.
  explicit QtBitmapStore(std::string prefix = ":/artwork", int ratio = ScreenPixelRatio());

  // Device pixels a pixel of the application's screens, rounded up; 1 without an application.
  static int ScreenPixelRatio();

  const Bitmap* Find(const std::string& name) override;
  // The same picture as a QtBitmap, for widgets that need the QImage.
  const QtBitmap* FindQt(const std::string& name);

 private:
  std::string prefix_;
  int ratio_;
  std::map<std::string, std::unique_ptr<QtBitmap>> loaded_;
};

}  // namespace moyo::platform
