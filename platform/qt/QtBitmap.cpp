#include "platform/qt/QtBitmap.h"

namespace moyo::platform {

QtBitmap::QtBitmap(const QImage& image) : image_(image.convertToFormat(QImage::Format_RGB32)) {}

}  // namespace moyo::platform
