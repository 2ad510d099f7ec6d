#include "platform/qt/QtBitmapStore.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cmath>

namespace moyo::platform {
namespace {

// Resource names of the original system are matched without regard to case,
// and only letters and digits make up a name.
bool ToFileName(const std::string& name, std::string& lower) {
  if (name.empty() || name.size() > 64) return false;
  lower.clear();
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (!std::isalnum(u) && c != '_') return false;
    lower.push_back(static_cast<char>(std::tolower(u)));
  }
  return true;
}

}  // namespace

QtBitmapStore::QtBitmapStore(std::string prefix, int ratio)
    : prefix_(std::move(prefix)), ratio_(ratio) {}

int QtBitmapStore::ScreenPixelRatio() {
  if (qGuiApp == nullptr) return 1;
  return std::max(1, static_cast<int>(std::ceil(qGuiApp->devicePixelRatio())));
}

const Bitmap* QtBitmapStore::Find(const std::string& name) {
  return FindQt(name);
}

const QtBitmap* QtBitmapStore::FindQt(const std::string& name) {
  std::string lower;
  if (!ToFileName(name, lower)) return nullptr;
  auto it = loaded_.find(lower);
  if (it != loaded_.end()) return it->second.get();
  QImage image;
  if (ratio_ == 2 && image.load(QString::fromStdString(prefix_ + "/" + lower + "_2x.png"))) {
    image.setDevicePixelRatio(2);
  } else if (!image.load(QString::fromStdString(prefix_ + "/" + lower + ".png"))) {
    return nullptr;
  }
  return loaded_.emplace(lower, std::make_unique<QtBitmap>(image)).first->second.get();
}

}  // namespace moyo::platform
