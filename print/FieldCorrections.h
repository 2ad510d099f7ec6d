#pragma once
// The corrections the print options dialog makes to its fields when one is
// left: wrong entries are replaced in place, never reported. Fields are texts.

#include <string>

namespace moyo {

// The three page fields, corrected together: margins into their ranges, the
// grid at least 90 and narrow enough for the page width in pageWidth.
struct TPageFields {
  std::string topMargin;
  std::string leftMargin;
  std::string grid;
};
void CheckPageFields(TPageFields& fields, const std::string& pageWidth);

// The range's start field when left, against the end field.
void CorrectStartField(std::string& start, const std::string& end, int moveCount);
// The range's end field when left, against the start field.
void CorrectEndField(std::string& end, const std::string& start, int moveCount);
// The moves-per-diagram field when left.
void CorrectMovesPerDiagramField(std::string& count, int moveCount);

}  // namespace moyo
