#pragma once
// The reader of the bracketed, tagged record text.

#include <string_view>

#include "record/TGameRecord.h"
#include "record/TReadResult.h"

namespace moyo {

// Reads a tagged record text (CP949) into `record` in place. It resets only the
// move count and the title; header fields the text lacks keep their values and
// commentary items are appended. `level` is the member level: for "0" and "2" the
// summary becomes a notice unless the record is of kind "1". The result's `show`
// is false when a malformed tag stopped the reader before any ")".
TReadResult ReadTaggedRecord(TGameRecord& record, std::string_view text, std::string_view level);

}  // namespace moyo
