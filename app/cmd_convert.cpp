// moyoscope convert FILE -o OUT.sgf [--format tagged|ngf|sgf|gib] [--encoding NAME]: any
// record the viewer reads, written as standard SGF in UTF-8.

#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>

#include "app/Commands.h"
#include "app/RecordFile.h"
#include "record/SgfWriter.h"

namespace moyo::app {
namespace {

int Usage() {
  std::fputs(
      "usage: moyoscope convert FILE -o OUT.sgf [--format tagged|ngf|sgf|gib] "
      "[--encoding NAME]\n",
      stderr);
  return 2;
}

}  // namespace

int RunConvert(const Args& args) {
  std::optional<std::string> file;
  std::optional<std::string> out;
  std::optional<RecordFormat> format;
  std::string encoding;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "-o" && hasValue) {
      out = args[++i];
    } else if (arg == "--format" && hasValue) {
      RecordFormat chosen;
      if (!FormatOfArgument(args[++i], chosen)) return Usage();
      format = chosen;
    } else if (arg == "--encoding" && hasValue) {
      encoding = args[++i];
    } else if (!file && !arg.starts_with("-")) {
      file = arg;
    } else {
      return Usage();
    }
  }
  if (!file || !out) return Usage();
  auto record = std::make_unique<TGameRecord>();
  const TRecordRead read = LoadRecordFile(
      *file, {format.value_or(FormatOfName(*file)), kFullMemberLevel, encoding}, *record);
  if (!ReportLoad("convert", *file, read.result)) return 1;
  std::ofstream sgf(*out, std::ios::binary | std::ios::trunc);
  sgf << WriteSgf(*record);
  sgf.close();
  if (!sgf) {
    std::fprintf(stderr, "moyoscope convert: cannot write %s\n", out->c_str());
    return 1;
  }
  return 0;
}

}  // namespace moyo::app
