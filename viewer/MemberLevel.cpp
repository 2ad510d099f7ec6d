#include "viewer/MemberLevel.h"

namespace moyo {

bool IsLimitedMember(const std::string& level) {
  return level == "0" || level == "2";
}

bool HidesGuessingControls(const std::string& level) {
  return level == "10" || level == "100";
}

bool RefusesAnswersAndHints(const std::string& level) {
  return IsLimitedMember(level) || HidesGuessingControls(level);
}

}  // namespace moyo
