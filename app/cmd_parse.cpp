// moyoscope parse FILE [--format tagged|ngf|sgf|gib] [--encoding NAME] [--level L]: the record
// model as JSON, with the reader and the character set it was read with.

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

#include "app/Commands.h"
#include "app/RecordFile.h"
#include "app/RecordJson.h"

namespace moyo::app {
namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: moyoscope parse FILE [--format tagged|ngf|sgf|gib] [--encoding NAME] "
               "[--level L]\n");
  return 2;
}

}  // namespace

int RunParse(const Args& args) {
  std::optional<std::string> file;
  std::optional<RecordFormat> format;
  std::string level(kFullMemberLevel);
  std::string encoding;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--format" && hasValue) {
      const std::string& name = args[++i];
      RecordFormat chosen;
      if (!FormatOfArgument(name, chosen)) {
        std::fprintf(stderr, "moyoscope parse: unknown format '%s' (tagged, ngf, sgf or gib)\n",
                     name.c_str());
        return 2;
      }
      format = chosen;
    } else if (arg == "--level" && hasValue) {
      level = args[++i];
    } else if (arg == "--encoding" && hasValue) {
      encoding = args[++i];
    } else if (!file && !arg.starts_with("--")) {
      file = arg;
    } else {
      return Usage();
    }
  }
  if (!file) return Usage();
  auto record = std::make_unique<TGameRecord>();
  const TRecordReadOptions options{format.value_or(FormatOfName(*file)), level, encoding};
  const TRecordRead read = LoadRecordFile(*file, options, *record);
  const bool usable = ReportLoad("parse", *file, read.result);
  if (read.result.failed) return 1;
  // What was read is printed even when it cannot be shown; the exit code says so.
  std::cout << RecordToJson(*record, read.format, read.result.show, read.encoding).dump(2) << '\n';
  return std::cout.good() && usable ? 0 : 1;
}

}  // namespace moyo::app
