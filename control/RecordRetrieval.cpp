#include "control/RecordRetrieval.h"

#include <cstdlib>
#include <optional>

#include "platform/Text.h"

namespace moyo {
namespace {

constexpr const char* kServerKey = "Software\\NetMoyoscope";
constexpr const char* kServerSection = "Server Info";
constexpr const char* kQnaKey = "\\Software\\Zel2000\\DirPath Info";
constexpr const char* kQnaValue = "zelpath";
constexpr const char* kQnaFileName = "qna.NGF";

std::string ServerFrom(platform::SettingsStore& settings, const char* name,
                       const char* environment) {
  const char* overridden = std::getenv(environment);
  if (overridden != nullptr && overridden[0] != '\0') return overridden;
  const std::optional<std::string> stored = settings.ReadText(kServerKey, kServerSection, name);
  if (stored && !stored->empty()) return *stored;
  return kDefaultServer;
}

bool MustEscape(unsigned char byte, std::string_view alsoEscaped) {
  return byte <= 0x20 || byte >= 0x7f || byte == '?' || byte == '#' || byte == '%' ||
         alsoEscaped.find(static_cast<char>(byte)) != std::string_view::npos;
}

std::string Escape(std::string_view text, std::string_view alsoEscaped) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  escaped.reserve(text.size());
  for (unsigned char byte : text) {
    if (MustEscape(byte, alsoEscaped)) {
      escaped += '%';
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 0x0f];
    } else {
      escaped += static_cast<char>(byte);
    }
  }
  return escaped;
}

}  // namespace

bool IsLimitedMember(const std::string& level) {
  return level == "0" || level == "2";
}

bool HidesGuessingControls(const std::string& level) {
  return level == "10" || level == "100";
}

bool RefusesAnswersAndHints(const std::string& level) {
  return IsLimitedMember(level) || HidesGuessingControls(level);
}

TRecordRoad ChooseRecordRoad(const std::string& fileName, const std::string& level) {
  if (level == "10") return TRecordRoad::Numbered;
  if (!fileName.starts_with("http")) return TRecordRoad::WebFolder;
  if (fileName.ends_with("NGF") || fileName.ends_with("ngf")) return TRecordRoad::NgfAddress;
  return TRecordRoad::TaggedAddress;
}

bool ReadsNgf(TRecordRoad road) {
  return road == TRecordRoad::Numbered || road == TRecordRoad::NgfAddress;
}

TRecordServers ReadRecordServers(platform::SettingsStore& settings) {
  return {ServerFrom(settings, "recordserver", "MOYOSCOPE_RECORD_SERVER"),
          ServerFrom(settings, "webserver", "MOYOSCOPE_WEB_SERVER")};
}

std::string EscapeRecordName(std::string_view name) {
  return Escape(name, "");
}

std::string EscapeQueryValue(std::string_view value) {
  return Escape(value, "&+=/");
}

std::string RecordAddress(TRecordRoad road, const std::string& fileName,
                          const TRecordServers& servers) {
  switch (road) {
    case TRecordRoad::Numbered:
      return "http://" + servers.recordServer +
             "/moyoscope/getgibo.php?snum=" + EscapeQueryValue(fileName);
    case TRecordRoad::WebFolder:
      return "http://" + servers.webServer + "/dizuze/gibo/" + EscapeRecordName(fileName);
    case TRecordRoad::NgfAddress:
    case TRecordRoad::TaggedAddress:
      break;
  }
  return fileName;
}

std::filesystem::path QnaFilePath(platform::SettingsStore& settings,
                                  const std::string& defaultFolder) {
  // The setting holds CP949 text; file names here are UTF-8.
  const std::string stored = settings.ReadText(kQnaKey, "", kQnaValue).value_or("");
  if (!stored.empty()) return std::filesystem::path(platform::Cp949ToUtf8(stored)) / kQnaFileName;
  settings.WriteText(kQnaKey, "", kQnaValue, platform::Utf8ToCp949(defaultFolder));
  return std::filesystem::path(defaultFolder) / kQnaFileName;
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  return home != nullptr && home[0] != '\0' ? home : "/";
}

}  // namespace moyo
