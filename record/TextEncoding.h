#pragma once
// Which character set a record file is written in, and its text in the program's CP949.

#include <string>
#include <string_view>

namespace moyo {

// The record text in CP949 and how it was found.
struct TDecodedText {
  std::string text;        // CP949, without a byte-order mark
  std::string encoding;    // the character set it was read as, e.g. "UTF-8", "CP949"
  int lostCharacters = 0;  // characters CP949 lacks, each now one "?"
  bool known = true;       // false when the named or declared set is unknown (read as CP949)
};

// The character set of a record file, decided in this order: a byte-order mark; the
// character set an SGF root declares in CA (UTF-8, EUC-KR, CP949, KS_C_5601, GB2312, GBK,
// GB18030, Shift_JIS, SJIS, Big5, ISO-8859-x and whatever else the conversion knows); text
// that is valid UTF-8 and has bytes above 127; otherwise CP949.
std::string DetectEncoding(std::string_view body);

// The body converted to CP949 once, from `encoding` when one is given (the user's choice),
// else from the detected set.
TDecodedText DecodeRecordText(std::string_view body, std::string_view encoding = {});

// Whether the text is valid UTF-8 with at least one byte above 127.
bool IsUtf8WithNonAscii(std::string_view text);

}  // namespace moyo
