#include "web/PrintSession.h"

#include <memory>
#include <utility>

#include "print/DiagramPrinter.h"
#include "print/IntText.h"
#include "print/LayoutPrinter.h"

namespace moyo::web {
namespace {

// Pages kept as SVG markup, in the layout's own dots.
class SvgPrinter final : public platform::Printer {
 public:
  SvgPrinter(std::vector<std::string>& pages, TextMeasure measure)
      : pages_(pages), measure_(std::move(measure)) {}

  int PageWidth() const override { return PrintPageSize().width; }
  int PageHeight() const override { return PrintPageSize().height; }
  int DotsPerInch() const override { return kLayoutDpi; }
  bool BeginJob(const std::string&) override {
    pages_.clear();
    return true;
  }
  bool NewPage() override { return PageCanvas() != nullptr && FinishPage(); }
  bool EndJob() override { return !page_ || FinishPage(); }
  platform::Canvas* PageCanvas() override {
    if (!page_)
      page_ = std::make_unique<PrintSvgCanvas>(PageWidth(), PageHeight(), kLayoutDpi, measure_);
    return page_.get();
  }

 private:
  bool FinishPage() {
    pages_.push_back(page_->Markup());
    page_.reset();
    return true;
  }

  std::vector<std::string>& pages_;
  TextMeasure measure_;
  std::unique_ptr<PrintSvgCanvas> page_;
};

// A page's line of the fields text: no line breaks inside a field.
std::string Line(std::string text) {
  std::erase(text, '\n');
  std::erase(text, '\r');
  return text;
}

}  // namespace

platform::Size PrintPageSize() {
  // A4 is 595 x 842 points; points are 1/72 inch.
  return {(595 * kLayoutDpi + 36) / 72, (842 * kLayoutDpi + 36) / 72};
}

std::string FieldsText(const TOptionFields& f) {
  const std::string lines[] = {f.page.topMargin,
                               f.page.leftMargin,
                               f.page.grid,
                               f.pageWidth,
                               f.pageHeight,
                               f.start,
                               f.end,
                               f.movesPerDiagram,
                               std::to_string(f.perPageIndex),
                               std::to_string(f.method)};
  std::string text;
  for (const std::string& line : lines) text += Line(line) + "\n";
  return text;
}

TOptionFields ParseFieldsText(std::string_view text) {
  std::array<std::string, kFieldNames.size()> lines;
  for (std::string& line : lines) {
    const std::size_t end = text.find('\n');
    line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  TOptionFields f;
  f.page = {lines[0], lines[1], lines[2]};
  f.pageWidth = lines[3];
  f.pageHeight = lines[4];
  f.start = lines[5];
  f.end = lines[6];
  f.movesPerDiagram = lines[7];
  f.perPageIndex = ParseInt32(lines[8]).value_or(-1);
  f.method = ParseInt32(lines[9]).value_or(kPrintNoMethod);
  return f;
}

PrintSession::PrintSession(TPrintSource source, TZelStatus& status, TextMeasure measure)
    : source_(std::move(source)), status_(status), measure_(std::move(measure)) {}

std::string PrintSession::Fields() const {
  const platform::Size page = PrintPageSize();
  return FieldsText(FieldsFromOptions(status_.Options(), MoveCount(), page.width, page.height));
}

std::string PrintSession::FieldLeft(std::string_view left, std::string_view text) const {
  TOptionFields f = ParseFieldsText(text);
  if (left == "edTMar" || left == "edLMar" || left == "edGrid") {
    CheckPageFields(f.page, f.pageWidth);
  } else if (left == "edSPos") {
    CorrectStartField(f.start, f.end, MoveCount());
  } else if (left == "edEPos") {
    CorrectEndField(f.end, f.start, MoveCount());
  } else if (left == "edDNum") {
    CorrectMovesPerDiagramField(f.movesPerDiagram, MoveCount());
  }
  return FieldsText(f);
}

bool PrintSession::Print(std::string_view text, const std::string& timeStamp) {
  const TOptionFields fields = ParseFieldsText(text);
  status_.Options() = OptionsFromFields(fields);
  status_.TransferSection(kPrintOptionSection, kTransferWrite, false);
  SvgPrinter printer(pages_, measure_);
  return PrintRecord(printer, source_.line, source_.header, RequestFromFields(fields), timeStamp);
}

}  // namespace moyo::web
