#include "control/MoyoscopeControl.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <new>
#include <utility>

#include "control/DispatchNames.h"
#include "control/MoyoscopeDispatch.h"
#include "control/RecordLoader.h"
#include "control/TMoyoscope.h"
#include "control/TOleFont.h"
#include "control/VariantText.h"
#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "platform/Text.h"
#include "platform/Timer.h"
#include "platform/curl/CurlHttpClient.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtText.h"
#include "print/qt/ViewerPrinting.h"

namespace moyo::com {

std::atomic<long>& ModuleObjectCount() {
  static std::atomic<long> count{0};
  return count;
}

std::atomic<long>& ModuleLockCount() {
  static std::atomic<long> count{0};
  return count;
}

// Turns the form's Qt events into the control's events.
class TFormEventFilter final : public QObject {
 public:
  explicit TFormEventFilter(TMoyoscopeControl& control) : control_(control) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    QWidget* form = control_.form_.data();
    if (form == nullptr || replaying_) return false;
    if (event->type() == QEvent::KeyPress) return FilterKey(form, watched, event);
    if (watched != form) return false;
    switch (event->type()) {
      case QEvent::WindowActivate:
        control_.Fire(kOnActivate);
        break;
      case QEvent::WindowDeactivate:
        control_.Fire(kOnDeactivate);
        break;
      case QEvent::Paint:
        control_.Fire(kOnPaint);
        break;
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick: {
        // Only a press on the form itself, not on one of its controls.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) break;
        if (form->childAt(mouse->position().toPoint()) != nullptr) break;
        control_.Fire(event->type() == QEvent::MouseButtonDblClick ? kOnDblClick : kOnClick);
        break;
      }
      default:
        break;
    }
    return false;
  }

 private:
  // A character key for the form, or for any of its controls when the form
  // previews keys, goes to the sink first; the sink may change or drop it.
  bool FilterKey(QWidget* form, QObject* watched, QEvent* event) {
    auto* target = qobject_cast<QWidget*>(watched);
    if (target == nullptr || !target->isWidgetType()) return false;
    if (target != form && !(control_.keyPreview_ && form->isAncestorOf(target))) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().isEmpty()) return false;
    const std::int16_t original = static_cast<std::int16_t>(key->text().at(0).unicode());
    std::int16_t changed = original;
    control_.FireKeyPress(changed);
    if (changed == original) return false;
    if (changed != 0) {
      // Deliver the sink's key in place of the one typed.
      QKeyEvent replacement(QEvent::KeyPress, Qt::Key_unknown, key->modifiers(),
                            QString(QChar(static_cast<char16_t>(changed))));
      replaying_ = true;
      QApplication::sendEvent(target, &replacement);
      replaying_ = false;
    }
    return true;
  }

  TMoyoscopeControl& control_;
  bool replaying_ = false;
};

namespace {

// What getFile needs of the form.
class TFormLoadTarget final : public TRecordLoadTarget {
 public:
  explicit TFormLoadTarget(TMoyoscope& form) : form_(form) {}
  void SetLevel(const std::string& level) override { form_.SetLevel(level); }
  void HideGuessingControls() override { form_.HideGuessingControls(); }
  TGameRecord& Record() override { return form_.Record(); }
  void ApplyRecord() override { form_.ApplyRecord(); }
  void ShowNotice(const std::string& text) override { form_.showNotice(text); }

 private:
  TMoyoscope& form_;
};

// Time-outs of the record download; the environment may shorten them (tests).
platform::HttpLimits DownloadLimits() {
  platform::HttpLimits limits;
  auto fromEnvironment = [](const char* name, std::chrono::milliseconds& value) {
    const char* text = std::getenv(name);
    if (text == nullptr) return;
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (end != text && *end == '\0' && number > 0) value = std::chrono::milliseconds(number);
  };
  fromEnvironment("MOYOSCOPE_CONNECT_TIMEOUT_MS", limits.connectTimeout);
  fromEnvironment("MOYOSCOPE_TIMEOUT_MS", limits.totalTimeout);
  return limits;
}

OLE_COLOR ToOleColor(const QColor& colour) {
  return static_cast<OLE_COLOR>(colour.red()) | static_cast<OLE_COLOR>(colour.green()) << 8 |
         static_cast<OLE_COLOR>(colour.blue()) << 16;
}

// A system colour (top byte 0x80) is shown as the window colour of the style.
QColor FromOleColor(OLE_COLOR colour) {
  if (colour & 0x80000000u) return QApplication::palette().color(QPalette::Window);
  return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

// The form's cursor numbers (0 the default, negative the stock cursors).
Qt::CursorShape CursorShape(std::int16_t cursor) {
  switch (cursor) {
    case -1:
      return Qt::BlankCursor;
    case -3:
      return Qt::CrossCursor;
    case -4:
      return Qt::IBeamCursor;
    case -6:
      return Qt::SizeBDiagCursor;
    case -7:
      return Qt::SizeVerCursor;
    case -8:
      return Qt::SizeFDiagCursor;
    case -9:
      return Qt::SizeHorCursor;
    case -10:
      return Qt::UpArrowCursor;
    case -11:
      return Qt::WaitCursor;
    case -12:
    case -16:
      return Qt::DragMoveCursor;
    case -13:
    case -18:
      return Qt::ForbiddenCursor;
    case -14:
      return Qt::SplitHCursor;
    case -15:
      return Qt::SplitVCursor;
    case -17:
    case -19:
      return Qt::BusyCursor;
    case -20:
      return Qt::WhatsThisCursor;
    case -21:
      return Qt::PointingHandCursor;
    case -22:
      return Qt::SizeAllCursor;
    default:
      return Qt::ArrowCursor;
  }
}

// The font the form is designed with: "굴림체" 12 pixels high at the form's
// design resolution (9 points at 96), Hangul character set.
TFontValues DeclaredFormFont(std::int32_t pixelsPerInch) {
  TFontValues values;
  values.name = u"굴림체";
  values.size = std::int64_t{12} * 72 * 10000 / pixelsPerInch;
  values.charset = 129;  // Hangul
  return values;
}

// The face substituted as everywhere else in the program, and sized in pixels
// at the form's design resolution, as the form's own fonts are.
QFont QtFont(const TFontValues& values, std::int32_t pixelsPerInch) {
  const platform::Charset charset =
      values.charset == 129 ? platform::Charset::Hangul : platform::Charset::Default;
  QFont font(platform::SubstituteFamily(Utf16ToCp949(values.name), charset));
  if (values.size > 0) {
    const double pixels = static_cast<double>(values.size) * pixelsPerInch / (72.0 * 10000);
    font.setPixelSize(std::max(1, static_cast<int>(pixels + 0.5)));
  }
  font.setBold(values.bold || values.weight >= 600);
  font.setItalic(values.italic);
  font.setUnderline(values.underline);
  font.setStrikeOut(values.strikethrough);
  return font;
}

// A host text as the form keeps it: through code page 949, so characters it lacks become '?'.
QString HostTextToQt(const std::u16string& text) {
  return platform::ToQt(Utf16ToCp949(text));
}

template <class T>
HRESULT Assign(T& field, T value) {
  field = std::move(value);
  return S_OK;
}

template <class T>
HRESULT Put(T* out, T value) {
  if (out == nullptr) return E_POINTER;
  *out = std::move(value);
  return S_OK;
}

}  // namespace

// ---- Life ----

HRESULT TMoyoscopeControl::Create(const GUID& iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (QApplication::instance() == nullptr) return E_UNEXPECTED;
  TMoyoscopeControl* control = nullptr;
  try {
    control = new TMoyoscopeControl();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
  // The object's first reference is the factory's; the interface handed out holds its own.
  const ComPtr<TMoyoscopeControl> owner = ComPtr<TMoyoscopeControl>::Adopt(control);
  return owner->QueryInterface(iid, object);
}

TMoyoscopeControl::TMoyoscopeControl()
    : events_(std::make_unique<TFormEventFilter>(*this)),
      http_(std::make_unique<platform::CurlHttpClient>(DownloadLimits())) {
  ++ModuleObjectCount();
  font_ = DeclaredFormFont(pixelsPerInch_);
  ProcessZelStatus();  // the print settings are read once, before any form exists
  form_ = new TMoyoscope();
  // One filter for the whole application: the form's own events, and keys that
  // go to the form's controls, which pass here first when the form previews keys.
  qApp->installEventFilter(events_.get());
  // A host that deletes the window around the form also deletes the form.
  QObject::connect(form_.data(), &QObject::destroyed, events_.get(), [this] { FireDestroyOnce(); });
  // No sink can be connected yet; the event is kept for the order of things.
  Fire(kOnCreate);
}

TMoyoscopeControl::~TMoyoscopeControl() {
  // A host may end its application before it lets the control go.
  if (qApp != nullptr) qApp->removeEventFilter(events_.get());
  FireDestroyOnce();
  delete form_.data();
  sink_.Reset();
  --ModuleObjectCount();
}

void TMoyoscopeControl::FireDestroyOnce() {
  if (destroyFired_) return;
  destroyFired_ = true;
  Fire(kOnDestroy);
}

HRESULT TMoyoscopeControl::QueryInterface(const GUID& iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IMoyoscope) {
    *object = static_cast<IMoyoscope*>(this);
  } else if (iid == IID_IConnectionPoint) {
    *object = static_cast<IConnectionPoint*>(this);
  } else if (iid == IID_IOleWindow) {
    *object = static_cast<IOleWindow*>(this);
  } else if (iid == IID_IErrorInfo) {
    *object = static_cast<IErrorInfo*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

std::uint32_t TMoyoscopeControl::AddRef() {
  return ++references_;
}

std::uint32_t TMoyoscopeControl::Release() {
  const std::uint32_t left = --references_;
  if (left == 0) delete this;
  return left;
}

template <class Body>
HRESULT TMoyoscopeControl::Guarded(Body&& body) {
  if (form_.isNull()) {
    lastError_ = "the control's form is gone";
    return E_UNEXPECTED;
  }
  try {
    const HRESULT code = body(*form_);
    if (Succeeded(code)) lastError_.clear();
    return code;
  } catch (const std::bad_alloc&) {
    lastError_ = "out of memory";
    return E_OUTOFMEMORY;
  } catch (const std::exception& error) {
    lastError_ = error.what();
    return E_FAIL;
  } catch (...) {
    lastError_ = "unexpected error";
    return E_FAIL;
  }
}

// ---- Form properties ----

HRESULT TMoyoscopeControl::get_Visible(VARIANT_BOOL* value) {
  return Guarded([&](TMoyoscope& form) { return Put(value, ToVariantBool(!form.isHidden())); });
}
HRESULT TMoyoscopeControl::put_Visible(VARIANT_BOOL value) {
  return Guarded([&](TMoyoscope& form) {
    form.setVisible(value != VARIANT_FALSE);
    return S_OK;
  });
}
HRESULT TMoyoscopeControl::get_AutoScroll(VARIANT_BOOL* value) {
  return Guarded([&](TMoyoscope&) { return Put(value, ToVariantBool(autoScroll_)); });
}
HRESULT TMoyoscopeControl::put_AutoScroll(VARIANT_BOOL value) {
  return Guarded([&](TMoyoscope&) { return Assign(autoScroll_, value != VARIANT_FALSE); });
}
HRESULT TMoyoscopeControl::get_AutoSize(VARIANT_BOOL* value) {
  return Guarded([&](TMoyoscope&) { return Put(value, ToVariantBool(autoSize_)); });
}
HRESULT TMoyoscopeControl::put_AutoSize(VARIANT_BOOL value) {
  return Guarded([&](TMoyoscope&) { return Assign(autoSize_, value != VARIANT_FALSE); });
}
HRESULT TMoyoscopeControl::get_AxBorderStyle(TxActiveFormBorderStyle* value) {
  return Guarded([&](TMoyoscope&) { return Put(value, borderStyle_); });
}
HRESULT TMoyoscopeControl::put_AxBorderStyle(TxActiveFormBorderStyle value) {
  return Guarded([&](TMoyoscope&) {
    if (value < afbNone || value > afbRaised) return E_INVALIDARG;
    borderStyle_ = value;
    return S_OK;
  });
}
HRESULT TMoyoscopeControl::get_Caption(std::u16string* value) {
  return Guarded(
      [&](TMoyoscope& form) { return Put(value, Utf8ToUtf16(form.windowTitle().toStdString())); });
}
HRESULT TMoyoscopeControl::put_Caption(const std::u16string& value) {
  return Guarded([&](TMoyoscope& form) {
    form.setWindowTitle(HostTextToQt(value));
    return S_OK;
  });
}
HRESULT TMoyoscopeControl::get_Color(OLE_COLOR* value) {
  return Guarded([&](TMoyoscope& form) {
    return Put(value, color_.value_or(ToOleColor(form.palette().color(QPalette::Window))));
  });
}
HRESULT TMoyoscopeControl::put_Color(OLE_COLOR value) {
  return Guarded([&](TMoyoscope& form) {
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, FromOleColor(value));
    form.setPalette(palette);
    form.setAutoFillBackground(true);
    color_ = value;
    return S_OK;
  });
}
HRESULT TMoyoscopeControl::get_Font(IDispatch** value) {
  return Guarded(
      [&](TMoyoscope&) { return Put(value, static_cast<IDispatch*>(TOleFont::Create(font_))); });
}
HRESULT TMoyoscopeControl::put_Font(IDispatch* value) {
  return Guarded([&](TMoyoscope& form) {
    if (value == nullptr) return E_POINTER;
    TFontValues values;
    const HRESULT code = ReadFontValues(*value, values);
    if (Failed(code)) return code;
    form.setFont(QtFont(values, pixelsPerInch_));
    // A host reads back the face it set, not the one that stands in for it here.
    font_ = std::move(values);
    return S_OK;
  });
}
// The form copies the font either way; it keeps no reference to the host's object.
HRESULT TMoyoscopeControl::putref_Font(IDispatch* value) {
  return put_Font(value);
}
HRESULT TMoyoscopeControl::get_KeyPreview(VARIANT_BOOL* value) {
  return Guarded([&](TMoyoscope&) { return Put(value, ToVariantBool(keyPreview_)); });
}
HRESULT TMoyoscopeControl::put_KeyPreview(VARIANT_BOOL value) {
  return Guarded([&](TMoyoscope&) { return Assign(keyPreview_, value != VARIANT_FALSE); });
}
HRESULT TMoyoscopeControl::get_PixelsPerInch(std::int32_t* value) {
  return Guarded([&](TMoyoscope&) { return Put(value, pixelsPerInch_); });
}
HRESULT TMoyoscopeControl::put_PixelsPerInch(std::int32_t value) {
  return Guarded([&](TMoyoscope&) {
    if (value <= 0) return E_INVALIDARG;
    pixelsPerInch_ = value;
    return S_OK;
  });
}
HRESULT TMoyoscopeControl::get_PrintScale(TxPrintScale* value) {
  return Guarded([&](TMoyoscope&) { return Put(value, printScale_); });
}
HRESULT TMoyoscopeControl::put_PrintScale(TxPrintScale value) {
  return Guarded([&](TMoyoscope&) {
    if (value < poNone || value > poPrintToFit) return E_INVALIDARG;
    printScale_ = value;
    return S_OK;
  });
}
HRESULT TMoyoscopeControl::get_Scaled(VARIANT_BOOL* value) {
  return Guarded([&](TMoyoscope&) { return Put(value, ToVariantBool(scaled_)); });
}
HRESULT TMoyoscopeControl::put_Scaled(VARIANT_BOOL value) {
  return Guarded([&](TMoyoscope&) { return Assign(scaled_, value != VARIANT_FALSE); });
}
HRESULT TMoyoscopeControl::get_Active(VARIANT_BOOL* value) {
  return Guarded(
      [&](TMoyoscope& form) { return Put(value, ToVariantBool(form.isActiveWindow())); });
}
HRESULT TMoyoscopeControl::get_DropTarget(VARIANT_BOOL* value) {
  return Guarded([&](TMoyoscope&) { return Put(value, ToVariantBool(dropTarget_)); });
}
HRESULT TMoyoscopeControl::put_DropTarget(VARIANT_BOOL value) {
  return Guarded([&](TMoyoscope&) { return Assign(dropTarget_, value != VARIANT_FALSE); });
}
HRESULT TMoyoscopeControl::get_HelpFile(std::u16string* value) {
  return Guarded([&](TMoyoscope&) { return Put(value, Cp949ToUtf16(helpFile_)); });
}
HRESULT TMoyoscopeControl::put_HelpFile(const std::u16string& value) {
  return Guarded([&](TMoyoscope&) { return Assign(helpFile_, Utf16ToCp949(value)); });
}
HRESULT TMoyoscopeControl::get_DoubleBuffered(VARIANT_BOOL* value) {
  return Guarded([&](TMoyoscope&) { return Put(value, ToVariantBool(doubleBuffered_)); });
}
HRESULT TMoyoscopeControl::put_DoubleBuffered(VARIANT_BOOL value) {
  return Guarded([&](TMoyoscope&) { return Assign(doubleBuffered_, value != VARIANT_FALSE); });
}
// Nothing docks into the viewer form.
HRESULT TMoyoscopeControl::get_VisibleDockClientCount(std::int32_t* value) {
  return Guarded([&](TMoyoscope&) { return Put(value, std::int32_t{0}); });
}
HRESULT TMoyoscopeControl::get_Enabled(VARIANT_BOOL* value) {
  return Guarded([&](TMoyoscope& form) { return Put(value, ToVariantBool(form.isEnabled())); });
}
HRESULT TMoyoscopeControl::put_Enabled(VARIANT_BOOL value) {
  return Guarded([&](TMoyoscope& form) {
    form.setEnabled(value != VARIANT_FALSE);
    return S_OK;
  });
}
HRESULT TMoyoscopeControl::get_Cursor(std::int16_t* value) {
  return Guarded([&](TMoyoscope&) { return Put(value, cursor_); });
}
HRESULT TMoyoscopeControl::put_Cursor(std::int16_t value) {
  return Guarded([&](TMoyoscope& form) {
    if (value == 0) {
      form.unsetCursor();
    } else {
      form.setCursor(CursorShape(value));
    }
    cursor_ = value;
    return S_OK;
  });
}

// ---- The viewer's own members ----

HRESULT TMoyoscopeControl::getFile(const VARIANT& fileName, const VARIANT& level) {
  return Guarded([&](TMoyoscope& form) {
    std::string name;
    std::string levelText;
    HRESULT code = VariantToCp949(fileName, name);
    if (Succeeded(code)) code = VariantToCp949(level, levelText);
    if (Failed(code)) {
      lastError_ = "the record name and the level must be texts or numbers";
      return code;
    }
    platform::QtSettingsStore settings;
    TFormLoadTarget target(form);
    const TLoadResult result =
        LoadRecord(target, *http_, ReadRecordServers(settings), name, levelText);
    if (!result.Failed()) return S_OK;
    lastError_ = result.error;
    return E_FAIL;
  });
}

VARIANT TMoyoscopeControl::goQNA() {
  bool written = false;
  Guarded([&](TMoyoscope& form) {
    platform::QtSettingsStore settings;
    written = WriteQnaFile(settings, HomeFolder(), form.Record(), form.MoveCount());
    return S_OK;
  });
  return MakeBstr(written ? u"yes" : u"no");
}

HRESULT TMoyoscopeControl::get_News(VARIANT* value) {
  return Guarded([&](TMoyoscope&) { return Put(value, MakeEmpty()); });
}

HRESULT TMoyoscopeControl::put_News(const VARIANT& value) {
  return Guarded([&](TMoyoscope& form) {
    std::string address;
    const HRESULT code = VariantToCp949(value, address);
    if (Succeeded(code)) form.SetNews(address);
    return code;
  });
}

// ---- Dispatch ----

HRESULT TMoyoscopeControl::GetTypeInfoCount(std::uint32_t* count) {
  return Put(count, 0u);
}

HRESULT TMoyoscopeControl::GetTypeInfo(std::uint32_t, std::uint32_t, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT TMoyoscopeControl::GetIDsOfNames(const GUID&, const char16_t* const* names,
                                         std::uint32_t count, std::uint32_t, DISPID* ids) {
  return LookUpNames(kMoyoscopeMembers, names, count, ids);
}

HRESULT TMoyoscopeControl::Invoke(DISPID dispid, const GUID&, std::uint32_t, std::uint16_t flags,
                                  DISPPARAMS* params, VARIANT* result, void*, std::uint32_t*) {
  return InvokeMoyoscope(*this, dispid, flags, params, result);
}

// ---- Events ----

HRESULT TMoyoscopeControl::GetConnectionInterface(GUID* iid) {
  return Put(iid, DIID_IMoyoscopeEvents);
}

HRESULT TMoyoscopeControl::Advise(IUnknown* sink, std::uint32_t* cookie) {
  if (sink == nullptr || cookie == nullptr) return E_POINTER;
  *cookie = 0;
  if (sink_) return CONNECT_E_ADVISELIMIT;
  void* events = nullptr;
  if (Failed(sink->QueryInterface(DIID_IMoyoscopeEvents, &events)) || events == nullptr) {
    return E_NOINTERFACE;
  }
  sink_ = ComPtr<IDispatch>::Adopt(static_cast<IDispatch*>(events));
  sinkCookie_ = nextCookie_++;
  *cookie = sinkCookie_;
  return S_OK;
}

HRESULT TMoyoscopeControl::Unadvise(std::uint32_t cookie) {
  if (!sink_ || cookie != sinkCookie_) return CONNECT_E_NOCONNECTION;
  sinkCookie_ = 0;
  sink_.Reset();
  return S_OK;
}

void TMoyoscopeControl::Fire(DISPID event) {
  // A reference of its own: the sink may disconnect itself while it runs.
  const ComPtr<IDispatch> sink = sink_;
  if (!sink) return;
  DISPPARAMS none;
  sink->Invoke(event, IID_NULL, kMoyoscopeTypeLibrary.locale, DISPATCH_METHOD, &none, nullptr,
               nullptr, nullptr);
}

void TMoyoscopeControl::FireKeyPress(std::int16_t& key) {
  const ComPtr<IDispatch> sink = sink_;
  if (!sink) return;
  VARIANT argument = MakeI2Ref(&key);
  DISPPARAMS params;
  params.rgvarg = &argument;
  params.cArgs = 1;
  sink->Invoke(kOnKeyPress, IID_NULL, kMoyoscopeTypeLibrary.locale, DISPATCH_METHOD, &params,
               nullptr, nullptr, nullptr);
}

HRESULT TMoyoscopeControl::GetWindow(void** window) {
  if (window == nullptr) return E_POINTER;
  *window = form_.data();
  return form_.isNull() ? E_UNEXPECTED : S_OK;
}

HRESULT TMoyoscopeControl::GetDescription(std::u16string* description) {
  return Put(description, Utf8ToUtf16(lastError_));
}

}  // namespace moyo::com
