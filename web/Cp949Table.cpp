#include "web/Cp949Table.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/Utf8.h"
#include "web/Cp949Layout.h"

namespace moyo::web {
namespace {

// The Unicode character of the two-byte code lead, trail, or 0 for none.
std::uint16_t DoubleByte(unsigned char lead, unsigned char trail) {
  if (lead < kCp949FirstLead || lead > kCp949LastLead || trail < kCp949FirstTrail ||
      trail > kCp949LastTrail)
    return 0;
  return kCp949DoubleByte[(lead - kCp949FirstLead) * kCp949TrailCount + (trail - kCp949FirstTrail)];
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The Unicode scalar of the well-formed UTF-8 sequence at text[i], and its
// length; length 0 when the bytes there are not one.
struct Decoded {
  std::uint32_t code = 0;
  std::size_t length = 0;
};

Decoded DecodeUtf8(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char first = byte(i);
  if (first < 0x80) return {first, 1};
  std::size_t length = 0;
  std::uint32_t code = 0;
  std::uint32_t least = 0;
  if (first >= 0xC2 && first <= 0xDF) {
    length = 2, code = first & 0x1F, least = 0x80;
  } else if (first >= 0xE0 && first <= 0xEF) {
    length = 3, code = first & 0x0F, least = 0x800;
  } else if (first >= 0xF0 && first <= 0xF4) {
    length = 4, code = first & 0x07, least = 0x10000;
  } else {
    return {};
  }
  if (i + length > text.size()) return {};
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return {};
    code = code << 6 | (byte(i + k) & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not characters.
  if (code < least || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return {};
  return {code, length};
}

// Unicode -> CP949 two-byte code, sorted by Unicode, built once.
struct ReverseEntry {
  std::uint16_t unicode;
  std::uint16_t cp949;
};

const std::vector<ReverseEntry>& ReverseTable() {
  static const std::vector<ReverseEntry> table = [] {
    std::vector<ReverseEntry> entries;
    entries.reserve(17500);
    for (int lead = kCp949FirstLead; lead <= kCp949LastLead; ++lead) {
      for (int trail = kCp949FirstTrail; trail <= kCp949LastTrail; ++trail) {
        const std::uint16_t unicode =
            DoubleByte(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
        if (unicode != 0)
          entries.push_back({unicode, static_cast<std::uint16_t>(lead << 8 | trail)});
      }
    }
    // Where two codes give one character, the first in code order is the one
    // written back, as iconv does.
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const ReverseEntry& a, const ReverseEntry& b) { return a.unicode < b.unicode; });
    return entries;
  }();
  return table;
}

}  // namespace

std::string TableCp949ToUtf8(std::string_view cp949) {
  std::string out;
  out.reserve(cp949.size() * 3 / 2 + 8);
  for (std::size_t i = 0; i < cp949.size();) {
    const auto lead = static_cast<unsigned char>(cp949[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    const std::uint16_t code =
        i + 1 < cp949.size() ? DoubleByte(lead, static_cast<unsigned char>(cp949[i + 1])) : 0;
    if (code == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    AppendUtf8(out, code);
    i += 2;
  }
  return out;
}

std::string TableUtf8ToCp949(std::string_view utf8) {
  const std::vector<ReverseEntry>& reverse = ReverseTable();
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const Decoded decoded = DecodeUtf8(utf8, i);
    if (decoded.length == 0) {
      out += '?';
      i += platform::Utf8CharacterBytes(utf8.substr(i));
      continue;
    }
    if (decoded.code < 0x80) {
      out += static_cast<char>(decoded.code);
      i += decoded.length;
      continue;
    }
    const auto found = std::lower_bound(
        reverse.begin(), reverse.end(), decoded.code,
        [](const ReverseEntry& entry, std::uint32_t code) { return entry.unicode < code; });
    if (decoded.code > 0xFFFF || found == reverse.end() || found->unicode != decoded.code) {
      out += '?';  // one for the whole character, as the desktop writes it
      i += decoded.length;
      continue;
    }
    out += static_cast<char>(found->cp949 >> 8);
    out += static_cast<char>(found->cp949 & 0xFF);
    i += decoded.length;
  }
  return out;
}

}  // namespace moyo::web
