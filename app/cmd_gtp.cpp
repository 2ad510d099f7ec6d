// moyoscope gtp: the board model as a GTP version 2 engine on standard input and output.
#include <iostream>

#include "app/Commands.h"
#include "board/gtp/GtpEngine.h"

namespace moyo::app {

int RunGtp(const Args& args) {
  if (!args.empty()) {
    std::cerr << "usage: moyoscope gtp\n";
    return 2;
  }
  return gtp::RunSession(std::cin, std::cout);
}

}  // namespace moyo::app
