#pragma once
// The print options the user chose last, kept per user in the settings store
// under "Software\NetMoyoscope", with a version stamp that discards options of
// other versions.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/SettingsStore.h"

namespace moyo {

inline constexpr const char* kSettingsKey = "Software\\NetMoyoscope";
inline constexpr const char* kVersionSection = "Version Info";
inline constexpr const char* kPrintOptionSection = "Print Option Info";
inline constexpr const char* kSettingsVersion = "0408A";

// Directions of TransferSection and TransferPrintOptions.
inline constexpr int kTransferRead = 1;
inline constexpr int kTransferWrite = 2;

// The six print options, named as they are stored.
struct TPrintOptions {
  std::int32_t tmargin = 500;  // top margin, printer dots
  std::int32_t lmargin = 400;  // left margin, printer dots
  std::int32_t gogrid = 185;   // cell size of a one-a-page diagram, printer dots
  std::int32_t splitno = 50;   // moves per partial diagram
  std::int32_t perpage = 2;    // diagrams-per-page choice: 0 -> 1, 1 -> 2, 2 -> 4
  std::int32_t method = 1;     // 1 whole game, 2 range, 3 split, 4 none chosen
  friend bool operator==(const TPrintOptions&, const TPrintOptions&) = default;
};

// The process-wide working copy of the print options.
TPrintOptions& PrintOptions();

class TZelStatus {
 public:
  // Opens the store and runs the version check: a missing or other version is
  // replaced by "0408A" and the defaults are written; the right one reads the options.
  explicit TZelStatus(std::unique_ptr<platform::SettingsStore> store,
                      TPrintOptions& options = PrintOptions());

  // Transfers the print options when section is "Print Option Info"; any other does nothing.
  void TransferSection(const std::string& section, int direction, bool defaults);
  // Direction 1 reads the options (missing or non-integer values take their
  // defaults), any other writes them; defaults first resets them.
  void TransferPrintOptions(int direction, bool defaults);

  // The options this instance reads and writes.
  TPrintOptions& Options() { return options_; }

 private:
  std::unique_ptr<platform::SettingsStore> store_;
  TPrintOptions& options_;
};

}  // namespace moyo
