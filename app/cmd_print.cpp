// moyoscope print FILE [--method whole|range|split] [--from A --to B] [--split N]
//   [--per-page 1|2|4] [--tmargin T --lmargin L --grid G] [--dpi D] -o OUT.pdf|OUT-%d.png
// Prints the record as the print button does once the options dialog closes
// with these choices; unset choices come from the stored print options.

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/Commands.h"
#include "app/PrintArgs.h"
#include "app/RecordFile.h"
#include "platform/qt/QtImagePrinter.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtSettingsStore.h"
#include "print/DiagramPrinter.h"
#include "print/FieldCorrections.h"
#include "print/LayoutPrinter.h"
#include "print/PrintSource.h"

namespace moyo::app {
namespace {

int Fail(const std::string& error) {
  std::fprintf(stderr, "moyoscope print: %s\n", error.c_str());
  std::fputs(
      "usage: moyoscope print FILE [--method whole|range|split] [--from A --to B] [--split N]\n"
      "         [--per-page 1|2|4] [--tmargin T --lmargin L --grid G] [--dpi D]\n"
      "         -o OUT.pdf | -o OUT-%d.png\n",
      stderr);
  return 1;
}

std::unique_ptr<platform::Printer> MakePrinter(const std::string& out, int dpi) {
  if (out.ends_with(".png")) return platform::QtImagePrinter::A4(dpi, out);
  if (out.ends_with(".pdf")) return platform::QtPrinter::ToPdf(out, dpi);
  return nullptr;
}

}  // namespace

int RunPrint(const Args& args) {
  std::string error;
  const std::optional<TOptionArgs> parsed =
      ParseOptionArgs(args,
                      {"--method", "--from", "--to", "--split", "--per-page", "--tmargin",
                       "--lmargin", "--grid", "--dpi", "-o"},
                      error);
  if (!parsed) return Fail(error);
  const std::optional<std::string> out = parsed->Value("-o");
  if (!out) return Fail("no output file (-o OUT.pdf or -o OUT-%d.png)");
  const std::optional<int> dpi = IntOption(*parsed, "--dpi", 600, 72, error);
  if (!dpi || *dpi > 2400) return Fail(error.empty() ? "--dpi is at most 2400" : error);

  std::optional<int> method, perPageIndex;
  if (const std::optional<std::string> name = parsed->Value("--method")) {
    if (*name == "whole") {
      method = kPrintWholeGame;
    } else if (*name == "range") {
      method = kPrintRange;
    } else if (*name == "split") {
      method = kPrintSplit;
    } else {
      return Fail("--method is whole, range or split, not '" + *name + "'");
    }
  }
  if (const std::optional<std::string> perPage = parsed->Value("--per-page")) {
    if (*perPage != "1" && *perPage != "2" && *perPage != "4") {
      return Fail("--per-page is 1, 2 or 4");
    }
    perPageIndex = *perPage == "1" ? 0 : *perPage == "2" ? 1 : 2;
  }
  // Fonts need a GUI application; without a display it draws offscreen.
  if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  }
  int argc = 1;
  char name[] = "moyoscope";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);

  auto record = std::make_unique<TGameRecord>();
  const TReadResult read =
      LoadRecordFile(parsed->file, FormatOfName(parsed->file), kFullMemberLevel, *record);
  if (!ReportLoad("print", parsed->file, read)) return 1;
  // The moves and header texts as the viewer's print button takes them.
  const TPrintSource source = RecordPrintSource(*record);
  const TMoveList& moves = source.line.moves;

  std::unique_ptr<platform::Printer> printer = MakePrinter(*out, *dpi);
  if (!printer) return Fail("the output must end in .pdf or .png: " + *out);

  // The dialog's fields as the stored options fill them, then the choices given here.
  TZelStatus status(std::make_unique<platform::QtSettingsStore>());
  const platform::Size page = LayoutPageSize(*printer);
  TOptionFields fields = FieldsFromOptions(status.Options(), moves.Count, page.width, page.height);
  const std::pair<const char*, std::string*> texts[] = {
      {"--tmargin", &fields.page.topMargin},
      {"--lmargin", &fields.page.leftMargin},
      {"--grid", &fields.page.grid},
      {"--from", &fields.start},
      {"--to", &fields.end},
      {"--split", &fields.movesPerDiagram},
  };
  for (const auto& [option, field] : texts) {
    if (const std::optional<std::string> value = parsed->Value(option)) *field = *value;
  }
  if (method) fields.method = *method;
  if (perPageIndex) fields.perPageIndex = *perPageIndex;
  // Leaving each field corrects it, so a wrong entry prints as the dialog would make it.
  CorrectAllFields(fields, moves.Count);

  const TPrintRequest request = RequestFromFields(fields);
  if (request.method == kPrintSplit && moves.Count == 0) {
    std::fprintf(stderr,
                 "moyoscope print: %s has no moves, so a split print has no pages; nothing "
                 "was written to %s\n",
                 parsed->file.c_str(), out->c_str());
    return 0;
  }
  const std::string timeStamp = CurrentTimeStamp();
  // One PNG name holds one page: count the pages on a printer that writes nothing first.
  if (out->ends_with(".png") && out->find("%d") == std::string::npos) {
    const auto probe = platform::QtImagePrinter::A4(*dpi, "");
    PrintRecord(*probe, source.line, source.header, request, timeStamp);
    if (probe->PageCount() > 1) {
      return Fail("this print has " + std::to_string(probe->PageCount()) + " pages but " + *out +
                  " names one: put %d where the page number goes (page-%d.png)");
    }
  }
  if (!PrintRecord(*printer, source.line, source.header, request, timeStamp)) {
    return Fail("printing to " + *out + " failed");
  }
  return 0;
}

}  // namespace moyo::app
