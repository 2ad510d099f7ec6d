#include "control/MoyoscopeDispatch.h"

#include <type_traits>
#include <utility>

#include "control/ComPtr.h"
#include "control/DispatchNames.h"
#include "control/VariantText.h"

namespace moyo::com {
namespace {

using Getter = HRESULT (*)(IMoyoscope&, VARIANT& value);
using Putter = HRESULT (*)(IMoyoscope&, const VARIANT& value);
using Caller = HRESULT (*)(IMoyoscope&, const TArguments& arguments, VARIANT* result);

// One member as Invoke reaches it; a null accessor is a kind of call the member lacks.
struct TDispatchRow {
  DISPID dispid;
  Getter get = nullptr;
  Putter put = nullptr;
  Putter putRef = nullptr;
  Caller call = nullptr;
};

template <HRESULT (IMoyoscope::*Get)(VARIANT_BOOL*)>
HRESULT GetBool(IMoyoscope& target, VARIANT& value) {
  VARIANT_BOOL flag = VARIANT_FALSE;
  const HRESULT code = (target.*Get)(&flag);
  value = MakeBool(flag != VARIANT_FALSE);
  return code;
}

template <HRESULT (IMoyoscope::*Put)(VARIANT_BOOL)>
HRESULT PutBool(IMoyoscope& target, const VARIANT& value) {
  bool flag = false;
  if (Failed(VariantToBool(value, flag))) return DISP_E_TYPEMISMATCH;
  return (target.*Put)(ToVariantBool(flag));
}

// Numbers, enumerations and colours: a 16-bit value travels as VT_I2, a colour
// as VT_UI4, the rest as VT_I4.
template <class T, HRESULT (IMoyoscope::*Get)(T*)>
HRESULT GetNumber(IMoyoscope& target, VARIANT& value) {
  T number{};
  const HRESULT code = (target.*Get)(&number);
  if constexpr (std::is_same_v<T, std::int16_t>) {
    value = MakeI2(number);
  } else if constexpr (std::is_same_v<T, OLE_COLOR>) {
    value = MakeUI4(number);
  } else {
    value = MakeI4(static_cast<std::int32_t>(number));
  }
  return code;
}

template <class T, HRESULT (IMoyoscope::*Put)(T)>
HRESULT PutNumber(IMoyoscope& target, const VARIANT& value) {
  std::int32_t number = 0;
  if (Failed(VariantToInt(value, number))) return DISP_E_TYPEMISMATCH;
  return (target.*Put)(static_cast<T>(number));
}

template <HRESULT (IMoyoscope::*Get)(std::u16string*)>
HRESULT GetText(IMoyoscope& target, VARIANT& value) {
  std::u16string text;
  const HRESULT code = (target.*Get)(&text);
  value = MakeBstr(std::move(text));
  return code;
}

template <HRESULT (IMoyoscope::*Put)(const std::u16string&)>
HRESULT PutText(IMoyoscope& target, const VARIANT& value) {
  if (value.vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
  return (target.*Put)(value.bstrVal);
}

// The font object's reference goes to the caller with the variant.
HRESULT GetFont(IMoyoscope& target, VARIANT& value) {
  IDispatch* font = nullptr;
  const HRESULT code = target.get_Font(&font);
  value = MakeDispatch(font);
  return code;
}

template <HRESULT (IMoyoscope::*Put)(IDispatch*)>
HRESULT PutFont(IMoyoscope& target, const VARIANT& value) {
  if (value.vt != VT_DISPATCH) return DISP_E_TYPEMISMATCH;
  return (target.*Put)(value.pdispVal);
}

HRESULT GetNews(IMoyoscope& target, VARIANT& value) {
  return target.get_News(&value);
}

HRESULT PutNews(IMoyoscope& target, const VARIANT& value) {
  return target.put_News(value);
}

HRESULT CallGetFile(IMoyoscope& target, const TArguments& arguments, VARIANT*) {
  return target.getFile(*arguments[0], *arguments[1]);
}

HRESULT CallGoQna(IMoyoscope& target, const TArguments&, VARIANT* result) {
  VARIANT answer = target.goQNA();
  if (result != nullptr) *result = std::move(answer);
  return S_OK;
}

using M = IMoyoscope;

constexpr TDispatchRow kRows[] = {
    {kDispVisible, GetBool<&M::get_Visible>, PutBool<&M::put_Visible>},
    {kDispAutoScroll, GetBool<&M::get_AutoScroll>, PutBool<&M::put_AutoScroll>},
    {kDispAutoSize, GetBool<&M::get_AutoSize>, PutBool<&M::put_AutoSize>},
    {kDispAxBorderStyle, GetNumber<TxActiveFormBorderStyle, &M::get_AxBorderStyle>,
     PutNumber<TxActiveFormBorderStyle, &M::put_AxBorderStyle>},
    {kDispCaption, GetText<&M::get_Caption>, PutText<&M::put_Caption>},
    {kDispColor, GetNumber<OLE_COLOR, &M::get_Color>, PutNumber<OLE_COLOR, &M::put_Color>},
    {kDispFont, GetFont, PutFont<&M::put_Font>, PutFont<&M::putref_Font>},
    {kDispKeyPreview, GetBool<&M::get_KeyPreview>, PutBool<&M::put_KeyPreview>},
    {kDispPixelsPerInch, GetNumber<std::int32_t, &M::get_PixelsPerInch>,
     PutNumber<std::int32_t, &M::put_PixelsPerInch>},
    {kDispPrintScale, GetNumber<TxPrintScale, &M::get_PrintScale>,
     PutNumber<TxPrintScale, &M::put_PrintScale>},
    {kDispScaled, GetBool<&M::get_Scaled>, PutBool<&M::put_Scaled>},
    {kDispActive, GetBool<&M::get_Active>},
    {kDispDropTarget, GetBool<&M::get_DropTarget>, PutBool<&M::put_DropTarget>},
    {kDispHelpFile, GetText<&M::get_HelpFile>, PutText<&M::put_HelpFile>},
    {kDispDoubleBuffered, GetBool<&M::get_DoubleBuffered>, PutBool<&M::put_DoubleBuffered>},
    {kDispVisibleDockClientCount, GetNumber<std::int32_t, &M::get_VisibleDockClientCount>},
    {kDispEnabled, GetBool<&M::get_Enabled>, PutBool<&M::put_Enabled>},
    {kDispCursor, GetNumber<std::int16_t, &M::get_Cursor>, PutNumber<std::int16_t, &M::put_Cursor>},
    {kDispGetFile, nullptr, nullptr, nullptr, CallGetFile},
    {kDispGoQna, nullptr, nullptr, nullptr, CallGoQna},
    {kDispNews, GetNews, PutNews},
};

const TDispatchRow* FindRow(DISPID dispid) {
  for (const TDispatchRow& row : kRows) {
    if (row.dispid == dispid) return &row;
  }
  return nullptr;
}

HRESULT Get(IMoyoscope& target, const TDispatchRow& row, const DISPPARAMS& params,
            VARIANT* result) {
  if (row.get == nullptr) return DISP_E_MEMBERNOTFOUND;
  if (params.cArgs != 0) return DISP_E_BADPARAMCOUNT;
  VARIANT scratch;
  VARIANT& value = result != nullptr ? *result : scratch;
  value = VARIANT();
  const HRESULT code = row.get(target, value);
  // Without a result to take it, an interface handed out is nobody's.
  if (result == nullptr && value.vt == VT_DISPATCH) ComPtr<IDispatch>::Adopt(value.pdispVal);
  return code;
}

HRESULT Put(IMoyoscope& target, const TDispatchRow& row, bool byReference,
            const DISPPARAMS& params) {
  const Putter put = byReference ? row.putRef : row.put;
  if (put == nullptr) return DISP_E_MEMBERNOTFOUND;
  if (params.cArgs != 1) return DISP_E_BADPARAMCOUNT;
  // The value may be named only as the property's value.
  if (params.cNamedArgs > 1 ||
      (params.cNamedArgs == 1 && (params.rgdispidNamedArgs == nullptr ||
                                  params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT))) {
    return DISP_E_PARAMNOTFOUND;
  }
  return put(target, params.rgvarg[0]);
}

HRESULT Call(IMoyoscope& target, const TDispatchRow& row, const DISPPARAMS& params,
             VARIANT* result) {
  const MemberDescription* member = FindMember(kMoyoscopeMembers, row.dispid);
  TArguments arguments;
  const HRESULT code =
      ArgumentsInOrder(params, member != nullptr ? member->ParameterCount() : 0, arguments);
  if (Failed(code)) return code;
  return row.call(target, arguments, result);
}

}  // namespace

HRESULT InvokeMoyoscope(IMoyoscope& target, DISPID dispid, std::uint16_t flags,
                        const DISPPARAMS* params, VARIANT* result) {
  static const DISPPARAMS kNoArguments;
  const DISPPARAMS& arguments = params != nullptr ? *params : kNoArguments;
  if (arguments.cArgs > 0 && arguments.rgvarg == nullptr) return E_INVALIDARG;
  const TDispatchRow* row = FindRow(dispid);
  if (row == nullptr) return DISP_E_MEMBERNOTFOUND;
  if (row->call != nullptr) {
    if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
    return Call(target, *row, arguments, result);
  }
  if (flags & DISPATCH_PROPERTYGET) return Get(target, *row, arguments, result);
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    return Put(target, *row, (flags & DISPATCH_PROPERTYPUTREF) != 0, arguments);
  }
  return DISP_E_MEMBERNOTFOUND;
}

}  // namespace moyo::com
