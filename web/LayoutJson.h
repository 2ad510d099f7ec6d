#pragma once
// The viewer form's layout table as JSON, so the page places its components
// by the same numbers as the desktop form.

#include <string>

namespace moyo::web {

// {"boxes": {"autoBtn": [left, top, width, height], ...}, "rightPWidth": 252, ...}:
// every box of the table under its component's name, and every extent.
std::string LayoutJson();

}  // namespace moyo::web
