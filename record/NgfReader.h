#pragma once
// The reader of the line-oriented NGF record text.

#include <string_view>

#include "record/TGameRecord.h"
#include "record/TReadResult.h"

namespace moyo {

// Takes the first line off `text`: returns the bytes before the first CR or LF and
// removes them with the line end: a CR and the byte after it (the LF of CR LF), or
// an LF alone, as files stored on Unix end their lines. Without either the whole
// rest is the line.
std::string_view ReadNgfLine(std::string_view& text);

// Reads an NGF text (CP949) into `record`: twelve header lines, then one move a
// line. Fields without a line keep their values; a text that ends early stops the
// reader there, `moveCount` is the number of moves actually read, and the result
// carries a notice that says so. A handicap, main time or move count that is not
// decimal fails the load.
TReadResult ReadNgfRecord(TGameRecord& record, std::string_view text);

}  // namespace moyo
