#pragma once
// Name lookup for GetIDsOfNames over a table of member descriptions, and the
// order of a method's arguments as Invoke receives them.

#include <array>
#include <span>

#include "control/IMoyoscope.h"
#include "control/VariantText.h"

namespace moyo::com {

// Fills ids[0] with the DISPID of names[0] and ids[i] with the position of
// parameter names[i] of that member (names compared without regard to ASCII
// case, as OLE compares them); every name not known gets DISPID_UNKNOWN and
// the call fails with DISP_E_UNKNOWNNAME.
HRESULT LookUpNames(std::span<const MemberDescription> members, const char16_t* const* names,
                    std::uint32_t count, DISPID* ids);

// The description of dispid in members, or null.
const MemberDescription* FindMember(std::span<const MemberDescription> members, DISPID dispid);

// A method's arguments in the order it declares them.
using TArguments = std::array<const VARIANT*, kMaxParameters>;

// Puts the arguments of params in declaration order for a method of `count`
// parameters, all required. The first cNamedArgs entries of rgvarg are named
// by position in rgdispidNamedArgs; the rest are positional, last first.
// DISP_E_BADPARAMCOUNT for a wrong number, DISP_E_PARAMNOTFOUND for a name
// that is no parameter or one given twice.
HRESULT ArgumentsInOrder(const DISPPARAMS& params, std::size_t count, TArguments& arguments);

}  // namespace moyo::com
