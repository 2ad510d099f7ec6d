// moyoscope gtp: the board model as a GTP version 2 engine on standard input and output,
// with "loadsgf" for every record format the viewer reads.
#include <iostream>
#include <memory>

#include "app/Commands.h"
#include "app/RecordFile.h"
#include "board/gtp/GtpEngine.h"
#include "record/RecordReplay.h"

namespace moyo::app {
namespace {

bool LoadRecordOnBoard(const std::string& path, int beforeMove, TGoBoard& board,
                       std::string& error) {
  auto record = std::make_unique<TGameRecord>();
  const TRecordRead read =
      LoadRecordFile(path, {FormatOfName(path), kFullMemberLevel, {}}, *record);
  if (read.result.failed || !read.result.show || NothingRead(*record)) {
    error = read.result.failed ? read.result.error : "cannot read " + path;
    return false;
  }
  ReplayRecord(*record, beforeMove > 0 ? beforeMove - 1 : kMaxRecordMoves, board);
  return true;
}

}  // namespace

int RunGtp(const Args& args) {
  if (!args.empty()) {
    std::cerr << "usage: moyoscope gtp\n";
    return 2;
  }
  return gtp::RunSession(std::cin, std::cout, LoadRecordOnBoard);
}

}  // namespace moyo::app
