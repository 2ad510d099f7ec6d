#pragma once
// What a host does to reach the viewer control: find the module that is
// registered for the ProgID (registering it first when needed), load it,
// create the control through its class factory, and listen to its events.

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "control/IMoyoscope.h"

namespace moyo::app {

// A loaded libmoyoscope.so and its entry points. Unloads when destroyed if the
// module says it can be.
class TModule {
 public:
  // Loads the module at path; nothing (and error set) when it cannot be loaded
  // or lacks an entry point.
  static std::unique_ptr<TModule> Load(const std::filesystem::path& path, std::string& error);
  ~TModule();
  TModule(const TModule&) = delete;
  TModule& operator=(const TModule&) = delete;

  com::DllRegisterServerFn registerServer = nullptr;
  com::DllUnregisterServerFn unregisterServer = nullptr;
  com::DllGetClassObjectFn getClassObject = nullptr;
  com::DllCanUnloadNowFn canUnloadNow = nullptr;

  // Creates a control through the class factory; its IMoyoscope, or null with error set.
  com::IMoyoscope* CreateControl(std::string& error);

 private:
  explicit TModule(void* handle) : handle_(handle) {}
  void* handle_;
};

// The module that ships with this program: $MOYOSCOPE_MODULE, else
// libmoyoscope.so beside the executable, in ../control or in ../lib.
std::optional<std::filesystem::path> BundledModule();

// The module registered for the control's ProgID; when none is registered, or
// the registered file is gone, the bundled module registers itself first.
std::optional<std::filesystem::path> ResolveControlModule(std::string& error);

// An IMoyoscopeEvents sink that hands every event's DISPID and arguments to a function.
class TEventSink final : public com::IDispatch {
 public:
  using Handler = std::function<void(com::DISPID event, com::DISPPARAMS& params)>;
  explicit TEventSink(Handler handler) : handler_(std::move(handler)) {}

  com::HRESULT QueryInterface(const com::GUID& iid, void** object) override;
  std::uint32_t AddRef() override { return ++references_; }
  std::uint32_t Release() override;
  com::HRESULT GetTypeInfoCount(std::uint32_t* count) override;
  com::HRESULT GetTypeInfo(std::uint32_t, std::uint32_t, com::ITypeInfo** info) override;
  com::HRESULT GetIDsOfNames(const com::GUID&, const char16_t* const* names, std::uint32_t count,
                             std::uint32_t, com::DISPID* ids) override;
  com::HRESULT Invoke(com::DISPID dispid, const com::GUID&, std::uint32_t, std::uint16_t flags,
                      com::DISPPARAMS* params, com::VARIANT*, void*, std::uint32_t*) override;

 private:
  std::atomic<std::uint32_t> references_{1};
  Handler handler_;
};

// The name of an IMoyoscopeEvents DISPID ("OnPaint"), or "event N".
std::string EventName(com::DISPID event);

}  // namespace moyo::app
