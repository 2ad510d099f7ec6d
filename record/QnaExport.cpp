#include "record/QnaExport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace moyo {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AddLine(std::string& out, std::string_view line) {
  out += line;
  out += kLineEnd;
}

// The handicap stones in the order the host expects, each with the least count that has it.
struct HandicapStone {
  std::string_view line;
  bool (*present)(int count);
};

constexpr HandicapStone kHandicapStones[] = {
    {"PMAABQEAA", [](int n) { return n >= 2; }},
    {"PMAABEQAA", [](int n) { return n >= 2; }},
    {"PMAABEEAA", [](int n) { return n >= 3; }},
    {"PMAABQQAA", [](int n) { return n >= 4; }},
    {"PMAABKKAA", [](int n) { return n == 5 || n == 7 || n == 9; }},
    {"PMAABEKAA", [](int n) { return n >= 6; }},
    {"PMAABQKAA", [](int n) { return n >= 6; }},
    {"PMAABKEAA", [](int n) { return n >= 8; }},
    {"PMAABKQAA", [](int n) { return n >= 8; }},
    {"PMAABHHAA", [](int n) { return n >= 10; }},
    {"PMAABHNAA", [](int n) { return n >= 10; }},
    {"PMAABNHAA", [](int n) { return n >= 10; }},
    {"PMAABNNAA", [](int n) { return n >= 10; }},
};

// "PMAA", the colour, the point as letters from "A" (a pass is "AA"), "AA".
std::string MoveLine(const TRecordMove& move) {
  return {'P',
          'M',
          'A',
          'A',
          move.colour == kRecordBlack ? 'B' : 'W',
          static_cast<char>('A' + move.x),
          static_cast<char>('A' + move.y),
          'A',
          'A'};
}

std::string SystemError(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

std::string QnaText(const TGameRecord& record, int shownMoves) {
  const TGiboInfo& info = record.info;
  const int moves = std::clamp(shownMoves, 0, std::clamp(record.moveCount, 0, kMaxRecordMoves));
  std::string out;
  AddLine(out, info.whiteName);
  AddLine(out, info.whiteRank);
  AddLine(out, info.blackName);
  AddLine(out, info.blackRank);
  AddLine(out, std::to_string(info.handicap));
  // Setup stones stand where the handicap stones would, written as the same stone lines.
  const int setup = std::clamp(record.setupCount, 0, kMaxSetupStones);
  for (int i = 0; i < setup; ++i) AddLine(out, MoveLine(record.setup[i]));
  for (const HandicapStone& stone : kHandicapStones) {
    if (setup == 0 && stone.present(info.handicap)) AddLine(out, stone.line);
  }
  AddLine(out, std::to_string(moves));
  for (int i = 0; i < moves; ++i) AddLine(out, MoveLine(record.moves[i]));
  return out;
}

std::string ExportQnaRecord(const TGameRecord& record, int shownMoves, const std::string& path) {
  const std::string text = QnaText(record, shownMoves);
  // Non-blocking open: a pipe without a reader fails at once instead of hanging the viewer.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) return SystemError("cannot create", path);
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return "cannot write " + path + ": not a regular file";
  }
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      std::string error = SystemError("cannot write", path);
      ::close(fd);
      return error;
    }
    written += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) return SystemError("cannot write", path);
  return {};
}

}  // namespace moyo
