#pragma once
// What a member level, the text a host passes with a record, allows in the viewer.

#include <string>

namespace moyo {

// Levels "0" and "2": commentary limited; printing, answers and hints refused.
bool IsLimitedMember(const std::string& level);
// Levels "10" and "100": the guessing controls are hidden.
bool HidesGuessingControls(const std::string& level);
// Levels "0", "2", "10" and "100": answer buttons and hints are refused.
bool RefusesAnswersAndHints(const std::string& level);

}  // namespace moyo
