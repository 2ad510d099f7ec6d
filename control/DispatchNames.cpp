#include "control/DispatchNames.h"

namespace moyo::com {
namespace {

char16_t Lower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c;
}

bool SameName(std::string_view ascii, const char16_t* name) {
  std::size_t i = 0;
  for (; name[i] != u'\0'; ++i) {
    if (i >= ascii.size() || Lower(name[i]) != Lower(static_cast<char16_t>(ascii[i]))) {
      return false;
    }
  }
  return i == ascii.size();
}

}  // namespace

HRESULT LookUpNames(std::span<const MemberDescription> members, const char16_t* const* names,
                    std::uint32_t count, DISPID* ids) {
  if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
  for (std::uint32_t i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  if (names[0] == nullptr) return DISP_E_UNKNOWNNAME;
  for (const MemberDescription& member : members) {
    if (SameName(member.name, names[0])) {
      ids[0] = member.dispid;
      // Parameters are passed by position only; none can be named.
      return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
  }
  return DISP_E_UNKNOWNNAME;
}

const MemberDescription* FindMember(std::span<const MemberDescription> members, DISPID dispid) {
  for (const MemberDescription& member : members) {
    if (member.dispid == dispid) return &member;
  }
  return nullptr;
}

}  // namespace moyo::com
