#include "app/QtCommands.h"

#include <string_view>

extern "C" __attribute__((visibility("default"))) int MoyoscopeRunQtCommand(
    const char* name, const moyo::app::Args* args) {
  using namespace moyo::app;
  struct Entry {
    std::string_view name;
    int (*run)(const Args&);
  };
  static constexpr Entry kEntries[] = {
      {"view", RunView},     {"register", RunRegister}, {"unregister", RunUnregister},
      {"render", RunRender}, {"print", RunPrint},
  };
  for (const Entry& entry : kEntries) {
    if (entry.name == name) return entry.run(*args);
  }
  return -1;
}
