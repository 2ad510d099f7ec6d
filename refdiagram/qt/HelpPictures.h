#pragma once
// The arrow pictures of the reference window's step buttons, drawn when first
// asked for: "img51" five back, "img52" one back, "img53" one forward and
// "img54" five forward.

#include <QPixmap>
#include <string>

namespace moyo {

// The picture of that name; a null pixmap for any other name.
QPixmap HelpPicture(const std::string& name);

}  // namespace moyo
