// moyoscope diagram FILE --from A --to B [--limit 28|25]: the printed diagram
// of moves A to B as JSON.

#include <cstdio>
#include <iostream>
#include <memory>

#include "app/Commands.h"
#include "app/DiagramJson.h"
#include "app/PrintArgs.h"
#include "app/RecordFile.h"
#include "print/PrintSource.h"

namespace moyo::app {
namespace {

int Fail(const std::string& error) {
  std::fprintf(stderr, "moyoscope diagram: %s\n", error.c_str());
  std::fputs("usage: moyoscope diagram FILE --from A --to B [--limit 28|25]\n", stderr);
  return 1;
}

}  // namespace

int RunDiagram(const Args& args) {
  std::string error;
  const std::optional<TOptionArgs> parsed =
      ParseOptionArgs(args, {"--from", "--to", "--limit"}, error);
  if (!parsed) return Fail(error);
  if (!parsed->Value("--from") || !parsed->Value("--to")) return Fail("--from and --to are needed");
  const std::optional<int> from = IntOption(*parsed, "--from", 1, 1, error);
  const std::optional<int> to = from ? IntOption(*parsed, "--to", 1, *from, error) : std::nullopt;
  const std::optional<int> limit = to ? IntOption(*parsed, "--limit", 28, 25, error) : std::nullopt;
  if (!limit) return Fail(error);
  if (*limit != 25 && *limit != 28) return Fail("--limit is 28 or 25");

  auto record = std::make_unique<TGameRecord>();
  const TReadResult read =
      LoadRecordFile(parsed->file, FormatOfName(parsed->file), kFullMemberLevel, *record);
  if (!ReportLoad("diagram", parsed->file, read)) return 1;

  const TPrintSource source = RecordPrintSource(*record);
  auto diagram = std::make_unique<TDiagram>();
  BuildDiagram(*limit, *from, *to, source.line, *diagram);
  std::cout << DiagramJson(*diagram).dump() << '\n';
  return 0;
}

}  // namespace moyo::app
