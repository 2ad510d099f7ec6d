#pragma once
// Standard SGF out of any record the viewer reads: the converter's output and the
// host's "Save as SGF".

#include <string>

#include "record/TGameRecord.h"

namespace moyo {

// The record as FF[4] SGF in UTF-8 (CA[UTF-8]): the header, the handicap (HA and its
// stones) or the setup stones (AB, AW) and PL, the main line with its commentary, and each
// reference diagram as a variation leaving the main line before its start move. Reading
// the text back gives the same record. What SGF has no property for travels in properties
// of this program's own: SM (summary), GK (record kind), YT and YC (byo-yomi texts that are
// not numbers), RF[m:k] on a variation (listed as diagram k of move m's commentary).
std::string WriteSgf(const TGameRecord& record);

}  // namespace moyo
