// moyoscope render FILE --move N [--cell C] [--flip] [--numbers] [--margin M] -o OUT.png:
// the painted board after move N, as the viewer draws it.

#include <QGuiApplication>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/BoardRender.h"
#include "app/Commands.h"
#include "app/RecordFile.h"

namespace moyo::app {
namespace {

int Fail(const char* message) {
  std::fprintf(stderr, "moyoscope render: %s\n", message);
  std::fputs(
      "usage: moyoscope render FILE --move N [--cell C] [--flip] [--numbers] [--margin M] -o "
      "OUT.png\n",
      stderr);
  return 1;
}

std::optional<int> ParseNumber(const std::string& text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace

int RunRender(const Args& args) {
  std::optional<std::string> file, out;
  std::optional<int> move;
  RenderOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--move" && hasValue) {
      move = ParseNumber(args[++i], 0, 100000);
      if (!move) return Fail("--move wants a number of moves, 0 or more");
    } else if (arg == "--cell" && hasValue) {
      const auto cell = ParseNumber(args[++i], 1, 200);
      if (!cell) return Fail("--cell wants a cell size from 1 to 200 pixels");
      options.cell = *cell;
    } else if (arg == "--margin" && hasValue) {
      const auto margin = ParseNumber(args[++i], 0, 200);
      if (!margin) return Fail("--margin wants 0 to 200 pixels");
      options.margin = *margin;
    } else if (arg == "-o" && hasValue) {
      out = args[++i];
    } else if (arg == "--flip") {
      options.flip = true;
    } else if (arg == "--numbers") {
      options.numbers = true;
    } else if (!arg.empty() && arg[0] != '-' && !file) {
      file = arg;
    } else {
      return Fail(("unexpected argument '" + arg + "'").c_str());
    }
  }
  if (!file) return Fail("no record file given");
  if (!move) return Fail("--move is required");
  if (!out) return Fail("-o OUT.png is required");
  options.move = *move;

  TGameRecord record;
  const TReadResult read = LoadRecordFile(*file, FormatOfName(*file), kFullMemberLevel, record);
  if (!ReportLoad("render", *file, read)) return 1;

  // Headless machines draw off screen.
  if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  }
  int argc = 1;
  char name[] = "moyoscope";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  // A picture of exactly --cell pixels a cell, whatever the screen's scale.
  platform::QtBitmapStore store(":/artwork", 1);
  const QImage image = RenderRecordBoard(record, options, store);
  if (image.isNull()) {
    std::fputs("moyoscope render: the board pictures are missing\n", stderr);
    return 1;
  }
  if (!image.save(QString::fromStdString(*out), "PNG")) {
    std::fprintf(stderr, "moyoscope render: cannot write %s\n", out->c_str());
    return 1;
  }
  return 0;
}

}  // namespace moyo::app
