#pragma once
// Loading a record file for the command-line tools, the way the viewer reads a
// downloaded body: the reader chosen by the content, the text converted to CP949.

#include <string>
#include <string_view>

#include "board/TGoBoard.h"
#include "record/RecordDispatch.h"
#include "record/TGameRecord.h"
#include "record/TReadResult.h"

namespace moyo::app {

using RecordFormat = TRecordFormat;

// The reader the viewer expects for a name: NGF when its last three bytes are "NGF" or
// "ngf". The content may still name another (RecordDispatch.h).
RecordFormat FormatOfName(std::string_view name);

// "tagged", "ngf", "sgf" or "gib".
std::string_view FormatName(RecordFormat format);
// The format of a name given on the command line; false when it names none.
bool FormatOfArgument(std::string_view name, RecordFormat& format);

// A full member's level: every part of the record is shown.
inline constexpr std::string_view kFullMemberLevel = "1";

// Reads the file `path` into `record`, which is cleared first, through the reader its
// content chooses (`options.expected` where it is not plainly another format). A file
// that cannot be read is reported like a failed load.
TRecordRead LoadRecordFile(const std::string& path, const TRecordReadOptions& options,
                           TGameRecord& record);
TReadResult LoadRecordFile(const std::string& path, RecordFormat format, std::string_view level,
                           TGameRecord& record);

// GTP "loadsgf": reads the record file `path` and puts on `board` the position after its
// main line, or before move `beforeMove` when that is above 0. False with `error` when
// nothing could be read.
bool LoadRecordOnBoard(const std::string& path, int beforeMove, TGoBoard& board,
                       std::string& error);

// Prints the load's failure and notices on standard error as "moyoscope COMMAND: FILE: ...";
// returns whether anything was read that the command can use.
bool ReportLoad(std::string_view command, const std::string& path, const TReadResult& result);

}  // namespace moyo::app
