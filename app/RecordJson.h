#pragma once
// The record model as JSON, texts converted to UTF-8.

#include <nlohmann/json.hpp>

#include "app/RecordFile.h"
#include "record/TGameRecord.h"

namespace moyo::app {

// {"format", "encoding" (when given), "show", "boardSize", "info": {...}, "moves": [[x, y,
//  colour], ...], "setup": [[x, y, colour], ...], "comments": [{"moveNo", "kind", "text"},
//  ...]} in this key order.
nlohmann::ordered_json RecordToJson(const TGameRecord& record, RecordFormat format, bool show,
                                    std::string_view encoding = {});

}  // namespace moyo::app
