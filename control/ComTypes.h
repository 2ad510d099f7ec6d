#pragma once
// The small part of OLE automation that the viewer's host surface is made of:
// result codes, GUIDs, variants, IUnknown, IDispatch and the class factory.
// Plain C++ with no system headers, so any host can include it.

#include <cstdint>
#include <string>

namespace moyo::com {

// An OLE result code: negative values are failures.
using HRESULT = std::int32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005);
inline constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFF);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = static_cast<HRESULT>(0x80020003);
inline constexpr HRESULT DISP_E_PARAMNOTFOUND = static_cast<HRESULT>(0x80020004);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005);
inline constexpr HRESULT DISP_E_UNKNOWNNAME = static_cast<HRESULT>(0x80020006);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = static_cast<HRESULT>(0x8002000E);
inline constexpr HRESULT CONNECT_E_NOCONNECTION = static_cast<HRESULT>(0x80040200);
inline constexpr HRESULT CONNECT_E_ADVISELIMIT = static_cast<HRESULT>(0x80040201);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111);
inline constexpr HRESULT SELFREG_E_CLASS = static_cast<HRESULT>(0x80040201);

constexpr bool Succeeded(HRESULT code) {
  return code >= 0;
}
constexpr bool Failed(HRESULT code) {
  return code < 0;
}

// A globally unique identifier, laid out as Windows lays it out.
struct GUID {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::uint8_t data4[8] = {};
  friend bool operator==(const GUID&, const GUID&) = default;
};

inline constexpr GUID IID_NULL{};
inline constexpr GUID IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr GUID IID_IDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr GUID IID_IClassFactory{0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr GUID IID_IConnectionPoint{
    0xB196B286, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
inline constexpr GUID IID_IOleWindow{0x00000114, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr GUID IID_IErrorInfo{
    0x1CF2B120, 0x547D, 0x101B, {0x8E, 0x65, 0x08, 0x00, 0x2B, 0x2B, 0xD1, 0x19}};
inline constexpr GUID IID_IFontDisp{
    0xBEF6E003, 0xA874, 0x101A, {0x8B, 0xBA, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in capitals, as the registry writes it.
std::string GuidToString(const GUID& guid);
// Reads the form GuidToString writes (case-insensitive); false when text is not one.
bool GuidFromString(const std::string& text, GUID& guid);

// A 16-bit OLE boolean.
using VARIANT_BOOL = std::int16_t;
inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

constexpr VARIANT_BOOL ToVariantBool(bool value) {
  return value ? VARIANT_TRUE : VARIANT_FALSE;
}

// An OLE colour: 0x00BBGGRR, or a system colour with the top bit set.
using OLE_COLOR = std::uint32_t;

// An identifier of a dispatch member.
using DISPID = std::int32_t;
inline constexpr DISPID DISPID_UNKNOWN = -1;
inline constexpr DISPID DISPID_PROPERTYPUT = -3;

// Variant types the surface uses.
enum VARTYPE : std::uint16_t {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_CY = 6,
  VT_BSTR = 8,
  VT_DISPATCH = 9,
  VT_BOOL = 11,
  VT_VARIANT = 12,
  VT_UNKNOWN = 13,
  VT_UI4 = 19,
  VT_BYREF = 0x4000,
};

class IDispatch;

// An OLE variant. Texts are UTF-16, as a BSTR is. The variant does not own an
// interface pointer or a by-reference target it carries.
struct VARIANT {
  std::uint16_t vt = VT_EMPTY;
  union {
    std::int16_t iVal;
    std::int32_t lVal;
    std::uint32_t ulVal;
    std::int64_t cyVal;  // currency: value times 10000
    VARIANT_BOOL boolVal;
    IDispatch* pdispVal;
    std::int16_t* piVal;  // VT_I2 | VT_BYREF
    VARIANT* pvarVal;     // VT_VARIANT | VT_BYREF
  };
  std::u16string bstrVal;

  VARIANT() : cyVal(0) {}
};

// Variant makers.
VARIANT MakeEmpty();
VARIANT MakeBool(bool value);
VARIANT MakeI2(std::int16_t value);
VARIANT MakeI4(std::int32_t value);
VARIANT MakeUI4(std::uint32_t value);
VARIANT MakeBstr(std::u16string text);
VARIANT MakeDispatch(IDispatch* value);
VARIANT MakeI2Ref(std::int16_t* target);

// The arguments of one Invoke, last argument first as OLE passes them.
struct DISPPARAMS {
  VARIANT* rgvarg = nullptr;
  DISPID* rgdispidNamedArgs = nullptr;
  std::uint32_t cArgs = 0;
  std::uint32_t cNamedArgs = 0;
};

// What Invoke is asked to do.
enum InvokeFlags : std::uint16_t {
  DISPATCH_METHOD = 1,
  DISPATCH_PROPERTYGET = 2,
  DISPATCH_PROPERTYPUT = 4,
  DISPATCH_PROPERTYPUTREF = 8,
};

class IUnknown {
 public:
  // Hands out the interface iid (with a reference added) or E_NOINTERFACE.
  virtual HRESULT QueryInterface(const GUID& iid, void** object) = 0;
  virtual std::uint32_t AddRef() = 0;
  // Drops a reference; the object deletes itself with the last one.
  virtual std::uint32_t Release() = 0;

 protected:
  ~IUnknown() = default;
};

// Type information objects are not handed out; the surface's type description
// is the data in control/IMoyoscope.h.
class ITypeInfo;

class IDispatch : public IUnknown {
 public:
  virtual HRESULT GetTypeInfoCount(std::uint32_t* count) = 0;
  virtual HRESULT GetTypeInfo(std::uint32_t index, std::uint32_t locale, ITypeInfo** info) = 0;
  // The DISPIDs of names[0] (a member) and of names[1..] (its parameters).
  virtual HRESULT GetIDsOfNames(const GUID& iid, const char16_t* const* names, std::uint32_t count,
                                std::uint32_t locale, DISPID* ids) = 0;
  // Calls member dispid; excepInfo and argError may be null and are not filled.
  virtual HRESULT Invoke(DISPID dispid, const GUID& iid, std::uint32_t locale, std::uint16_t flags,
                         DISPPARAMS* params, VARIANT* result, void* excepInfo,
                         std::uint32_t* argError) = 0;

 protected:
  ~IDispatch() = default;
};

class IClassFactory : public IUnknown {
 public:
  // Creates an object and hands out its interface iid; outer must be null.
  virtual HRESULT CreateInstance(IUnknown* outer, const GUID& iid, void** object) = 0;
  // Keeps the module loaded while lock is true.
  virtual HRESULT LockServer(bool lock) = 0;

 protected:
  ~IClassFactory() = default;
};

// The control's one outgoing interface: the host advises a sink and unadvises it.
class IConnectionPoint : public IUnknown {
 public:
  // The outgoing interface's identifier.
  virtual HRESULT GetConnectionInterface(GUID* iid) = 0;
  // Connects sink (which must answer the outgoing interface); cookie identifies it.
  virtual HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) = 0;
  virtual HRESULT Unadvise(std::uint32_t cookie) = 0;

 protected:
  ~IConnectionPoint() = default;
};

// The window of an in-place object. On this platform the window is the
// control's QWidget*, which the host places in a window of its own.
class IOleWindow : public IUnknown {
 public:
  virtual HRESULT GetWindow(void** window) = 0;

 protected:
  ~IOleWindow() = default;
};

// Why the object's last call failed, in words.
class IErrorInfo : public IUnknown {
 public:
  virtual HRESULT GetDescription(std::u16string* description) = 0;

 protected:
  ~IErrorInfo() = default;
};

}  // namespace moyo::com
