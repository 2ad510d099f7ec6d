#include "control/DispatchNames.h"

namespace moyo::com {
namespace {

char16_t Lower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c;
}

bool SameName(std::string_view ascii, const char16_t* name) {
  if (name == nullptr) return false;
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
  const MemberDescription* found = nullptr;
  for (const MemberDescription& member : members) {
    if (SameName(member.name, names[0])) {
      found = &member;
      break;
    }
  }
  if (found == nullptr) return DISP_E_UNKNOWNNAME;
  ids[0] = found->dispid;
  HRESULT code = S_OK;
  for (std::uint32_t i = 1; i < count; ++i) {
    for (std::size_t position = 0; position < found->ParameterCount(); ++position) {
      if (SameName(found->parameters[position], names[i])) ids[i] = static_cast<DISPID>(position);
    }
    if (ids[i] == DISPID_UNKNOWN) code = DISP_E_UNKNOWNNAME;
  }
  return code;
}

const MemberDescription* FindMember(std::span<const MemberDescription> members, DISPID dispid) {
  for (const MemberDescription& member : members) {
    if (member.dispid == dispid) return &member;
  }
  return nullptr;
}

HRESULT ArgumentsInOrder(const DISPPARAMS& params, std::size_t count, TArguments& arguments) {
  arguments.fill(nullptr);
  if (params.cArgs != count || count > arguments.size()) return DISP_E_BADPARAMCOUNT;
  if (params.cNamedArgs > params.cArgs) return DISP_E_PARAMNOTFOUND;
  if (params.cArgs > 0 && params.rgvarg == nullptr) return E_INVALIDARG;
  if (params.cNamedArgs > 0 && params.rgdispidNamedArgs == nullptr) return E_INVALIDARG;
  const std::size_t positional = params.cArgs - params.cNamedArgs;
  for (std::size_t i = 0; i < positional; ++i) arguments[i] = &params.rgvarg[params.cArgs - 1 - i];
  for (std::size_t i = 0; i < params.cNamedArgs; ++i) {
    const DISPID position = params.rgdispidNamedArgs[i];
    if (position < 0 || static_cast<std::size_t>(position) >= count ||
        arguments[static_cast<std::size_t>(position)] != nullptr) {
      return DISP_E_PARAMNOTFOUND;
    }
    arguments[static_cast<std::size_t>(position)] = &params.rgvarg[i];
  }
  return S_OK;
}

}  // namespace moyo::com
