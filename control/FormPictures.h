#pragma once
// The pictures that belong to the viewer form itself rather than to the
// shared artwork: the title, the player strip, the function bar's wallpaper,
// the stone icons of the guessing buttons and the faces of the jump, hint and
// print buttons. Each is drawn once, at the size its control has.

#include <QPixmap>
#include <string>

namespace moyo {

// The form picture of that name ("title", "playerstrip", "wallpaper",
// "blackicon", "whiteicon", "bothicon", "moveface", "hintface", "hintxface",
// "printface"); a null pixmap for any other name. Button faces are strips of
// four frames: up, disabled, highlighted, down.
QPixmap FormPicture(const std::string& name);

}  // namespace moyo
