#pragma once
// The corrections the print options dialog makes to its fields when one is
// left: wrong entries are replaced in place, never reported. Fields are texts.

#include <string>

#include "print/DiagramPrinter.h"
#include "print/TZelStatus.h"

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

// Every field of the dialog as text, with its list choice and radio choice.
struct TOptionFields {
  TPageFields page;
  std::string pageWidth, pageHeight;
  std::string start, end;
  std::string movesPerDiagram;
  int perPageIndex = 2;          // the list's selected item; outside 0 to 2 none
  int method = kPrintWholeGame;  // the checked radio button, kPrintNoMethod for none
};

// The fields as the dialog shows them for a record of moveCount moves on a page of the given size.
TOptionFields FieldsFromOptions(const TPrintOptions& options, int moveCount, int pageWidth,
                                int pageHeight);
// The fields after each has been left once: page fields, start, end, moves per diagram.
void CorrectAllFields(TOptionFields& fields, int moveCount);
// The options that OK stores.
TPrintOptions OptionsFromFields(const TOptionFields& fields);
// What OK hands to printing.
TPrintRequest RequestFromFields(const TOptionFields& fields);

}  // namespace moyo
