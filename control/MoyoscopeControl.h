#pragma once
// The class Moyoscope: the viewer form behind the automation interface, the
// events connection point and the in-place window.

#include <QPointer>
#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "control/ComPtr.h"
#include "control/IMoyoscope.h"
#include "control/TOleFont.h"
#include "platform/HttpClient.h"

namespace moyo {

class TMoyoscope;

namespace com {

class TFormEventFilter;

// Objects of the module that are alive, and locks the hosts hold; the module
// may be unloaded when both are zero.
std::atomic<long>& ModuleObjectCount();
std::atomic<long>& ModuleLockCount();

class TMoyoscopeControl final : public IMoyoscope,
                                public IConnectionPoint,
                                public IOleWindow,
                                public IErrorInfo {
 public:
  // Creates a control and hands out its interface iid. Needs a running QApplication.
  static HRESULT Create(const GUID& iid, void** object);

  // IUnknown
  HRESULT QueryInterface(const GUID& iid, void** object) override;
  std::uint32_t AddRef() override;
  std::uint32_t Release() override;

  // IDispatch
  HRESULT GetTypeInfoCount(std::uint32_t* count) override;
  HRESULT GetTypeInfo(std::uint32_t index, std::uint32_t locale, ITypeInfo** info) override;
  HRESULT GetIDsOfNames(const GUID& iid, const char16_t* const* names, std::uint32_t count,
                        std::uint32_t locale, DISPID* ids) override;
  HRESULT Invoke(DISPID dispid, const GUID& iid, std::uint32_t locale, std::uint16_t flags,
                 DISPPARAMS* params, VARIANT* result, void* excepInfo,
                 std::uint32_t* argError) override;

  // IMoyoscope
  HRESULT get_Visible(VARIANT_BOOL* value) override;
  HRESULT put_Visible(VARIANT_BOOL value) override;
  HRESULT get_AutoScroll(VARIANT_BOOL* value) override;
  HRESULT put_AutoScroll(VARIANT_BOOL value) override;
  HRESULT get_AutoSize(VARIANT_BOOL* value) override;
  HRESULT put_AutoSize(VARIANT_BOOL value) override;
  HRESULT get_AxBorderStyle(TxActiveFormBorderStyle* value) override;
  HRESULT put_AxBorderStyle(TxActiveFormBorderStyle value) override;
  HRESULT get_Caption(std::u16string* value) override;
  HRESULT put_Caption(const std::u16string& value) override;
  HRESULT get_Color(OLE_COLOR* value) override;
  HRESULT put_Color(OLE_COLOR value) override;
  HRESULT get_Font(IDispatch** value) override;
  HRESULT put_Font(IDispatch* value) override;
  HRESULT putref_Font(IDispatch* value) override;
  HRESULT get_KeyPreview(VARIANT_BOOL* value) override;
  HRESULT put_KeyPreview(VARIANT_BOOL value) override;
  HRESULT get_PixelsPerInch(std::int32_t* value) override;
  HRESULT put_PixelsPerInch(std::int32_t value) override;
  HRESULT get_PrintScale(TxPrintScale* value) override;
  HRESULT put_PrintScale(TxPrintScale value) override;
  HRESULT get_Scaled(VARIANT_BOOL* value) override;
  HRESULT put_Scaled(VARIANT_BOOL value) override;
  HRESULT get_Active(VARIANT_BOOL* value) override;
  HRESULT get_DropTarget(VARIANT_BOOL* value) override;
  HRESULT put_DropTarget(VARIANT_BOOL value) override;
  HRESULT get_HelpFile(std::u16string* value) override;
  HRESULT put_HelpFile(const std::u16string& value) override;
  HRESULT get_DoubleBuffered(VARIANT_BOOL* value) override;
  HRESULT put_DoubleBuffered(VARIANT_BOOL value) override;
  HRESULT get_VisibleDockClientCount(std::int32_t* value) override;
  HRESULT get_Enabled(VARIANT_BOOL* value) override;
  HRESULT put_Enabled(VARIANT_BOOL value) override;
  HRESULT get_Cursor(std::int16_t* value) override;
  HRESULT put_Cursor(std::int16_t value) override;
  HRESULT getFile(const VARIANT& fileName, const VARIANT& level) override;
  VARIANT goQNA() override;
  HRESULT get_News(VARIANT* value) override;
  HRESULT put_News(const VARIANT& value) override;

  // IConnectionPoint: the one IMoyoscopeEvents sink.
  HRESULT GetConnectionInterface(GUID* iid) override;
  HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) override;
  HRESULT Unadvise(std::uint32_t cookie) override;

  // IOleWindow: the form as a QWidget*.
  HRESULT GetWindow(void** window) override;

  // IErrorInfo: why the last failing member failed.
  HRESULT GetDescription(std::u16string* description) override;

 private:
  TMoyoscopeControl();
  ~TMoyoscopeControl();

  // Runs a member's body with the form present, turning every error into a code.
  template <class Body>
  HRESULT Guarded(Body&& body);

  // Event firing: invokes the sink's member, if a sink is connected.
  void Fire(DISPID event);
  // Fires OnKeyPress; the key the sink leaves replaces key.
  void FireKeyPress(std::int16_t& key);
  void FireDestroyOnce();

  std::atomic<std::uint32_t> references_{1};
  QPointer<TMoyoscope> form_;
  std::unique_ptr<TFormEventFilter> events_;
  std::unique_ptr<platform::HttpClient> http_;
  ComPtr<IDispatch> sink_;
  std::uint32_t sinkCookie_ = 0;
  std::uint32_t nextCookie_ = 1;
  bool destroyFired_ = false;
  std::string lastError_;

  // Form properties that only the automation surface keeps.
  bool autoScroll_ = false;
  bool autoSize_ = false;
  bool keyPreview_ = false;
  bool scaled_ = false;
  bool dropTarget_ = false;
  bool doubleBuffered_ = false;
  TxActiveFormBorderStyle borderStyle_ = afbNone;
  std::int32_t pixelsPerInch_ = 96;
  TxPrintScale printScale_ = poProportional;
  std::string helpFile_;
  std::int16_t cursor_ = 0;
  std::optional<OLE_COLOR> color_;
  TFontValues font_;  // the font a host reads back: the form's own until a host sets one

  friend class TFormEventFilter;
};

}  // namespace com
}  // namespace moyo
