#pragma once
// Conversions between the host's variants and UTF-16 texts and the viewer's
// CP949 byte strings and numbers.

#include <cstdint>
#include <string>
#include <string_view>

#include "control/ComTypes.h"

namespace moyo::com {

// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// UTF-8 to UTF-16; malformed bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// A host text in the viewer's code page; characters CP949 lacks become '?'.
std::string Utf16ToCp949(std::u16string_view text);
// A viewer text for the host.
std::u16string Cp949ToUtf16(std::string_view cp949);

// The variant as a CP949 text, as OLE converts it: texts as they are, numbers
// in decimal, booleans "True" and "False", an empty variant as the empty text.
// DISP_E_TYPEMISMATCH for a null variant, an object or anything else.
HRESULT VariantToCp949(const VARIANT& value, std::string& text);

// The variant as a 32-bit number (numbers and booleans), else DISP_E_TYPEMISMATCH.
HRESULT VariantToInt(const VARIANT& value, std::int32_t& number);

// The variant as a boolean: any non-zero number is true.
HRESULT VariantToBool(const VARIANT& value, bool& flag);

}  // namespace moyo::com
