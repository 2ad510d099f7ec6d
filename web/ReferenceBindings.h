#pragma once
// The page's reference-diagram window for a viewer of the page.

#include <memory>

#include "viewer/TReferenceWindow.h"

namespace moyo::web {

// A reference window drawing with the page's pictures and text. Showing it
// opens its panel over the element that knows the viewer as owner: the page's
// moyoReference(owner, panel) puts the panel on screen and reads it.
std::unique_ptr<TReferenceWindow> MakePageReferenceWindow(int owner);

}  // namespace moyo::web
