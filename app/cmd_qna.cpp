// moyoscope qna FILE --moves N -o OUT [--format tagged|ngf|sgf|gib] [--level L]: the
// question-and-answer text for the record with N moves on the board.

#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/Commands.h"
#include "app/RecordFile.h"
#include "record/QnaExport.h"

namespace moyo::app {
namespace {

int Usage() {
  std::fprintf(
      stderr,
      "usage: moyoscope qna FILE --moves N -o OUT [--format tagged|ngf|sgf|gib] [--level L]\n");
  return 2;
}

std::optional<int> ParseCount(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

}  // namespace

int RunQna(const Args& args) {
  std::optional<std::string> file;
  std::optional<std::string> out;
  std::optional<int> moves;
  std::optional<RecordFormat> format;
  std::string level(kFullMemberLevel);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--moves" && hasValue) {
      moves = ParseCount(args[++i]);
      if (!moves) return Usage();
    } else if (arg == "-o" && hasValue) {
      out = args[++i];
    } else if (arg == "--format" && hasValue) {
      RecordFormat chosen;
      if (!FormatOfArgument(args[++i], chosen)) return Usage();
      format = chosen;
    } else if (arg == "--level" && hasValue) {
      level = args[++i];
    } else if (!file && !arg.starts_with("-")) {
      file = arg;
    } else {
      return Usage();
    }
  }
  if (!file || !out || !moves) return Usage();

  auto record = std::make_unique<TGameRecord>();
  const TReadResult result =
      LoadRecordFile(*file, format.value_or(FormatOfName(*file)), level, *record);
  if (!ReportLoad("qna", *file, result)) return 1;
  const std::string error = ExportQnaRecord(*record, *moves, *out);
  if (!error.empty()) {
    std::fprintf(stderr, "moyoscope qna: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace moyo::app
