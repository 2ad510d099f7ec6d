#pragma once
// The header texts printed above a one-diagram page.

#include <string>

#include "record/TGameRecord.h"

namespace moyo {

// CP949 texts, taken from the loaded record's header.
struct TGamePInfo {
  std::string EventName;  // the record's title
  std::string Title;      // the service's name for its records
  std::string BlackName;
  std::string WhiteName;
  std::string GameDate;
  std::string GamePlace;  // carried, not printed
  std::string GameResult;
  std::string GameTerms;  // komi, or the handicap text of a handicap game
};

// The print header of a record's header.
TGamePInfo MakePrintHeader(const TGiboInfo& info);

// The process-wide print header, stored by the print options dialog's setup.
TGamePInfo& PrintHeader();

}  // namespace moyo
