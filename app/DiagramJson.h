#pragma once
// A built diagram as JSON: {"board": N rows of N cells (N the board's size), "retakes": rows of
// cells}, each cell {"state", "number", "letter"} with letters as printed (UTF-8).

#include <nlohmann/json.hpp>

#include "print/BuildDiagram.h"

namespace moyo::app {

nlohmann::json DiagramJson(const TDiagram& diagram);

}  // namespace moyo::app
