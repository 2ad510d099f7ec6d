#include "app/HostSettings.h"

#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <system_error>

namespace moyo::app {
namespace {

constexpr const char* kRecentKey = "Recent/files";
constexpr const char* kStoneSoundKey = "View/stoneSound";

QSettings HostSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, "Moyoscope", "host");
}

}  // namespace

std::vector<std::string> WithRecentFile(std::vector<std::string> files, const std::string& file) {
  std::erase(files, file);
  files.insert(files.begin(), file);
  if (files.size() > kRecentFileLimit) files.resize(kRecentFileLimit);
  return files;
}

std::vector<std::string> WithoutMissingFiles(std::vector<std::string> files) {
  std::erase_if(files, [](const std::string& file) {
    std::error_code error;
    return !std::filesystem::is_regular_file(file, error);
  });
  return files;
}

std::vector<std::string> LoadRecentFiles() {
  std::vector<std::string> stored;
  for (const QString& file : HostSettings().value(kRecentKey).toStringList()) {
    stored.push_back(file.toStdString());
  }
  std::vector<std::string> present = WithoutMissingFiles(stored);
  if (present.size() > kRecentFileLimit) present.resize(kRecentFileLimit);
  if (present != stored) SaveRecentFiles(present);
  return present;
}

void SaveRecentFiles(const std::vector<std::string>& files) {
  QStringList list;
  for (const std::string& file : files) list.append(QString::fromStdString(file));
  QSettings settings = HostSettings();
  settings.setValue(kRecentKey, list);
}

bool LoadStoneSound() {
  return HostSettings().value(kStoneSoundKey, true).toBool();
}

void SaveStoneSound(bool on) {
  QSettings settings = HostSettings();
  settings.setValue(kStoneSoundKey, on);
}

}  // namespace moyo::app
