#pragma once
// What a record reader tells its caller.

#include <cstddef>
#include <string>
#include <vector>

namespace moyo {

// Something about a load the viewer tells the user, with a count where it has one.
enum class TNoticeKind {
  Unreadable,           // no reader could use the text
  StoppedEarly,         // a tagged text stopped on a malformed tag before any ")"
  Collection,           // several games in one file: the first is shown; count = games
  MovesCut,             // more moves than the line holds; count = moves kept
  LostCharacters,       // characters CP949 lacks became "?"; count = characters
  EndsEarly,            // an NGF or GIB text lacks lines or ends early
  BoardTooLarge,        // a board size the viewer cannot show; count = the size
  SetupAfterFirstMove,  // SGF stones added or taken after the first move were left out;
                        // count = the move they follow
};

struct TReadNotice {
  TNoticeKind kind = TNoticeKind::Unreadable;
  int count = 0;
  friend bool operator==(const TReadNotice&, const TReadNotice&) = default;
};

// The outcome of reading a record text. A failed load is not applied; the
// fields read before the failure stay in the record.
struct TReadResult {
  bool failed = false;     // the host's call fails: an empty text or a number that is not decimal
  bool show = true;        // whether the caller applies the record
  std::string error;       // why the load failed (ASCII), empty otherwise
  std::size_t offset = 0;  // the byte where a failure or a stop happened
  std::vector<TReadNotice> notices;  // what the user is told about this load
};

// A failed load with its reason and the byte it happened at.
inline TReadResult ReadFailure(std::string error, std::size_t offset = 0) {
  TReadResult result;
  result.failed = true;
  result.show = false;
  result.error = std::move(error);
  result.offset = offset;
  return result;
}

}  // namespace moyo
