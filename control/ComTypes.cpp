#include "control/ComTypes.h"

#include <cstdio>

namespace moyo::com {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads `digits` hex digits of text from pos on; false on anything else.
bool ReadHex(const std::string& text, std::size_t pos, int digits, std::uint32_t& value) {
  value = 0;
  for (int i = 0; i < digits; ++i) {
    const int digit = HexValue(text[pos + i]);
    if (digit < 0) return false;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return true;
}

}  // namespace

std::string GuidToString(const GUID& guid) {
  char text[39];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", guid.data1,
                guid.data2, guid.data3, guid.data4[0], guid.data4[1], guid.data4[2], guid.data4[3],
                guid.data4[4], guid.data4[5], guid.data4[6], guid.data4[7]);
  return text;
}

bool GuidFromString(const std::string& text, GUID& guid) {
  if (text.size() != 38 || text[0] != '{' || text[37] != '}' || text[9] != '-' || text[14] != '-' ||
      text[19] != '-' || text[24] != '-') {
    return false;
  }
  GUID read;
  std::uint32_t value = 0;
  if (!ReadHex(text, 1, 8, read.data1)) return false;
  if (!ReadHex(text, 10, 4, value)) return false;
  read.data2 = static_cast<std::uint16_t>(value);
  if (!ReadHex(text, 15, 4, value)) return false;
  read.data3 = static_cast<std::uint16_t>(value);
  static constexpr std::size_t kBytePositions[8] = {20, 22, 25, 27, 29, 31, 33, 35};
  for (int i = 0; i < 8; ++i) {
    if (!ReadHex(text, kBytePositions[i], 2, value)) return false;
    read.data4[i] = static_cast<std::uint8_t>(value);
  }
  guid = read;
  return true;
}

VARIANT MakeEmpty() {
  return VARIANT();
}

VARIANT MakeBool(bool value) {
  VARIANT v;
  v.vt = VT_BOOL;
  v.boolVal = ToVariantBool(value);
  return v;
}

VARIANT MakeI2(std::int16_t value) {
  VARIANT v;
  v.vt = VT_I2;
  v.iVal = value;
  return v;
}

VARIANT MakeI4(std::int32_t value) {
  VARIANT v;
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

VARIANT MakeUI4(std::uint32_t value) {
  VARIANT v;
  v.vt = VT_UI4;
  v.ulVal = value;
  return v;
}

VARIANT MakeBstr(std::u16string text) {
  VARIANT v;
  v.vt = VT_BSTR;
  v.bstrVal = std::move(text);
  return v;
}

VARIANT MakeDispatch(IDispatch* value) {
  VARIANT v;
  v.vt = VT_DISPATCH;
  v.pdispVal = value;
  return v;
}

VARIANT MakeI2Ref(std::int16_t* target) {
  VARIANT v;
  v.vt = VT_I2 | VT_BYREF;
  v.piVal = target;
  return v;
}

}  // namespace moyo::com
