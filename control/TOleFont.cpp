#include "control/TOleFont.h"

#include <array>
#include <string_view>

#include "control/DispatchNames.h"

namespace moyo::com {
namespace {

constexpr std::array<MemberDescription, 8> kFontMembers{{
    {kFontName, "Name", kGet | kPut, false, VT_BSTR},
    {kFontSize, "Size", kGet | kPut, false, VT_CY},
    {kFontBold, "Bold", kGet | kPut, false, VT_BOOL},
    {kFontItalic, "Italic", kGet | kPut, false, VT_BOOL},
    {kFontUnderline, "Underline", kGet | kPut, false, VT_BOOL},
    {kFontStrikethrough, "Strikethrough", kGet | kPut, false, VT_BOOL},
    {kFontWeight, "Weight", kGet | kPut, false, VT_I2},
    {kFontCharset, "Charset", kGet | kPut, false, VT_I2},
}};

HRESULT GetProperty(IDispatch& font, DISPID dispid, VARIANT& value) {
  DISPPARAMS none;
  return font.Invoke(dispid, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr);
}

HRESULT GetBool(IDispatch& font, DISPID dispid, bool& flag) {
  VARIANT value;
  const HRESULT code = GetProperty(font, dispid, value);
  if (Failed(code)) return code;
  if (value.vt != VT_BOOL) return DISP_E_TYPEMISMATCH;
  flag = value.boolVal != VARIANT_FALSE;
  return S_OK;
}

HRESULT GetShort(IDispatch& font, DISPID dispid, std::int16_t& number) {
  VARIANT value;
  const HRESULT code = GetProperty(font, dispid, value);
  if (Failed(code)) return code;
  if (value.vt == VT_I2) {
    number = value.iVal;
  } else if (value.vt == VT_I4) {
    number = static_cast<std::int16_t>(value.lVal);
  } else {
    return DISP_E_TYPEMISMATCH;
  }
  return S_OK;
}

}  // namespace

HRESULT ReadFontValues(IDispatch& font, TFontValues& values) {
  TFontValues read;
  VARIANT name;
  HRESULT code = GetProperty(font, kFontName, name);
  if (Failed(code)) return code;
  if (name.vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
  read.name = name.bstrVal;

  VARIANT size;
  code = GetProperty(font, kFontSize, size);
  if (Failed(code)) return code;
  if (size.vt == VT_CY) {
    read.size = size.cyVal;
  } else if (size.vt == VT_I4 || size.vt == VT_I2) {
    read.size = static_cast<std::int64_t>(size.vt == VT_I4 ? size.lVal : size.iVal) * 10000;
  } else {
    return DISP_E_TYPEMISMATCH;
  }

  for (auto [dispid, flag] :
       {std::pair{kFontBold, &read.bold}, std::pair{kFontItalic, &read.italic},
        std::pair{kFontUnderline, &read.underline},
        std::pair{kFontStrikethrough, &read.strikethrough}}) {
    code = GetBool(font, dispid, *flag);
    if (Failed(code)) return code;
  }
  code = GetShort(font, kFontWeight, read.weight);
  if (Failed(code)) return code;
  code = GetShort(font, kFontCharset, read.charset);
  if (Failed(code)) return code;
  values = std::move(read);
  return S_OK;
}

TOleFont* TOleFont::Create(TFontValues values) {
  return new TOleFont(std::move(values));
}

HRESULT TOleFont::QueryInterface(const GUID& iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IFontDisp) {
    AddRef();
    *object = static_cast<IDispatch*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

std::uint32_t TOleFont::AddRef() {
  return ++references_;
}

std::uint32_t TOleFont::Release() {
  const std::uint32_t left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT TOleFont::GetTypeInfoCount(std::uint32_t* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT TOleFont::GetTypeInfo(std::uint32_t, std::uint32_t, ITypeInfo**) {
  return E_NOTIMPL;
}

HRESULT TOleFont::GetIDsOfNames(const GUID&, const char16_t* const* names, std::uint32_t count,
                                std::uint32_t, DISPID* ids) {
  return LookUpNames(kFontMembers, names, count, ids);
}

HRESULT TOleFont::Invoke(DISPID dispid, const GUID&, std::uint32_t, std::uint16_t flags,
                         DISPPARAMS* params, VARIANT* result, void*, std::uint32_t*) {
  if (flags & DISPATCH_PROPERTYGET) {
    if (result == nullptr) return E_POINTER;
    switch (dispid) {
      case kFontName:
        *result = MakeBstr(values_.name);
        return S_OK;
      case kFontSize:
        *result = VARIANT();
        result->vt = VT_CY;
        result->cyVal = values_.size;
        return S_OK;
      case kFontBold:
        *result = MakeBool(values_.bold);
        return S_OK;
      case kFontItalic:
        *result = MakeBool(values_.italic);
        return S_OK;
      case kFontUnderline:
        *result = MakeBool(values_.underline);
        return S_OK;
      case kFontStrikethrough:
        *result = MakeBool(values_.strikethrough);
        return S_OK;
      case kFontWeight:
        *result = MakeI2(values_.weight);
        return S_OK;
      case kFontCharset:
        *result = MakeI2(values_.charset);
        return S_OK;
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
  }
  if (flags & DISPATCH_PROPERTYPUT) {
    if (params == nullptr || params->cArgs != 1 || params->rgvarg == nullptr) {
      return DISP_E_BADPARAMCOUNT;
    }
    const VARIANT& value = params->rgvarg[0];
    std::int32_t number = 0;
    switch (dispid) {
      case kFontName:
        if (value.vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
        values_.name = value.bstrVal;
        return S_OK;
      case kFontSize:
        if (value.vt == VT_CY) {
          values_.size = value.cyVal;
          return S_OK;
        }
        if (Failed(VariantToInt(value, number))) return DISP_E_TYPEMISMATCH;
        values_.size = static_cast<std::int64_t>(number) * 10000;
        return S_OK;
      default:
        break;
    }
    if (Failed(VariantToInt(value, number))) return DISP_E_TYPEMISMATCH;
    switch (dispid) {
      case kFontBold:
        values_.bold = number != 0;
        return S_OK;
      case kFontItalic:
        values_.italic = number != 0;
        return S_OK;
      case kFontUnderline:
        values_.underline = number != 0;
        return S_OK;
      case kFontStrikethrough:
        values_.strikethrough = number != 0;
        return S_OK;
      case kFontWeight:
        values_.weight = static_cast<std::int16_t>(number);
        return S_OK;
      case kFontCharset:
        values_.charset = static_cast<std::int16_t>(number);
        return S_OK;
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
  }
  return DISP_E_MEMBERNOTFOUND;
}

}  // namespace moyo::com
