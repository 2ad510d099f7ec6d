#pragma once
// Arguments of the print and diagram commands: one record file and "--name
// value" options from a fixed list.

#include <map>
#include <optional>
#include <set>
#include <string>

#include "app/Commands.h"

namespace moyo::app {

struct TOptionArgs {
  std::string file;
  std::map<std::string, std::string> values;  // by option name, "--from" or "-o"

  // The option's value, if given.
  std::optional<std::string> Value(const std::string& name) const;
};

// Splits args into the file and the options; an error text for an unknown
// option, one without its value, a second file or no file.
std::optional<TOptionArgs> ParseOptionArgs(const Args& args, const std::set<std::string>& names,
                                           std::string& error);

// The option's value as an integer of at least low, a default when missing,
// or an error text.
std::optional<int> IntOption(const TOptionArgs& args, const std::string& name, int fallback,
                             int low, std::string& error);

}  // namespace moyo::app
