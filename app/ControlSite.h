#pragma once
// One viewer control as the host holds it: created through the module's class
// factory, its events sink connected, its form ready to be placed in a window.

#include <memory>
#include <string>

#include "app/ModuleHost.h"

class QWidget;

namespace moyo::app {

class TControlSite {
 public:
  // A new control of `module` whose events go to `events`; null and error set when none.
  static std::unique_ptr<TControlSite> Create(TModule& module, TEventSink::Handler events,
                                              std::string& error);
  // Disconnects the sink and releases the control; its form goes with it, so a
  // window holding the form must let it go first (TakeForm).
  ~TControlSite();
  TControlSite(const TControlSite&) = delete;
  TControlSite& operator=(const TControlSite&) = delete;

  // The control's form.
  QWidget* Form() const { return form_; }
  // Takes the form out of whatever window holds it, before the control goes.
  void TakeForm();

  // getFile with UTF-8 texts; empty when the record is shown, else why not.
  std::string Load(const std::string& record, const std::string& level);
  // Opens the news panel on a UTF-8 address.
  void SetNews(const std::string& address);

 private:
  TControlSite() = default;

  com::IMoyoscope* control_ = nullptr;
  QWidget* form_ = nullptr;
  com::IConnectionPoint* point_ = nullptr;
  std::uint32_t cookie_ = 0;
};

}  // namespace moyo::app
