#pragma once
// One print from the page: the options dialog's fields, corrected by the
// desktop dialog's rules as each is left, the options stored on OK, and the
// pages drawn by the desktop's diagram printer as SVG.
//
// The page's dialog holds its fields as one text, a line each in the order
// of kFieldNames; the session answers with the corrected text.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "print/FieldCorrections.h"
#include "print/PrintSource.h"
#include "print/TZelStatus.h"
#include "web/PrintSvgCanvas.h"

namespace moyo::web {

// The dialog's fields in the order of the text, named after its components;
// "method" is the checked radio button (1 to 3, 4 for none).
inline constexpr std::array<const char*, 10> kFieldNames{"edTMar",   "edLMar", "edGrid", "edWidth",
                                                         "edHeight", "edSPos", "edEPos", "edDNum",
                                                         "cbNDiv",   "method"};

std::string FieldsText(const TOptionFields& fields);
// Missing lines leave their fields empty; list and method lines that are not
// numbers select nothing.
TOptionFields ParseFieldsText(std::string_view text);

class PrintSession {
 public:
  // A print of source with the options of status, texts measured by measure.
  PrintSession(TPrintSource source, TZelStatus& status, TextMeasure measure);

  int MoveCount() const { return source_.line.moves.Count; }
  // The fields as the dialog shows them when it opens.
  std::string Fields() const;
  // The fields after the field named `left` has been left: "edTMar", "edLMar"
  // and "edGrid" check all three page fields; "edSPos", "edEPos" and "edDNum"
  // their own. Any other name changes nothing.
  std::string FieldLeft(std::string_view left, std::string_view fields) const;
  // OK: stores the options the fields hold and draws the pages they ask for.
  // False when drawing failed.
  bool Print(std::string_view fields, const std::string& timeStamp);
  // The pages of the last Print, each an <svg> element.
  const std::vector<std::string>& Pages() const { return pages_; }

 private:
  TPrintSource source_;
  TZelStatus& status_;
  TextMeasure measure_;
  std::vector<std::string> pages_;
};

// The size of the pages in the dots of a 600-dpi printer: A4, as the desktop prints.
platform::Size PrintPageSize();

}  // namespace moyo::web
