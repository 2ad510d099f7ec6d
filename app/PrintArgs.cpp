#include "app/PrintArgs.h"

#include "print/IntText.h"

namespace moyo::app {

std::optional<std::string> TOptionArgs::Value(const std::string& name) const {
  const auto found = values.find(name);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

std::optional<TOptionArgs> ParseOptionArgs(const Args& args, const std::set<std::string>& names,
                                           std::string& error) {
  TOptionArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (names.contains(arg)) {
      if (i + 1 >= args.size()) {
        error = "option " + arg + " needs a value";
        return std::nullopt;
      }
      parsed.values[arg] = args[++i];
    } else if (arg.starts_with("-")) {
      error = "unknown option " + arg;
      return std::nullopt;
    } else if (parsed.file.empty()) {
      parsed.file = arg;
    } else {
      error = "more than one record file: " + arg;
      return std::nullopt;
    }
  }
  if (parsed.file.empty()) {
    error = "no record file given";
    return std::nullopt;
  }
  return parsed;
}

std::optional<int> IntOption(const TOptionArgs& args, const std::string& name, int fallback,
                             int low, std::string& error) {
  const std::optional<std::string> text = args.Value(name);
  if (!text) return fallback;
  const std::optional<int> value = ParseInt32(*text);
  if (!value || *value < low) {
    error =
        name + " needs a whole number of at least " + std::to_string(low) + ", not '" + *text + "'";
    return std::nullopt;
  }
  return value;
}

}  // namespace moyo::app
