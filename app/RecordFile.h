#pragma once
// Loading a record file for the command-line tools, the way the viewer reads a
// downloaded body.

#include <string>
#include <string_view>

#include "record/TGameRecord.h"
#include "record/TReadResult.h"

namespace moyo::app {

enum class RecordFormat { Tagged, Ngf };

// The reader the viewer picks for a name: NGF when its last three bytes are "NGF" or "ngf".
RecordFormat FormatOfName(std::string_view name);

// "tagged" or "ngf".
std::string_view FormatName(RecordFormat format);

// A full member's level: every part of the record is shown.
inline constexpr std::string_view kFullMemberLevel = "1";

// Reads the file `path` with the reader for `format` into `record`, which is
// cleared first. A file that cannot be read is reported like a failed load.
TReadResult LoadRecordFile(const std::string& path, RecordFormat format, std::string_view level,
                           TGameRecord& record);

}  // namespace moyo::app
