#pragma once
// The page's reference-diagram window for a viewer of the page.

#include <memory>

#include "platform/BitmapStore.h"
#include "viewer/TReferenceWindow.h"
#include "web/TextPainter.h"

namespace moyo::web {

// A reference window painting with artwork and text (both outlive it). Showing
// it opens its panel over the element that knows its viewer as owner: the
// page's moyoReference(owner, panel) puts the panel on screen and reads it.
std::unique_ptr<TReferenceWindow> MakeReferencePanelWindow(int owner,
                                                           platform::BitmapStore& artwork,
                                                           TextPainter& text);

}  // namespace moyo::web
