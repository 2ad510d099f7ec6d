#pragma once
// IMoyoscope reached through IDispatch::Invoke: one table row per member,
// turning variants into the typed accessors' arguments and back.

#include "control/IMoyoscope.h"

namespace moyo::com {

// Calls member dispid of target as Invoke is asked to (flags, params, result),
// with the codes OLE gives for unknown members, wrong kinds of call, wrong
// argument counts, unknown named arguments and mismatched types.
HRESULT InvokeMoyoscope(IMoyoscope& target, DISPID dispid, std::uint16_t flags,
                        const DISPPARAMS* params, VARIANT* result);

}  // namespace moyo::com
