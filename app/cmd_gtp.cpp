// moyoscope gtp: the board model as a GTP version 2 engine on standard input and output,
// with "loadsgf" for every record format the viewer reads.
#include <iostream>

#include "app/Commands.h"
#include "app/RecordFile.h"
#include "board/gtp/GtpEngine.h"

namespace moyo::app {

int RunGtp(const Args& args) {
  if (!args.empty()) {
    std::cerr << "usage: moyoscope gtp\n";
    return 2;
  }
  return gtp::RunSession(std::cin, std::cout, LoadRecordOnBoard);
}

}  // namespace moyo::app
