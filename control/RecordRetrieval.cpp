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

// Blanks, control bytes and bytes above 127 never stand in an address as they are.
bool OutsideAddresses(unsigned char byte) {
  return byte <= 0x20 || byte >= 0x7f;
}

std::string Escape(std::string_view text, std::string_view alsoEscaped) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  escaped.reserve(text.size());
  for (unsigned char byte : text) {
    if (OutsideAddresses(byte) ||
        alsoEscaped.find(static_cast<char>(byte)) != std::string_view::npos) {
      escaped += '%';
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 0x0f];
    } else {
      escaped += static_cast<char>(byte);
    }
  }
  return escaped;
}

// Whether a name has a "." or ".." segment between its slashes (either kind,
// as some servers read a backslash as one).
bool HasDotSegment(std::string_view name) {
  std::size_t start = 0;
  while (start <= name.size()) {
    const std::size_t end = std::min(name.find_first_of("/\\", start), name.size());
    const std::string_view segment = name.substr(start, end - start);
    if (segment == "." || segment == "..") return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

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

// Bytes that may stand only in some places of an address: anywhere in a name
// or a query value they are escaped.
constexpr std::string_view kNotInAddresses = "\"<>\\^`{|}";

std::string EscapeFullAddress(std::string_view address) {
  return Escape(address, kNotInAddresses);
}

std::string EscapeRecordName(std::string_view name) {
  return Escape(name, std::string(kNotInAddresses) + "?#%");
}

std::string EscapeQueryValue(std::string_view value) {
  return Escape(value, std::string(kNotInAddresses) + "?#%&+=/");
}

std::optional<std::string> RecordAddress(TRecordRoad road, const std::string& fileName,
                                         const TRecordServers& servers) {
  switch (road) {
    case TRecordRoad::Numbered:
      return "http://" + servers.recordServer +
             "/moyoscope/getgibo.php?snum=" + EscapeQueryValue(fileName);
    case TRecordRoad::WebFolder:
      if (HasDotSegment(fileName)) return std::nullopt;
      return "http://" + servers.webServer + "/dizuze/gibo/" + EscapeRecordName(fileName);
    case TRecordRoad::NgfAddress:
    case TRecordRoad::TaggedAddress:
      break;
  }
  return EscapeFullAddress(fileName);
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
