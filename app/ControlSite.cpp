#include "app/ControlSite.h"

#include <QWidget>

#include "control/VariantText.h"

namespace moyo::app {
namespace {

// A text argument for the control: the host's texts are UTF-8.
com::VARIANT TextArgument(const std::string& utf8) {
  return com::MakeBstr(com::Utf8ToUtf16(utf8));
}

std::string LastError(com::IMoyoscope& control) {
  void* object = nullptr;
  if (com::Failed(control.QueryInterface(com::IID_IErrorInfo, &object)) || object == nullptr) {
    return "unknown error";
  }
  auto* info = static_cast<com::IErrorInfo*>(object);
  std::u16string description;
  info->GetDescription(&description);
  info->Release();
  return description.empty() ? "unknown error" : com::Utf16ToUtf8(description);
}

}  // namespace

std::unique_ptr<TControlSite> TControlSite::Create(TModule& module, TEventSink::Handler events,
                                                   std::string& error) {
  std::unique_ptr<TControlSite> site(new TControlSite);
  site->control_ = module.CreateControl(error);
  if (site->control_ == nullptr) return nullptr;

  void* object = nullptr;
  void* widget = nullptr;
  if (com::Succeeded(site->control_->QueryInterface(com::IID_IOleWindow, &object))) {
    auto* oleWindow = static_cast<com::IOleWindow*>(object);
    oleWindow->GetWindow(&widget);
    oleWindow->Release();
  }
  site->form_ = static_cast<QWidget*>(widget);
  if (site->form_ == nullptr) {
    error = "the control has no window";
    return nullptr;
  }

  auto* sink = new TEventSink(std::move(events));
  if (com::Succeeded(site->control_->QueryInterface(com::IID_IConnectionPoint, &object))) {
    site->point_ = static_cast<com::IConnectionPoint*>(object);
    site->point_->Advise(sink, &site->cookie_);
  }
  sink->Release();
  return site;
}

TControlSite::~TControlSite() {
  if (control_ == nullptr) return;
  TakeForm();
  if (point_ != nullptr) {
    point_->Unadvise(cookie_);
    point_->Release();
  }
  control_->Release();
}

void TControlSite::TakeForm() {
  if (form_ != nullptr && form_->parentWidget() != nullptr) form_->setParent(nullptr);
}

std::string TControlSite::Load(const std::string& record, const std::string& level) {
  if (com::Succeeded(control_->getFile(TextArgument(record), TextArgument(level)))) return {};
  return LastError(*control_);
}

void TControlSite::SetNews(const std::string& address) {
  control_->put_News(TextArgument(address));
}

}  // namespace moyo::app
