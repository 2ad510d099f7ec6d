#include "platform/qt/QtSettingsStore.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdlib>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/Text.h"
#include "platform/qt/QtText.h"

namespace moyo::platform {
namespace {

// The QSettings key of a value: "section/name", or just "name" for the key's own values.
// A '/' inside a name would open a subgroup, so such names are refused.
std::optional<QString> ValueKey(const std::string& section, const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos ||
      section.find('/') != std::string::npos) {
    return std::nullopt;
  }
  return section.empty() ? ToQt(name) : ToQt(section) + '/' + ToQt(name);
}

std::vector<std::string> KeyParts(const std::string& key) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : key + '\\') {
    if (c != '\\') {
      part += c;
    } else if (!part.empty()) {
      parts.push_back(std::move(part));
      part.clear();
    }
  }
  return parts;
}

}  // namespace

QtSettingsStore::QtSettingsStore() : QtSettingsStore(DefaultConfigFolder()) {}

QtSettingsStore::QtSettingsStore(std::filesystem::path configFolder)
    : configFolder_(std::move(configFolder)) {}

std::filesystem::path QtSettingsStore::DefaultConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home != nullptr ? home : ".") / ".config";
}

std::optional<std::filesystem::path> QtSettingsStore::FileForKey(const std::string& key) const {
  std::vector<std::string> parts = KeyParts(key);
  // The registry's "Software" branch is what the configuration folder is here.
  if (!parts.empty() && parts.front() == "Software") parts.erase(parts.begin());
  if (parts.empty()) return std::nullopt;
  std::filesystem::path file = configFolder_;
  for (const std::string& part : parts) {
    if (part == "." || part == ".." || part.find('/') != std::string::npos) return std::nullopt;
    file /= Cp949ToUtf8(part);  // file names are UTF-8 on this system
  }
  file += ".ini";
  return file;
}

std::optional<std::string> QtSettingsStore::ReadText(const std::string& key,
                                                     const std::string& section,
                                                     const std::string& name) {
  const std::optional<std::filesystem::path> file = FileForKey(key);
  const std::optional<QString> valueKey = ValueKey(section, name);
  if (!file || !valueKey) return std::nullopt;
  std::error_code error;
  if (!std::filesystem::is_regular_file(*file, error)) return std::nullopt;

  QSettings settings(QString::fromStdString(file->string()), QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) return std::nullopt;
  const QVariant value = settings.value(*valueKey);
  if (!value.isValid()) return std::nullopt;
  // An unquoted hand-written value with commas reads back as a list.
  const QString text = value.typeId() == QMetaType::QStringList
                           ? value.toStringList().join(QStringLiteral(", "))
                           : value.toString();
  return FromQt(text);
}

bool QtSettingsStore::WriteText(const std::string& key, const std::string& section,
                                const std::string& name, const std::string& value) {
  const std::optional<std::filesystem::path> file = FileForKey(key);
  const std::optional<QString> valueKey = ValueKey(section, name);
  if (!file || !valueKey) return false;
  std::error_code error;
  std::filesystem::create_directories(file->parent_path(), error);
  if (error) return false;

  QSettings settings(QString::fromStdString(file->string()), QSettings::IniFormat);
  if (settings.status() != QSettings::NoError || !settings.isWritable()) return false;
  settings.setValue(*valueKey, ToQt(value));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace moyo::platform
