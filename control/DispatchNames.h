#pragma once
// Name lookup for GetIDsOfNames over a table of member descriptions.

#include <span>

#include "control/IMoyoscope.h"
#include "control/VariantText.h"

namespace moyo::com {

// Fills ids with the DISPID of names[0] (compared without regard to ASCII
// case, as OLE compares names) and DISPID_UNKNOWN for the rest; fails with
// DISP_E_UNKNOWNNAME when the member or any parameter name is unknown.
HRESULT LookUpNames(std::span<const MemberDescription> members, const char16_t* const* names,
                    std::uint32_t count, DISPID* ids);

// The description of dispid in members, or null.
const MemberDescription* FindMember(std::span<const MemberDescription> members, DISPID dispid);

}  // namespace moyo::com
