#pragma once
// The decisions of record retrieval that need no window: which road a
// requested record takes, the address it is fetched from, where the servers
// are, and where the question-and-answer file goes.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/SettingsStore.h"

namespace moyo {

// How a requested record is fetched and read.
enum class TRecordRoad {
  Numbered,       // level "10": the record server's numbered-record script, NGF text
  NgfAddress,     // a full address ending in "NGF" or "ngf": NGF text
  TaggedAddress,  // any other full address: tagged text
  WebFolder,      // a file name in the web server's record folder: tagged text
};

// The road for fileName at level; "http" and the extensions are matched case-sensitively.
TRecordRoad ChooseRecordRoad(const std::string& fileName, const std::string& level);

// Whether the road's body goes to the NGF reader (else the tagged reader).
bool ReadsNgf(TRecordRoad road);

// The two servers as host[:port].
struct TRecordServers {
  std::string recordServer;
  std::string webServer;
};

inline constexpr const char* kDefaultServer = "localhost:8949";

// The servers from the settings ("Software\NetMoyoscope", section "Server Info",
// values "recordserver" and "webserver"); the environment variables
// MOYOSCOPE_RECORD_SERVER and MOYOSCOPE_WEB_SERVER win, and each defaults to
// localhost:8949.
TRecordServers ReadRecordServers(platform::SettingsStore& settings);

// The address to download: a full address as given, with only the bytes that
// may not stand in an address encoded; a number or a name escaped and appended
// to its server's script or folder. Nothing for a name with a "." or ".."
// segment, which could climb out of the record folder.
std::optional<std::string> RecordAddress(TRecordRoad road, const std::string& fileName,
                                         const TRecordServers& servers);

// Percent-encodes the bytes that cannot stand in an address: blanks, control
// bytes, bytes above 127, "?", "#" and "%". A query value also encodes "&",
// "+", "=" and "/", which would change the query's meaning.
std::string EscapeRecordName(std::string_view name);
std::string EscapeQueryValue(std::string_view value);
// Percent-encodes, in a full address, only the bytes no address may hold:
// blanks, control bytes, bytes above 127 and " < > \ ^ ` { | }. Its query,
// fragment and existing escapes stay as they are.
std::string EscapeFullAddress(std::string_view address);

// The question-and-answer file, in the folder stored under
// "\Software\Zel2000\DirPath Info" as "zelpath". A missing or empty folder is
// replaced by defaultFolder (UTF-8, as file names are), which is then stored.
std::filesystem::path QnaFilePath(platform::SettingsStore& settings,
                                  const std::string& defaultFolder);

// The user's home folder, where the question-and-answer file goes by default.
std::string HomeFolder();

}  // namespace moyo
