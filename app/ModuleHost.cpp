#include "app/ModuleHost.h"

#include <dlfcn.h>
#include <unistd.h>

#include <system_error>

#include "control/Registration.h"

namespace moyo::app {
namespace {

template <class Fn>
bool Resolve(void* handle, const char* name, Fn& entry, std::string& error) {
  entry = reinterpret_cast<Fn>(dlsym(handle, name));
  if (entry == nullptr) error = std::string("the module has no entry point ") + name;
  return entry != nullptr;
}

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : self.parent_path();
}

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::unique_ptr<TModule> TModule::Load(const std::filesystem::path& path, std::string& error) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = dlerror();
    error = "cannot load " + path.string() + ": " + (reason != nullptr ? reason : "unknown");
    return nullptr;
  }
  std::unique_ptr<TModule> module(new TModule(handle));
  if (!Resolve(handle, "DllRegisterServer", module->registerServer, error) ||
      !Resolve(handle, "DllUnregisterServer", module->unregisterServer, error) ||
      !Resolve(handle, "DllGetClassObject", module->getClassObject, error) ||
      !Resolve(handle, "DllCanUnloadNow", module->canUnloadNow, error)) {
    return nullptr;
  }
  return module;
}

TModule::~TModule() {
  // A module with live objects stays loaded; unloading it would pull their code away.
  if (canUnloadNow != nullptr && canUnloadNow() != com::S_OK) return;
  dlclose(handle_);
}

com::IMoyoscope* TModule::CreateControl(std::string& error) {
  void* object = nullptr;
  com::HRESULT code = getClassObject(&com::CLSID_Moyoscope, &com::IID_IClassFactory, &object);
  if (com::Failed(code) || object == nullptr) {
    error = "the module has no class factory for the control";
    return nullptr;
  }
  auto* factory = static_cast<com::IClassFactory*>(object);
  object = nullptr;
  code = factory->CreateInstance(nullptr, com::IID_IMoyoscope, &object);
  factory->Release();
  if (com::Failed(code) || object == nullptr) {
    error = "the class factory could not create the control";
    return nullptr;
  }
  return static_cast<com::IMoyoscope*>(object);
}

std::optional<std::filesystem::path> BundledModule() {
  if (const char* given = std::getenv("MOYOSCOPE_MODULE"); given != nullptr && given[0] != '\0') {
    return std::filesystem::path(given);
  }
  const std::filesystem::path folder = ExecutableFolder();
  if (folder.empty()) return std::nullopt;
  for (const std::filesystem::path& candidate :
       {folder / "libmoyoscope.so", folder / ".." / "control" / "libmoyoscope.so",
        folder / ".." / "lib" / "libmoyoscope.so"}) {
    if (IsFile(candidate)) return std::filesystem::weakly_canonical(candidate);
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> ResolveControlModule(std::string& error) {
  platform::QtSettingsStore store;
  std::optional<std::filesystem::path> registered =
      com::RegisteredModule(store, com::kMoyoscopeProgId);
  if (registered && IsFile(*registered)) return registered;

  const std::optional<std::filesystem::path> bundled = BundledModule();
  if (!bundled) {
    error = "the control is not registered and no libmoyoscope.so was found";
    return std::nullopt;
  }
  const std::unique_ptr<TModule> module = TModule::Load(*bundled, error);
  if (!module) return std::nullopt;
  if (com::Failed(module->registerServer())) {
    error = "the control could not register itself";
    return std::nullopt;
  }
  registered = com::RegisteredModule(store, com::kMoyoscopeProgId);
  if (!registered) error = "the control's registration cannot be read back";
  return registered;
}

com::HRESULT TEventSink::QueryInterface(const com::GUID& iid, void** object) {
  if (object == nullptr) return com::E_POINTER;
  if (iid == com::IID_IUnknown || iid == com::IID_IDispatch || iid == com::DIID_IMoyoscopeEvents) {
    *object = static_cast<com::IDispatch*>(this);
    AddRef();
    return com::S_OK;
  }
  *object = nullptr;
  return com::E_NOINTERFACE;
}

std::uint32_t TEventSink::Release() {
  const std::uint32_t left = --references_;
  if (left == 0) delete this;
  return left;
}

com::HRESULT TEventSink::GetTypeInfoCount(std::uint32_t* count) {
  if (count == nullptr) return com::E_POINTER;
  *count = 0;
  return com::S_OK;
}

com::HRESULT TEventSink::GetTypeInfo(std::uint32_t, std::uint32_t, com::ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return com::E_NOTIMPL;
}

com::HRESULT TEventSink::GetIDsOfNames(const com::GUID&, const char16_t* const*, std::uint32_t,
                                       std::uint32_t, com::DISPID*) {
  return com::DISP_E_UNKNOWNNAME;
}

com::HRESULT TEventSink::Invoke(com::DISPID dispid, const com::GUID&, std::uint32_t,
                                std::uint16_t flags, com::DISPPARAMS* params, com::VARIANT*, void*,
                                std::uint32_t*) {
  if (!(flags & com::DISPATCH_METHOD)) return com::DISP_E_MEMBERNOTFOUND;
  com::DISPPARAMS none;
  if (handler_) handler_(dispid, params != nullptr ? *params : none);
  return com::S_OK;
}

std::string EventName(com::DISPID event) {
  for (const com::MemberDescription& member : com::kMoyoscopeEventMembers) {
    if (member.dispid == event) return std::string(member.name);
  }
  return "event " + std::to_string(event);
}

}  // namespace moyo::app
