// moyoscope: the viewer's host and its command-line tools.

#include <cstdio>
#include <cstring>
#include <string_view>

#include "app/Commands.h"

namespace {

struct Command {
  std::string_view name;
  int (*run)(const moyo::app::Args&);
  std::string_view usage;
};

constexpr Command kCommands[] = {
    {"parse", moyo::app::RunParse, "parse FILE [--format tagged|ngf] [--level L]"},
    {"qna", moyo::app::RunQna, "qna FILE --moves N -o OUT"},
    {"gtp", moyo::app::RunGtp, "gtp"},
    {"serve", moyo::app::RunServe, "serve DIR [--port N] [--bind ADDR]"},
    {"view", moyo::app::RunView,
     "view RECORD [--level L] [--news URL] [--screenshot OUT.png] [--events]"},
    {"register", moyo::app::RunRegister, "register"},
    {"unregister", moyo::app::RunUnregister, "unregister"},
    {"render", moyo::app::RunRender,
     "render FILE --move N [--cell C] [--flip] [--numbers] [--margin M] -o OUT.png"},
    {"print", moyo::app::RunPrint,
     "print FILE [--method whole|range|split] [--from A --to B] [--split N] [--per-page 1|2|4] "
     "[--tmargin T --lmargin L --grid G] [--dpi D] -o OUT.pdf|OUT-%d.png"},
    {"diagram", moyo::app::RunDiagram, "diagram FILE --from A --to B [--limit 28|25]"},
};

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
    if (command.name == name) return command.run(moyo::app::Args(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "moyoscope: unknown command '%s'\n", argv[1]);
  return Usage();
}
