#include "control/Registration.h"

#include <initializer_list>
#include <system_error>

#include "control/IMoyoscope.h"
#include "platform/Text.h"

namespace moyo::com {
namespace {

// The registry's unnamed value.
constexpr const char* kDefault = "Default";

std::string ProgIdKey(std::string_view progId) {
  return "Software\\Classes\\" + std::string(progId);
}
std::string ClassKey(const GUID& clsid) {
  return "Software\\Classes\\CLSID\\" + GuidToString(clsid);
}
std::string TypeLibKey() {
  return "Software\\Classes\\TypeLib\\" + GuidToString(LIBID_MoyoscopeProj) + "\\" +
         std::to_string(kMoyoscopeTypeLibrary.majorVersion) + "." +
         std::to_string(kMoyoscopeTypeLibrary.minorVersion);
}

struct Entry {
  std::string key, section, name, value;
};

}  // namespace

bool RegisterMoyoscope(platform::QtSettingsStore& store, const std::filesystem::path& modulePath) {
  const std::string module = platform::Utf8ToCp949(modulePath.string());
  const std::string folder = platform::Utf8ToCp949(modulePath.parent_path().string());
  const std::string progId(kMoyoscopeProgId);
  const std::string classId = GuidToString(CLSID_Moyoscope);
  const std::string description(kMoyoscopeTypeLibrary.classDescription);
  const std::string version = std::to_string(kMoyoscopeTypeLibrary.majorVersion) + "." +
                              std::to_string(kMoyoscopeTypeLibrary.minorVersion);
  const std::string classKey = ClassKey(CLSID_Moyoscope);
  const std::string libKey = TypeLibKey();
  const std::initializer_list<Entry> entries = {
      {ProgIdKey(progId), "", kDefault, description},
      {ProgIdKey(progId), "CLSID", kDefault, classId},
      {classKey, "", kDefault, description},
      {classKey, "InprocServer32", kDefault, module},
      {classKey, "InprocServer32", "ThreadingModel",
       std::string(kMoyoscopeTypeLibrary.threadingModel)},
      {classKey, "ProgID", kDefault, progId},
      {classKey, "TypeLib", kDefault, GuidToString(LIBID_MoyoscopeProj)},
      {classKey, "Version", kDefault, version},
      {classKey, "MiscStatus", kDefault, "0"},
      {classKey, "MiscStatus", "1", std::to_string(kMoyoscopeTypeLibrary.miscStatus)},
      {classKey, "Control", kDefault, ""},
      {classKey, "ToolboxBitmap32", kDefault, module + ",1"},
      {libKey, "", kDefault, std::string(kMoyoscopeTypeLibrary.description)},
      {libKey, "0", "Module", module},
      {libKey, "FLAGS", kDefault, "0"},
      {libKey, "HELPDIR", kDefault, folder},
  };
  for (const Entry& entry : entries) {
    if (!store.WriteText(entry.key, entry.section, entry.name, entry.value)) return false;
  }
  return true;
}

bool UnregisterMoyoscope(platform::QtSettingsStore& store) {
  bool removed = true;
  for (const std::string& key :
       {ProgIdKey(kMoyoscopeProgId), ClassKey(CLSID_Moyoscope), TypeLibKey()}) {
    const std::optional<std::filesystem::path> file = store.FileForKey(key);
    if (!file) continue;
    std::error_code error;
    std::filesystem::remove(*file, error);
    if (error) removed = false;
  }
  return removed;
}

std::optional<std::filesystem::path> RegisteredModule(platform::SettingsStore& store,
                                                      std::string_view progId) {
  const std::optional<std::string> classText = store.ReadText(ProgIdKey(progId), "CLSID", kDefault);
  GUID clsid;
  if (!classText || !GuidFromString(*classText, clsid)) return std::nullopt;
  const std::optional<std::string> module =
      store.ReadText(ClassKey(clsid), "InprocServer32", kDefault);
  if (!module || module->empty()) return std::nullopt;
  return std::filesystem::path(platform::Cp949ToUtf8(*module));
}

}  // namespace moyo::com
