#include "print/FieldCorrections.h"

#include <optional>

#include "print/IntText.h"

namespace moyo {
namespace {

// A field's integer, or the replacement when it holds none; then kept within low..high.
std::string Clamped(const std::string& text, int replacement, int low, int high) {
  const int value = ParseInt32(text).value_or(replacement);
  if (value < low) return std::to_string(low);
  if (value > high) return std::to_string(high);
  return ParseInt32(text) ? text : std::to_string(replacement);
}

}  // namespace

void CheckPageFields(TPageFields& fields, const std::string& pageWidth) {
  fields.topMargin = Clamped(fields.topMargin, 500, 200, 500);
  fields.leftMargin = Clamped(fields.leftMargin, 400, 200, 400);
  const std::optional<int> grid = ParseInt32(fields.grid);
  if (!grid) {
    fields.grid = "185";
  } else if (*grid < 90) {
    fields.grid = "90";
  }
  const std::optional<int> width = ParseInt32(pageWidth);
  const long long left = *ParseInt32(fields.leftMargin);
  const long long cells = 19LL * *ParseInt32(fields.grid);
  if (width && *width < 2 * left + cells) fields.grid = std::to_string((*width - 2 * left) / 19);
}

void CorrectStartField(std::string& start, const std::string& end, int moveCount) {
  std::optional<int> value = ParseInt32(start);
  if (!value) {
    start = "0";
    value = 0;
  }
  if (*value <= 0 && moveCount > 0) {
    start = "1";
    value = 1;
  }
  // An end that is not a number yet sets no bound; its own correction comes when it is left.
  const std::optional<int> endValue = ParseInt32(end);
  if (endValue && *endValue < *value) start = end;
}

void CorrectEndField(std::string& end, const std::string& start, int moveCount) {
  const std::optional<int> value = ParseInt32(end);
  if (!value || *value <= 0 || *value > moveCount) end = std::to_string(moveCount);
  const std::optional<int> startValue = ParseInt32(start);
  if (startValue && *ParseInt32(end) < *startValue) end = start;
}

void CorrectMovesPerDiagramField(std::string& count, int moveCount) {
  std::optional<int> value = ParseInt32(count);
  if (!value) {
    count = "50";
    value = 50;
  }
  if (*value <= 0 && moveCount > 0) {
    count = "1";
  } else if (*value > moveCount) {
    count = std::to_string(moveCount);
  }
}

TOptionFields FieldsFromOptions(const TPrintOptions& options, int moveCount, int pageWidth,
                                int pageHeight) {
  TOptionFields fields;
  fields.page = {std::to_string(options.tmargin), std::to_string(options.lmargin),
                 std::to_string(options.gogrid)};
  fields.pageWidth = std::to_string(pageWidth);
  fields.pageHeight = std::to_string(pageHeight);
  fields.start = moveCount < 1 ? "0" : "1";
  fields.end = moveCount < 1 ? "0" : std::to_string(moveCount);
  fields.movesPerDiagram = std::to_string(options.splitno);
  fields.perPageIndex = options.perpage;
  const bool known = options.method >= kPrintWholeGame && options.method <= kPrintSplit;
  fields.method = known ? options.method : kPrintNoMethod;
  return fields;
}

void CorrectAllFields(TOptionFields& fields, int moveCount) {
  CheckPageFields(fields.page, fields.pageWidth);
  CorrectStartField(fields.start, fields.end, moveCount);
  CorrectEndField(fields.end, fields.start, moveCount);
  CorrectMovesPerDiagramField(fields.movesPerDiagram, moveCount);
}

TPrintOptions OptionsFromFields(const TOptionFields& fields) {
  const TPrintOptions defaults;
  TPrintOptions options;
  options.tmargin = ParseInt32(fields.page.topMargin).value_or(defaults.tmargin);
  options.lmargin = ParseInt32(fields.page.leftMargin).value_or(defaults.lmargin);
  options.gogrid = ParseInt32(fields.page.grid).value_or(defaults.gogrid);
  options.splitno = ParseInt32(fields.movesPerDiagram).value_or(defaults.splitno);
  options.perpage = fields.perPageIndex;
  options.method = fields.method;
  return options;
}

TPrintRequest RequestFromFields(const TOptionFields& fields) {
  const TPrintOptions options = OptionsFromFields(fields);
  TPrintRequest request;
  request.method = options.method;
  request.startMove = ParseInt32(fields.start).value_or(1);
  request.endMove = ParseInt32(fields.end).value_or(0);
  request.movesPerDiagram = options.splitno;
  request.perPageIndex = options.perpage;
  request.page = {options.tmargin, options.lmargin, options.gogrid};
  return request;
}

}  // namespace moyo
