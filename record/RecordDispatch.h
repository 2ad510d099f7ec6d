#pragma once
// Which reader a record body goes to, decided by what the body is.
//
// The road a record comes by (a numbered record, an address ending in "NGF", a file name)
// names the reader it is expected to need. The body overrides that only when it is plainly
// another format, judged in this order on the text after a byte-order mark and blanks:
//
//  1. GIB: the text begins with a GIB header line ("\HS" or "\[").
//  2. SGF: the text begins with "(" and ";", and the properties of that first node, before
//     any move, include one of GM, FF, CA, SZ, AP, HA, KM, AB, AW, PL, or a name the
//     tagged notation never uses: one with lower-case letters (FF[1] style) or of three
//     or more letters. The tagged notation's own header names (EV, GN, PB, KO, HD, TC, ...)
//     decide nothing, so every record of the service keeps its reader.
//  3. NGF: the text does not begin with "(", and its second line (CR LF or LF ends) is a
//     board size from 2 to 19 and, when the text has six lines, its sixth a number.
//
// Anything else goes to the expected reader, so a tagged record stays with the tagged
// reader byte for byte and a damaged NGF text with the NGF reader.

#include <string>
#include <string_view>

#include "record/TGameRecord.h"
#include "record/TReadResult.h"

namespace moyo {

enum class TRecordFormat { Tagged, Ngf, Sgf, Gib };

// "tagged", "ngf", "sgf" or "gib".
std::string_view RecordFormatName(TRecordFormat format);

// The reader `body` goes to when its road expects `expected` (the rule above).
TRecordFormat DetectRecordFormat(std::string_view body, TRecordFormat expected);

// How a body is to be read.
struct TRecordReadOptions {
  TRecordFormat expected = TRecordFormat::Tagged;
  std::string_view level = "1";  // the member level, for the tagged reader
  std::string_view encoding;     // a character set chosen by the user; empty: detect it
};

// What reading a body found.
struct TRecordRead {
  TReadResult result;
  TRecordFormat format = TRecordFormat::Tagged;
  std::string encoding;  // the character set the body was read as
};

// Reads a downloaded body or a file into `record` (which should be empty): converts it to
// CP949 once, picks the reader by the rule above, and adds the notices the user is to see:
// characters lost in the conversion, a tagged text that stopped before its end, a record
// from which nothing at all could be read.
TRecordRead ReadRecordBody(TGameRecord& record, std::string_view body,
                           const TRecordReadOptions& options);

// Whether the record holds nothing a reader found: no header text, move, stone or item.
bool NothingRead(const TGameRecord& record);

}  // namespace moyo
