#pragma once
// What every board of the page shares in the module: the pictures the page has
// handed over and the painter of the browser's text.

#include "web/JsTextPainter.h"
#include "web/WebArtwork.h"

namespace moyo::web {

WebArtwork& PageArtwork();
JsTextPainter& PageText();

}  // namespace moyo::web
