#pragma once
// Maps the font faces the program asks for to the faces this machine has.

#include <QFont>
#include <string>
#include <string_view>

#include "platform/Canvas.h"

namespace moyo::platform {

// The QFont for the wanted font on a device of dotsPerInchY: the face substituted, the
// size in device pixels (points converted at that resolution), the style bits,
// Korean glyphs guaranteed for the Hangul character set, and the width
// narrowed or widened to wanted.averageWidth when that is set.
QFont MakeQtFont(const FontSpec& wanted, int dotsPerInchY);

// The family that stands in for a face name given in CP949.
QString SubstituteFamily(const std::string& cp949Face, Charset charset);

// A font of the forms: the face named in UTF-8 substituted with Korean glyphs
// guaranteed, `pixels` high, bold or not.
QFont FormFont(std::string_view faceUtf8, int pixels, bool bold = false);

}  // namespace moyo::platform
