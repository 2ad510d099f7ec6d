#pragma once
// The free font families that stand in for the Windows faces the program asks
// for, shared by every canvas that draws text (Qt, the web page).

#include <string>

#include "platform/Canvas.h"

namespace moyo::platform {

// The family with Korean glyphs that any face falls back on.
inline constexpr const char* kHangulFallbackFamily = "NanumGothic";

// The family that stands in for a face name given in UTF-8; a face the table
// does not know keeps its own name, except that Hangul asks for a Korean family.
std::string SubstituteFamilyName(const std::string& utf8Face, Charset charset);

// Whether the face is drawn bold whatever its style says (a condensed black face).
bool AlwaysBold(const std::string& utf8Face);

}  // namespace moyo::platform
