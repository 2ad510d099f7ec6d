#include "web/PageForm.h"

#include "web/ReferenceBindings.h"

namespace moyo::web {
namespace {

WebViewerServices Services(int formId, TViewerView& view, platform::Notifier& notifier,
                           platform::SoundPlayer& sound, platform::BitmapStore& artwork,
                           TextPainter& text) {
  WebViewerServices services;
  services.view = &view;
  services.notifier = &notifier;
  services.makeTimer = [formId] { return std::make_unique<PageTimer>(formId); };
  services.stoneSound = &sound;
  services.artwork = &artwork;
  services.text = &text;
  // The reference-diagram window: the panel floating over the element.
  services.makeReferenceWindow = [formId, &artwork, &text] {
    return MakeReferencePanelWindow(formId, artwork, text);
  };
  return services;
}

}  // namespace

PageForm::PageForm(int formId, platform::BitmapStore& artwork, TextPainter& text)
    : id_(formId),
      view_(formId),
      notifier_(formId),
      sound_(formId),
      viewer_(Services(formId, view_, notifier_, sound_, artwork, text)) {}

}  // namespace moyo::web
