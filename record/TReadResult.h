#pragma once
// What a record reader tells its caller.

#include <string>

namespace moyo {

// The outcome of reading a record text. A failed load is not applied; the
// fields read before the failure stay in the record.
struct TReadResult {
  bool failed = false;  // the host's call fails: an empty text or a number that is not decimal
  bool show = true;     // whether the caller applies the record
  std::string error;    // why the load failed (ASCII), empty otherwise
};

// A failed load with its reason.
inline TReadResult ReadFailure(std::string error) {
  return {true, false, std::move(error)};
}

}  // namespace moyo
