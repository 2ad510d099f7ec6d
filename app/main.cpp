// moyoscope: the viewer's host and its command-line tools.

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "app/Commands.h"
#include "app/QtCommands.h"

namespace {

// A command; `run` is empty for the commands of the Qt library.
struct Command {
  std::string_view name;
  int (*run)(const moyo::app::Args&);
  std::string_view usage;
};

constexpr Command kCommands[] = {
    {"parse", moyo::app::RunParse,
     "parse FILE [--format tagged|ngf|sgf|gib] [--encoding NAME] [--level L]"},
    {"qna", moyo::app::RunQna, "qna FILE --moves N -o OUT"},
    {"convert", moyo::app::RunConvert,
     "convert FILE -o OUT.sgf [--format tagged|ngf|sgf|gib] [--encoding NAME]"},
    {"gtp", moyo::app::RunGtp, "gtp  (GTP v2 on standard input; loadsgf FILE [MOVE])"},
    {"serve", moyo::app::RunServe, "serve DIR [--port N] [--bind ADDR]"},
    {"view", nullptr, "view [RECORD] [--level L] [--news URL] [--screenshot OUT.png] [--events]"},
    {"register", nullptr, "register"},
    {"unregister", nullptr, "unregister"},
    {"render", nullptr,
     "render FILE --move N [--cell C] [--flip] [--numbers] [--margin M] -o OUT.png"},
    {"print", nullptr,
     "print FILE [--method whole|range|split] [--from A --to B] [--split N] [--per-page 1|2|4] "
     "[--tmargin T --lmargin L --grid G] [--dpi D] -o OUT.pdf|OUT-%d.png"},
    {"diagram", moyo::app::RunDiagram, "diagram FILE --from A --to B [--limit 28|25]"},
};

// Loads the Qt commands' library from beside the executable and runs `name` there.
int RunQtCommand(std::string_view name, const moyo::app::Args& args) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path library = self.parent_path() / moyo::app::kQtCommandsLibrary;
  void* handle = error ? nullptr : dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    std::fprintf(stderr, "moyoscope: cannot load %s: %s\n", library.c_str(),
                 error ? error.message().c_str() : dlerror());
    return 1;
  }
  using Entry = decltype(&MoyoscopeRunQtCommand);
  auto entry = reinterpret_cast<Entry>(dlsym(handle, "MoyoscopeRunQtCommand"));
  if (entry == nullptr) {
    std::fprintf(stderr, "moyoscope: %s has no command entry point\n", library.c_str());
    return 1;
  }
  // The library stays loaded until the process ends: Qt tears down its globals at exit.
  return entry(std::string(name).c_str(), &args);
}

int Usage() {
  std::fputs("usage: moyoscope COMMAND [ARGS]\n", stderr);
  for (const Command& command : kCommands) {
    std::fprintf(stderr, "  moyoscope %.*s\n", static_cast<int>(command.usage.size()),
                 command.usage.data());
  }
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string_view name = argv[1];
  for (const Command& command : kCommands) {
    if (command.name != name) continue;
    const moyo::app::Args args(argv + 2, argv + argc);
    return command.run != nullptr ? command.run(args) : RunQtCommand(name, args);
  }
  std::fprintf(stderr, "moyoscope: unknown command '%s'\n", argv[1]);
  return Usage();
}
