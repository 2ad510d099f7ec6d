#pragma once
// The class Moyoscope's registration in the per-user settings store, laid out
// as the registry's per-user classes are:
//   Software\Classes\MoyoscopeProj.Moyoscope       Default, [CLSID] Default
//   Software\Classes\CLSID\{class id}              [InprocServer32] Default, ThreadingModel,
//                                                  [ProgID], [TypeLib], [Version], [MiscStatus],
//                                                  [Control], [ToolboxBitmap32]
//   Software\Classes\TypeLib\{library id}\1.0      Default, [0] Module, [FLAGS], [HELPDIR]

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/qt/QtSettingsStore.h"

namespace moyo::com {

// Records the type library and the class, served by the module at modulePath.
bool RegisterMoyoscope(platform::QtSettingsStore& store, const std::filesystem::path& modulePath);

// Removes what RegisterMoyoscope recorded; true when nothing of it is left.
bool UnregisterMoyoscope(platform::QtSettingsStore& store);

// The module registered for progId, or nothing when the identifier, its class
// or the class's module is not registered.
std::optional<std::filesystem::path> RegisteredModule(platform::SettingsStore& store,
                                                      std::string_view progId);

}  // namespace moyo::com
