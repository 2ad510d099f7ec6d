#include "web/PageResources.h"

namespace moyo::web {

WebArtwork& PageArtwork() {
  static WebArtwork artwork;
  return artwork;
}

JsTextPainter& PageText() {
  static JsTextPainter text;
  return text;
}

}  // namespace moyo::web
