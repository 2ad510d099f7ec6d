#include "control/SideModule.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace moyo {

void* LoadSideModuleEntry(const char* fileName, const char* environmentName, const char* builtPath,
                          const char* entry) {
  std::vector<std::filesystem::path> candidates;
  if (const char* named = std::getenv(environmentName); named != nullptr && named[0] != '\0') {
    candidates.emplace_back(named);
  }
  Dl_info here{};
  if (dladdr(reinterpret_cast<void*>(&LoadSideModuleEntry), &here) != 0 &&
      here.dli_fname != nullptr) {
    candidates.push_back(std::filesystem::path(here.dli_fname).parent_path() / fileName);
  }
  if (builtPath != nullptr) candidates.emplace_back(builtPath);

  for (const std::filesystem::path& candidate : candidates) {
    void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) continue;
    if (void* found = dlsym(module, entry)) return found;
    dlclose(module);
  }
  return nullptr;
}

}  // namespace moyo
