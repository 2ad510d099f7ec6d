#include "control/TNewsView.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "control/NewsModule.h"

namespace moyo {
namespace {

// Where the news module may be: named by $MOYOSCOPE_NEWS_MODULE, beside the
// library this code is in (libmoyoscope.so), or where the build put it.
std::vector<std::filesystem::path> NewsModuleCandidates() {
  std::vector<std::filesystem::path> candidates;
  if (const char* named = std::getenv("MOYOSCOPE_NEWS_MODULE"); named != nullptr && named[0]) {
    candidates.emplace_back(named);
  }
  Dl_info here{};
  if (dladdr(reinterpret_cast<void*>(&MakeWebNewsView), &here) != 0 && here.dli_fname != nullptr) {
    candidates.push_back(std::filesystem::path(here.dli_fname).parent_path() / kNewsModuleFile);
  }
#ifdef MOYO_NEWS_MODULE_PATH
  candidates.emplace_back(MOYO_NEWS_MODULE_PATH);
#endif
  return candidates;
}

// The module's entry point, loaded once and kept for the life of the process;
// null when the module cannot be found or loaded.
CreateNewsViewFn LoadNewsModule() {
  for (const std::filesystem::path& candidate : NewsModuleCandidates()) {
    void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) continue;
    if (void* entry = dlsym(module, kNewsViewEntry)) {
      return reinterpret_cast<CreateNewsViewFn>(entry);
    }
    dlclose(module);
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<TNewsView> MakeWebNewsView(QWidget* parent) {
  static const CreateNewsViewFn create = LoadNewsModule();
  if (create == nullptr) return nullptr;
  return std::unique_ptr<TNewsView>(create(parent));
}

}  // namespace moyo
