#pragma once
// What a host sees of the viewer: the dual automation interface IMoyoscope,
// the events interface IMoyoscopeEvents, the class Moyoscope, the module's
// entry points and the type description (members, DISPIDs, hidden flags).
// A host includes this header only, loads libmoyoscope.so and asks its class
// factory for the control.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "control/ComTypes.h"

namespace moyo::com {

// ---- Identities, fixed for ever ----

inline constexpr GUID LIBID_MoyoscopeProj{
    0x427ACA82, 0xF307, 0x4250, {0x82, 0xC7, 0x19, 0x52, 0x35, 0xBC, 0x73, 0x2D}};
inline constexpr GUID IID_IMoyoscope{
    0x9F0302E2, 0xBF31, 0x43C4, {0x94, 0x39, 0x8E, 0xDD, 0x22, 0x6F, 0x99, 0xE2}};
inline constexpr GUID DIID_IMoyoscopeEvents{
    0x7814991F, 0xB4D6, 0x4CD1, {0xBD, 0x2F, 0x29, 0x91, 0x27, 0xBC, 0xE3, 0x2E}};
inline constexpr GUID CLSID_Moyoscope{
    0x66E8432D, 0x6856, 0x4A58, {0x80, 0x40, 0x95, 0xBA, 0x9F, 0x92, 0x28, 0x34}};

// The programmatic identifier: the library's name, a full stop and the class name.
inline constexpr std::string_view kMoyoscopeProgId = "MoyoscopeProj.Moyoscope";

// ---- Enumerations of the type library ----

enum TxActiveFormBorderStyle : std::int32_t {
  afbNone = 0,
  afbSingle = 1,
  afbSunken = 2,
  afbRaised = 3
};
enum TxPrintScale : std::int32_t { poNone = 0, poProportional = 1, poPrintToFit = 2 };
enum TxMouseButton : std::int32_t { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

// ---- IMoyoscope ----

// The automation interface, members in vtable order. Every member but goQNA
// returns an HRESULT and hands a property's value out through its last argument.
// Texts are UTF-16; the viewer keeps them in code page 949.
class IMoyoscope : public IDispatch {
 public:
  virtual HRESULT get_Visible(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_Visible(VARIANT_BOOL value) = 0;
  virtual HRESULT get_AutoScroll(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_AutoScroll(VARIANT_BOOL value) = 0;
  virtual HRESULT get_AutoSize(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_AutoSize(VARIANT_BOOL value) = 0;
  virtual HRESULT get_AxBorderStyle(TxActiveFormBorderStyle* value) = 0;
  virtual HRESULT put_AxBorderStyle(TxActiveFormBorderStyle value) = 0;
  virtual HRESULT get_Caption(std::u16string* value) = 0;
  virtual HRESULT put_Caption(const std::u16string& value) = 0;
  virtual HRESULT get_Color(OLE_COLOR* value) = 0;
  virtual HRESULT put_Color(OLE_COLOR value) = 0;
  // The font travels as an OLE font object (IFontDisp: Name, Size, Bold, ...).
  virtual HRESULT get_Font(IDispatch** value) = 0;
  virtual HRESULT put_Font(IDispatch* value) = 0;
  virtual HRESULT putref_Font(IDispatch* value) = 0;
  virtual HRESULT get_KeyPreview(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_KeyPreview(VARIANT_BOOL value) = 0;
  virtual HRESULT get_PixelsPerInch(std::int32_t* value) = 0;
  virtual HRESULT put_PixelsPerInch(std::int32_t value) = 0;
  virtual HRESULT get_PrintScale(TxPrintScale* value) = 0;
  virtual HRESULT put_PrintScale(TxPrintScale value) = 0;
  virtual HRESULT get_Scaled(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_Scaled(VARIANT_BOOL value) = 0;
  virtual HRESULT get_Active(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_DropTarget(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_DropTarget(VARIANT_BOOL value) = 0;
  virtual HRESULT get_HelpFile(std::u16string* value) = 0;
  virtual HRESULT put_HelpFile(const std::u16string& value) = 0;
  virtual HRESULT get_DoubleBuffered(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_DoubleBuffered(VARIANT_BOOL value) = 0;
  virtual HRESULT get_VisibleDockClientCount(std::int32_t* value) = 0;
  virtual HRESULT get_Enabled(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_Enabled(VARIANT_BOOL value) = 0;
  virtual HRESULT get_Cursor(std::int16_t* value) = 0;
  virtual HRESULT put_Cursor(std::int16_t value) = 0;
  // Loads and shows a record: a number (level "10"), a full address or a file
  // name on the web server. Fails when the record cannot be fetched or read.
  virtual HRESULT getFile(const VARIANT& fileName, const VARIANT& level) = 0;
  // Writes the question-and-answer file; the text "yes" when it exists afterwards, else "no".
  virtual VARIANT goQNA() = 0;
  // Always empty.
  virtual HRESULT get_News(VARIANT* value) = 0;
  // Opens the news panel on the address; an empty text changes nothing.
  virtual HRESULT put_News(const VARIANT& value) = 0;

 protected:
  ~IMoyoscope() = default;
};

// ---- Type description ----

// The DISPIDs of IMoyoscope's members.
enum MoyoscopeDispid : DISPID {
  kDispVisible = 1,
  kDispAutoScroll = 2,
  kDispAutoSize = 3,
  kDispAxBorderStyle = 4,
  kDispCaption = -518,
  kDispColor = -501,
  kDispFont = -512,
  kDispKeyPreview = 5,
  kDispPixelsPerInch = 6,
  kDispPrintScale = 7,
  kDispScaled = 8,
  kDispActive = 9,
  kDispDropTarget = 10,
  kDispHelpFile = 11,
  kDispDoubleBuffered = 12,
  kDispVisibleDockClientCount = 13,
  kDispEnabled = -514,
  kDispCursor = 14,
  kDispGoQna = 15,
  kDispGetFile = 16,
  kDispNews = 17,
};

// How a member is reached through Invoke.
enum MemberKind : unsigned { kGet = 1, kPut = 2, kPutRef = 4, kMethod = 8 };

// The most parameters a member has.
inline constexpr std::size_t kMaxParameters = 2;

struct MemberDescription {
  DISPID dispid;
  std::string_view name;
  unsigned kinds;  // MemberKind bits
  bool hidden;     // hidden from object browsers
  VARTYPE type;    // the property's type, VT_EMPTY for methods without a result
  // A method's parameter names in order; as named arguments their DISPIDs are
  // their positions (0 the first).
  std::array<std::string_view, kMaxParameters> parameters{};

  std::size_t ParameterCount() const {
    std::size_t count = 0;
    while (count < parameters.size() && !parameters[count].empty()) ++count;
    return count;
  }
};

// IMoyoscope's members in vtable order (getFile and goQNA stand before News
// although their DISPIDs are 16 and 15).
inline constexpr std::array<MemberDescription, 21> kMoyoscopeMembers{{
    {kDispVisible, "Visible", kGet | kPut, true, VT_BOOL},
    {kDispAutoScroll, "AutoScroll", kGet | kPut, false, VT_BOOL},
    {kDispAutoSize, "AutoSize", kGet | kPut, false, VT_BOOL},
    {kDispAxBorderStyle, "AxBorderStyle", kGet | kPut, false, VT_I4},
    {kDispCaption, "Caption", kGet | kPut, false, VT_BSTR},
    {kDispColor, "Color", kGet | kPut, false, VT_UI4},
    {kDispFont, "Font", kGet | kPut | kPutRef, false, VT_DISPATCH},
    {kDispKeyPreview, "KeyPreview", kGet | kPut, false, VT_BOOL},
    {kDispPixelsPerInch, "PixelsPerInch", kGet | kPut, false, VT_I4},
    {kDispPrintScale, "PrintScale", kGet | kPut, false, VT_I4},
    {kDispScaled, "Scaled", kGet | kPut, false, VT_BOOL},
    {kDispActive, "Active", kGet, true, VT_BOOL},
    {kDispDropTarget, "DropTarget", kGet | kPut, true, VT_BOOL},
    {kDispHelpFile, "HelpFile", kGet | kPut, true, VT_BSTR},
    {kDispDoubleBuffered, "DoubleBuffered", kGet | kPut, true, VT_BOOL},
    {kDispVisibleDockClientCount, "VisibleDockClientCount", kGet, true, VT_I4},
    {kDispEnabled, "Enabled", kGet | kPut, true, VT_BOOL},
    {kDispCursor, "Cursor", kGet | kPut, false, VT_I2},
    {kDispGetFile, "getFile", kMethod, false, VT_EMPTY, {"fileName", "level"}},
    {kDispGoQna, "goQNA", kMethod, false, VT_VARIANT},
    {kDispNews, "News", kGet | kPut, false, VT_VARIANT},
}};

// The DISPIDs of IMoyoscopeEvents.
enum MoyoscopeEvent : DISPID {
  kOnActivate = 1,
  kOnClick = 2,
  kOnCreate = 3,
  kOnDblClick = 5,
  kOnDestroy = 6,
  kOnDeactivate = 7,
  kOnKeyPress = 11,
  kOnPaint = 16,
};

// IMoyoscopeEvents, a pure dispatch interface: the control calls the sink's
// Invoke with these DISPIDs and DISPATCH_METHOD. OnKeyPress passes its Key as
// a 16-bit signed value by reference (VT_I2 | VT_BYREF) and reads it back.
inline constexpr std::array<MemberDescription, 8> kMoyoscopeEventMembers{{
    {kOnActivate, "OnActivate", kMethod, false, VT_EMPTY},
    {kOnClick, "OnClick", kMethod, false, VT_EMPTY},
    {kOnCreate, "OnCreate", kMethod, false, VT_EMPTY},
    {kOnDblClick, "OnDblClick", kMethod, false, VT_EMPTY},
    {kOnDestroy, "OnDestroy", kMethod, false, VT_EMPTY},
    {kOnDeactivate, "OnDeactivate", kMethod, false, VT_EMPTY},
    {kOnKeyPress, "OnKeyPress", kMethod, false, VT_EMPTY},
    {kOnPaint, "OnPaint", kMethod, false, VT_EMPTY},
}};

// The DISPIDs of an OLE font object's properties.
enum FontDispid : DISPID {
  kFontName = 0,
  kFontSize = 2,  // currency (VT_CY), in points
  kFontBold = 3,
  kFontItalic = 4,
  kFontUnderline = 5,
  kFontStrikethrough = 6,
  kFontWeight = 7,
  kFontCharset = 8,
};

// The type library's own data.
struct TypeLibraryDescription {
  std::string_view name = "MoyoscopeProj";
  std::string_view description = "MoyoscopeProj Library";
  std::uint16_t majorVersion = 1;
  std::uint16_t minorVersion = 0;
  std::uint32_t locale = 0x409;
  std::string_view interfaceDescription = "Dispatch interface for Moyoscope Control";
  std::string_view eventsDescription = "Events interface for Moyoscope Control";
  std::string_view classDescription = "Moyoscope Control";
  std::uint32_t miscStatus = 0x12000;  // simple frame, acts like a label
  std::string_view threadingModel = "Apartment";
};
inline constexpr TypeLibraryDescription kMoyoscopeTypeLibrary{};

// ---- The module ----

// The module's version record.
struct DLLVERSIONINFO {
  std::uint32_t cbSize = sizeof(DLLVERSIONINFO);
  std::uint32_t dwMajorVersion = 0;
  std::uint32_t dwMinorVersion = 0;
  std::uint32_t dwBuildNumber = 0;
  std::uint32_t dwPlatformID = 0;
};

// The entry points libmoyoscope.so exports with C linkage, for dlsym.
using DllRegisterServerFn = HRESULT (*)();
using DllUnregisterServerFn = HRESULT (*)();
using DllGetClassObjectFn = HRESULT (*)(const GUID* clsid, const GUID* iid, void** object);
using DllCanUnloadNowFn = HRESULT (*)();
using DllGetVersionFn = HRESULT (*)(DLLVERSIONINFO* info);

}  // namespace moyo::com
