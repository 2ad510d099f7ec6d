// moyoscope parse FILE [--format tagged|ngf] [--level L]: the record model as JSON.

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

#include "app/Commands.h"
#include "app/RecordFile.h"
#include "app/RecordJson.h"

namespace moyo::app {

int RunParse(const Args& args) {
  std::optional<std::string> file;
  std::optional<RecordFormat> format;
  std::string level(kFullMemberLevel);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--format" && hasValue) {
      const std::string& name = args[++i];
      if (name != "tagged" && name != "ngf") {
        std::fprintf(stderr, "moyoscope parse: unknown format '%s' (tagged or ngf)\n",
                     name.c_str());
        return 2;
      }
      format = name == "ngf" ? RecordFormat::Ngf : RecordFormat::Tagged;
    } else if (arg == "--level" && hasValue) {
      level = args[++i];
    } else if (!file && !arg.starts_with("--")) {
      file = arg;
    } else {
      std::fprintf(stderr, "usage: moyoscope parse FILE [--format tagged|ngf] [--level L]\n");
      return 2;
    }
  }
  if (!file) {
    std::fprintf(stderr, "usage: moyoscope parse FILE [--format tagged|ngf] [--level L]\n");
    return 2;
  }
  const RecordFormat chosen = format.value_or(FormatOfName(*file));
  auto record = std::make_unique<TGameRecord>();
  const TReadResult result = LoadRecordFile(*file, chosen, level, *record);
  if (result.failed) {
    std::fprintf(stderr, "moyoscope parse: %s: %s\n", file->c_str(), result.error.c_str());
    return 1;
  }
  std::cout << RecordToJson(*record, chosen, result.show).dump(2) << '\n';
  return std::cout.good() ? 0 : 1;
}

}  // namespace moyo::app
