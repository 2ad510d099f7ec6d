#pragma once
// The sentences that tell the user why a record shows less than its file holds.

#include <string>
#include <vector>

#include "record/TReadResult.h"

namespace moyo {

// The notice as one Korean sentence in CP949.
std::string NoticeText(const TReadNotice& notice);

// All notices of a load, one sentence a line (CR LF between them); empty when none.
std::string NoticesText(const std::vector<TReadNotice>& notices);

}  // namespace moyo
