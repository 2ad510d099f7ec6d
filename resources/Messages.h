#pragma once
// The viewer's numbered messages: every text it shows that does not come from
// a game record.

#include <string>

namespace moyo {

// Ids of the message table run from 1 to this value.
inline constexpr int kMessageCount = 69;

// The text of message `id` in CP949 bytes; the empty text for any id outside 1..69.
// The table is converted once, on the first lookup; a conversion failure aborts.
const std::string& Message(int id);

}  // namespace moyo
