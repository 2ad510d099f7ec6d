#include "record/TextEncoding.h"

#include <cstdint>
#include <cstring>

#include "platform/Charsets.h"
#include "record/SgfTree.h"

namespace moyo {
namespace {

struct TByteOrderMark {
  std::string_view bytes;
  std::string_view encoding;
};

constexpr TByteOrderMark kMarks[] = {
    {"\xEF\xBB\xBF", "UTF-8"},
    {std::string_view("\xFF\xFE\x00\x00", 4), "UTF-32LE"},
    {std::string_view("\x00\x00\xFE\xFF", 4), "UTF-32BE"},
    {"\xFF\xFE", "UTF-16LE"},
    {"\xFE\xFF", "UTF-16BE"},
};

const TByteOrderMark* MarkOf(std::string_view body) {
  for (const TByteOrderMark& mark : kMarks) {
    if (body.starts_with(mark.bytes)) return &mark;
  }
  return nullptr;
}

std::string Upper(std::string_view name) {
  std::string upper;
  for (char c : name) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    upper += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return upper;
}

// The conversion's name for a character set an SGF file declares; the Korean sets are all
// CP949, and each older set is read as the larger one that contains it.
std::string CharsetOfDeclared(std::string_view declared) {
  const std::string name = Upper(declared);
  struct TAlias {
    std::string_view declared;
    std::string_view charset;
  };
  static constexpr TAlias kAliases[] = {
      {"UTF8", "UTF-8"},        {"EUC-KR", "CP949"},
      {"EUCKR", "CP949"},       {"KS_C_5601-1987", "CP949"},
      {"KS_C_5601", "CP949"},   {"KSC5601", "CP949"},
      {"UHC", "CP949"},         {"GB2312", "GB18030"},
      {"GBK", "GB18030"},       {"CP936", "GB18030"},
      {"SHIFT_JIS", "CP932"},   {"SHIFT-JIS", "CP932"},
      {"SJIS", "CP932"},        {"BIG5", "BIG5-HKSCS"},
      {"LATIN1", "ISO-8859-1"},
  };
  for (const TAlias& alias : kAliases) {
    if (name == alias.declared) return std::string(alias.charset);
  }
  return name;
}

// The bytes of a UTF-8 sequence that starts with `lead` and is valid, or 0.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t i) {
  const auto byte = [&text](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

bool IsUtf8WithNonAscii(std::string_view text) {
  bool nonAscii = false;
  std::size_t i = 0;
  while (i < text.size()) {
    // Eight ASCII bytes at a time: most of a record is ASCII.
    if (i + 8 <= text.size()) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + i, 8);
      if ((word & 0x8080808080808080ULL) == 0) {
        i += 8;
        continue;
      }
    }
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = Utf8SequenceAt(text, i);
    if (length == 0) return false;
    nonAscii = true;
    i += length;
  }
  return nonAscii;
}

std::string DetectEncoding(std::string_view body) {
  if (const TByteOrderMark* mark = MarkOf(body)) return std::string(mark->encoding);
  constexpr std::size_t kRootProperties = 64;
  for (const TSgfRootProperty& property : SgfRootProperties(body, kRootProperties)) {
    if (property.id != "CA") continue;
    const std::string charset = CharsetOfDeclared(property.value);
    if (platform::KnowsCharset(charset)) return charset;
    break;
  }
  return IsUtf8WithNonAscii(body) ? "UTF-8" : "CP949";
}

TDecodedText DecodeRecordText(std::string_view body, std::string_view encoding) {
  TDecodedText decoded;
  decoded.encoding = encoding.empty() ? DetectEncoding(body) : CharsetOfDeclared(encoding);
  const TByteOrderMark* mark = MarkOf(body);
  // A mark is dropped when it names the set the text is read as.
  if (mark != nullptr && CharsetOfDeclared(mark->encoding) == decoded.encoding) {
    body.remove_prefix(mark->bytes.size());
  }
  auto converted = platform::ConvertToCp949(decoded.encoding, body, decoded.lostCharacters);
  if (!converted) {
    decoded.known = false;
    decoded.text = body;
    return decoded;
  }
  decoded.text = std::move(*converted);
  return decoded;
}

}  // namespace moyo
