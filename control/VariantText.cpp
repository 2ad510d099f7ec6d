#include "control/VariantText.h"

#include "platform/Text.h"

namespace moyo::com {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t code) {
  if (code < 0x10000) {
    out += static_cast<char16_t>(code);
  } else {
    code -= 0x10000;
    out += static_cast<char16_t>(0xD800 | (code >> 10));
    out += static_cast<char16_t>(0xDC00 | (code & 0x3FF));
  }
}

// One UTF-8 sequence from text[pos]; advances pos. Overlong forms, surrogates
// and truncated sequences read as U+FFFD (one byte consumed).
char32_t NextUtf8(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  int length = 0;
  char32_t code = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    code = lead & 0x07;
  } else {
    ++pos;
    return kReplacement;
  }
  if (pos + length > text.size()) {
    ++pos;
    return kReplacement;
  }
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return kReplacement;
    }
    code = (code << 6) | (next & 0x3F);
  }
  static constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    ++pos;
    return kReplacement;
  }
  pos += length;
  return code;
}

const VARIANT& Dereferenced(const VARIANT& value) {
  if (value.vt == (VT_VARIANT | VT_BYREF) && value.pvarVal != nullptr) return *value.pvarVal;
  return value;
}

}  // namespace

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t code = text[i];
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = kReplacement;
    }
    AppendUtf8(out, code);
  }
  return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) AppendUtf16(out, NextUtf8(text, pos));
  return out;
}

std::string Utf16ToCp949(std::u16string_view text) {
  return platform::Utf8ToCp949(Utf16ToUtf8(text));
}

std::u16string Cp949ToUtf16(std::string_view cp949) {
  return Utf8ToUtf16(platform::Cp949ToUtf8(cp949));
}

HRESULT VariantToCp949(const VARIANT& given, std::string& text) {
  const VARIANT& value = Dereferenced(given);
  switch (value.vt) {
    case VT_EMPTY:
      text.clear();
      return S_OK;
    case VT_BSTR:
      text = Utf16ToCp949(value.bstrVal);
      return S_OK;
    case VT_I2:
      text = std::to_string(value.iVal);
      return S_OK;
    case VT_I4:
      text = std::to_string(value.lVal);
      return S_OK;
    case VT_UI4:
      text = std::to_string(value.ulVal);
      return S_OK;
    case VT_BOOL:
      text = value.boolVal != VARIANT_FALSE ? "True" : "False";
      return S_OK;
    case VT_I2 | VT_BYREF:
      if (value.piVal == nullptr) return E_POINTER;
      text = std::to_string(*value.piVal);
      return S_OK;
    default:
      return DISP_E_TYPEMISMATCH;
  }
}

HRESULT VariantToInt(const VARIANT& given, std::int32_t& number) {
  const VARIANT& value = Dereferenced(given);
  switch (value.vt) {
    case VT_I2:
      number = value.iVal;
      return S_OK;
    case VT_I4:
      number = value.lVal;
      return S_OK;
    case VT_UI4:
      number = static_cast<std::int32_t>(value.ulVal);
      return S_OK;
    case VT_BOOL:
      number = value.boolVal;
      return S_OK;
    case VT_I2 | VT_BYREF:
      if (value.piVal == nullptr) return E_POINTER;
      number = *value.piVal;
      return S_OK;
    default:
      return DISP_E_TYPEMISMATCH;
  }
}

HRESULT VariantToBool(const VARIANT& value, bool& flag) {
  std::int32_t number = 0;
  const HRESULT code = VariantToInt(value, number);
  if (Succeeded(code)) flag = number != 0;
  return code;
}

}  // namespace moyo::com
