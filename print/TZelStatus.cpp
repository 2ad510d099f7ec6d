#include "print/TZelStatus.h"

#include <array>
#include <string>
#include <utility>

#include "print/IntText.h"

namespace moyo {
namespace {

struct OptionField {
  const char* name;
  std::int32_t TPrintOptions::*value;
};

// The values in their stored order.
constexpr std::array<OptionField, 6> kFields{{
    {"tmargin", &TPrintOptions::tmargin},
    {"lmargin", &TPrintOptions::lmargin},
    {"gogrid", &TPrintOptions::gogrid},
    {"splitno", &TPrintOptions::splitno},
    {"perpage", &TPrintOptions::perpage},
    {"method", &TPrintOptions::method},
}};

}  // namespace

TPrintOptions& PrintOptions() {
  static TPrintOptions options;
  return options;
}

TZelStatus::TZelStatus(std::unique_ptr<platform::SettingsStore> store, TPrintOptions& options)
    : store_(std::move(store)), options_(options) {
  const std::string version =
      store_ ? store_->ReadText(kSettingsKey, kVersionSection, "version").value_or("") : "";
  if (version == kSettingsVersion) {
    TransferSection(kPrintOptionSection, kTransferRead, false);
    return;
  }
  // First run, or options of another version: start again from the defaults.
  if (store_) store_->WriteText(kSettingsKey, kVersionSection, "version", kSettingsVersion);
  TransferSection(kPrintOptionSection, kTransferWrite, true);
}

void TZelStatus::TransferSection(const std::string& section, int direction, bool defaults) {
  if (section == kPrintOptionSection) TransferPrintOptions(direction, defaults);
}

void TZelStatus::TransferPrintOptions(int direction, bool defaults) {
  const TPrintOptions defaultOptions;
  if (defaults) options_ = defaultOptions;
  if (!store_) return;
  for (const OptionField& field : kFields) {
    std::int32_t& value = options_.*field.value;
    if (direction == kTransferRead) {
      const std::optional<std::string> text =
          store_->ReadText(kSettingsKey, kPrintOptionSection, field.name);
      value = (text ? ParseInt32(*text) : std::nullopt).value_or(defaultOptions.*field.value);
    } else {
      store_->WriteText(kSettingsKey, kPrintOptionSection, field.name, std::to_string(value));
    }
  }
}

}  // namespace moyo
