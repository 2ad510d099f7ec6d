// The module's entry points: self-registration, the class factory and the
// unload test. Everything else in libmoyoscope.so is hidden.

#include <dlfcn.h>

#include <atomic>
#include <filesystem>
#include <system_error>

#include "control/IMoyoscope.h"
#include "control/MoyoscopeControl.h"
#include "control/Registration.h"

#define MOYO_EXPORT extern "C" __attribute__((visibility("default")))

namespace moyo::com {
namespace {

// The one class factory of the module; it lives as long as the module.
class TMoyoscopeFactory final : public IClassFactory {
 public:
  HRESULT QueryInterface(const GUID& iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *object = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // A factory in use keeps the module loaded, as a lock does.
  std::uint32_t AddRef() override { return static_cast<std::uint32_t>(++ModuleLockCount()); }
  std::uint32_t Release() override { return static_cast<std::uint32_t>(--ModuleLockCount()); }

  HRESULT CreateInstance(IUnknown* outer, const GUID& iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return TMoyoscopeControl::Create(iid, object);
  }
  HRESULT LockServer(bool lock) override {
    if (lock) {
      ++ModuleLockCount();
    } else {
      --ModuleLockCount();
    }
    return S_OK;
  }
};

TMoyoscopeFactory& Factory() {
  static TMoyoscopeFactory factory;
  return factory;
}

// Where this module was loaded from.
std::filesystem::path ModulePath() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&ModulePath), &info) == 0 || info.dli_fname == nullptr) {
    return {};
  }
  std::error_code error;
  const std::filesystem::path path = std::filesystem::absolute(info.dli_fname, error);
  return error ? std::filesystem::path(info.dli_fname) : path;
}

}  // namespace
}  // namespace moyo::com

using namespace moyo::com;

MOYO_EXPORT HRESULT DllRegisterServer() {
  try {
    const std::filesystem::path module = ModulePath();
    if (module.empty()) return SELFREG_E_CLASS;
    moyo::platform::QtSettingsStore store;
    return RegisterMoyoscope(store, module) ? S_OK : SELFREG_E_CLASS;
  } catch (...) {
    return SELFREG_E_CLASS;
  }
}

MOYO_EXPORT HRESULT DllUnregisterServer() {
  try {
    moyo::platform::QtSettingsStore store;
    return UnregisterMoyoscope(store) ? S_OK : SELFREG_E_CLASS;
  } catch (...) {
    return SELFREG_E_CLASS;
  }
}

MOYO_EXPORT HRESULT DllGetClassObject(const GUID* clsid, const GUID* iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (clsid == nullptr || iid == nullptr) return E_INVALIDARG;
  if (!(*clsid == CLSID_Moyoscope)) return CLASS_E_CLASSNOTAVAILABLE;
  return Factory().QueryInterface(*iid, object);
}

MOYO_EXPORT HRESULT DllCanUnloadNow() {
  return ModuleObjectCount() == 0 && ModuleLockCount() == 0 ? S_OK : S_FALSE;
}

// The module's version record: file version 1.0.46.0.
MOYO_EXPORT HRESULT DllGetVersion(DLLVERSIONINFO* info) {
  if (info == nullptr) return E_POINTER;
  if (info->cbSize < sizeof(DLLVERSIONINFO)) return E_INVALIDARG;
  info->dwMajorVersion = 1;
  info->dwMinorVersion = 0;
  info->dwBuildNumber = 46;
  info->dwPlatformID = 0;
  return S_OK;
}
