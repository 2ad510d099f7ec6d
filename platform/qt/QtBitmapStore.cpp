#include "platform/qt/QtBitmapStore.h"

#include <QImage>
#include <QString>
#include <algorithm>
#include <cctype>

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

QtBitmapStore::QtBitmapStore(std::string prefix) : prefix_(std::move(prefix)) {}

const Bitmap* QtBitmapStore::Find(const std::string& name) {
  return FindQt(name);
}

const QtBitmap* QtBitmapStore::FindQt(const std::string& name) {
  std::string lower;
  if (!ToFileName(name, lower)) return nullptr;
  auto it = loaded_.find(lower);
  if (it != loaded_.end()) return it->second.get();
  QImage image(QString::fromStdString(prefix_ + "/" + lower + ".png"));
  if (image.isNull()) return nullptr;
  if (lower.ends_with("_2x")) image.setDevicePixelRatio(2);
  return loaded_.emplace(lower, std::make_unique<QtBitmap>(image)).first->second.get();
}

}  // namespace moyo::platform
