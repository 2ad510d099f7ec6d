// The control as a host sees it: loaded from libmoyoscope.so, created through
// its class factory, driven through IMoyoscope and Invoke, listened to through
// its events, with records from a real server on 127.0.0.1.

#include <gtest/gtest.h>
#include <httplib.h>
#include <sys/stat.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/ModuleHost.h"
#include "app/RecordServer.h"
#include "board/TGoBoard.h"
#include "control/Registration.h"
#include "control/TMoyoscope.h"
#include "control/VariantText.h"
#include "kit/TBevel.h"
#include "kit/TDockPanel.h"
#include "kit/TFrameButton.h"
#include "platform/Text.h"
#include "platform/qt/QtSettingsStore.h"
#include "resources/Messages.h"
#include "tests/app/HostFixture.h"
#include "tests/app/LoopbackServer.h"
#include "tests/app/TempFolder.h"

namespace moyo {
namespace {

using namespace com;

using test::Host;
using test::NoticeAnswerer;

VARIANT Text(const std::string& utf8) {
  return MakeBstr(Utf8ToUtf16(utf8));
}

const std::string kNgf =
    "Numbered game\r\n19\r\nLee 9d*\r\nKim 8d\r\nSeoul\r\n0\r\n30 3\r\n6\r\n2001-01-01\r\n90\r\n"
    "W+R\r\n3\r\nPMAABDDAA\r\nPMABWPPAA\r\nPMACBDPAA\r\n";
const std::string kTagged =
    "(;EV[Tagged Cup]PB[Kim]PW[Lee]DT[2002];B[pd]C[first move];W[dp];B[pp])";
const std::string kOtherTagged = "(;EV[Other]TC[old summary];B[aa]C[old comment])";

// A server with records and with the ways a download can go wrong.
class AutomationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(Host().module, nullptr);
    records_.Write("numbered/1024.ngf", kNgf);
    records_.Write("game.gib", kTagged);
    records_.Write("other.gib", kOtherTagged);
    records_.Write("game.NGF", kNgf);
    records_.Write("game.Ngf", kTagged);
    server_ = std::make_unique<app::RecordServer>(records_.Path(), Message(6));
    port_ = server_->Bind("127.0.0.1", 0);
    ASSERT_GT(port_, 0);
    server_->Start();
    const std::string address = "127.0.0.1:" + std::to_string(port_);
    setenv("MOYOSCOPE_RECORD_SERVER", address.c_str(), 1);
    setenv("MOYOSCOPE_WEB_SERVER", address.c_str(), 1);

    std::string error;
    control_ = Host().module->CreateControl(error);
    ASSERT_NE(control_, nullptr) << error;
    void* window = nullptr;
    void* object = nullptr;
    ASSERT_EQ(control_->QueryInterface(IID_IOleWindow, &object), S_OK);
    static_cast<IOleWindow*>(object)->GetWindow(&window);
    static_cast<IOleWindow*>(object)->Release();
    form_ = static_cast<TMoyoscope*>(static_cast<QWidget*>(window));
    ASSERT_NE(form_, nullptr);
  }

  void TearDown() override {
    if (control_ != nullptr) control_->Release();
    server_->Stop();
  }

  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }

  HRESULT GetFile(const std::string& name, const std::string& level) {
    return control_->getFile(Text(name), Text(level));
  }

  std::string Title() const { return form_->Components().eventNameL->text().toStdString(); }

  std::string LastError() {
    void* object = nullptr;
    control_->QueryInterface(IID_IErrorInfo, &object);
    std::u16string text;
    static_cast<IErrorInfo*>(object)->GetDescription(&text);
    static_cast<IErrorInfo*>(object)->Release();
    return Utf16ToUtf8(text);
  }

  bool GuessingHidden() const {
    return form_->Components().BBtn->isHidden() && form_->Components().WBtn->isHidden() &&
           form_->Components().BWBtn->isHidden() && form_->Components().HintBtn->isHidden() &&
           form_->Components().giboBtn->isHidden() && form_->Components().Label2->isHidden() &&
           form_->Components().Bevel3->isHidden() && form_->Components().Bevel4->isHidden() &&
           form_->Components().movesP->height() == 38;
  }

  test::TempFolder records_;
  std::unique_ptr<app::RecordServer> server_;
  int port_ = -1;
  IMoyoscope* control_ = nullptr;
  TMoyoscope* form_ = nullptr;
};

// ---- getFile: the four roads and the levels ----

TEST_F(AutomationTest, NumberedRecordAtLevelTenIsReadAsNgfWithGuessingHidden) {
  ASSERT_EQ(GetFile("1024", "10"), S_OK) << LastError();
  EXPECT_EQ(Title(), "Numbered game");
  EXPECT_EQ(form_->Record().moveCount, 3);
  EXPECT_EQ(form_->Board().MoveCount(), 1);  // the first move is on the board
  EXPECT_EQ(form_->Level(), "10");
  EXPECT_TRUE(GuessingHidden());
}

TEST_F(AutomationTest, FullAddressesChooseTheReaderByTheirLastThreeBytes) {
  ASSERT_EQ(GetFile(Url("/dizuze/gibo/game.NGF"), "1"), S_OK) << LastError();
  EXPECT_EQ(Title(), "Numbered game");
  EXPECT_FALSE(GuessingHidden());

  // "Ngf" is not an NGF name: the tagged reader gets it.
  ASSERT_EQ(GetFile(Url("/dizuze/gibo/game.Ngf"), "1"), S_OK) << LastError();
  EXPECT_EQ(Title(), "Tagged Cup");
  EXPECT_EQ(form_->Record().moveCount, 3);
}

TEST_F(AutomationTest, NamesComeFromTheWebServersRecordFolder) {
  ASSERT_EQ(GetFile("game.gib", "100"), S_OK) << LastError();
  EXPECT_EQ(Title(), "Tagged Cup");
  EXPECT_EQ(form_->Components().bPlayerL->text().toStdString(), "Kim");
  EXPECT_TRUE(GuessingHidden());  // level 100 hides them as 10 does, but loads by name
  EXPECT_EQ(form_->Level(), "100");
}

TEST_F(AutomationTest, FullAddressesWithBlanksAreFetched) {
  records_.Write("my game.gib", kTagged);
  ASSERT_EQ(GetFile(Url("/dizuze/gibo/my game.gib"), "1"), S_OK) << LastError();
  EXPECT_EQ(Title(), "Tagged Cup");
}

TEST_F(AutomationTest, NamesThatClimbOutOfTheRecordFolderFailWithoutARequest) {
  test::LoopbackServer web;
  std::vector<std::string> asked;
  web.http.Get(".*", [&](const httplib::Request& req, httplib::Response& res) {
    asked.push_back(req.path);
    res.set_content(kOtherTagged, "text/plain");
  });
  web.Start();
  setenv("MOYOSCOPE_WEB_SERVER", web.HostPort().c_str(), 1);
  ASSERT_EQ(GetFile("game.gib", "1"), S_OK) << LastError();
  for (const char* name : {"../rec/x.gib", "..\\rec\\x.gib", "a/../../rec/x.gib"}) {
    EXPECT_TRUE(Failed(GetFile(name, "1"))) << name;
    EXPECT_FALSE(LastError().empty()) << name;
  }
  web.Stop();
  EXPECT_EQ(asked, std::vector<std::string>{"/dizuze/gibo/game.gib"});
  EXPECT_EQ(Title(), "Other");
}

TEST_F(AutomationTest, UnknownNumberShowsTheNoticeAndKeepsTheRecordShown) {
  ASSERT_EQ(GetFile("game.gib", "1"), S_OK);
  NoticeAnswerer notices;
  EXPECT_EQ(GetFile("999", "10"), S_OK);
  ASSERT_EQ(notices.texts.size(), 1u);
  EXPECT_EQ(notices.texts[0], platform::Cp949ToUtf8(Message(7)));
  EXPECT_EQ(Title(), "Tagged Cup");
  EXPECT_EQ(form_->Record().moveCount, 3);
}

// ---- Failures: a code for the host, the viewer unchanged ----

TEST_F(AutomationTest, FailedDownloadsFailTheCallAndChangeNothingShown) {
  test::LoopbackServer broken;
  broken.http.Get("/500.gib",
                  [](const httplib::Request&, httplib::Response& res) { res.status = 500; });
  broken.http.Get("/big.gib", [](const httplib::Request&, httplib::Response& res) {
    res.set_content(std::string((16u << 20) + 1, 'x'), "text/plain");
  });
  broken.Start();
  ASSERT_EQ(GetFile("game.gib", "1"), S_OK);

  const std::string closed = "http://127.0.0.1:" + std::to_string(test::UnusedLoopbackPort());
  for (const std::string& address : {Url("/dizuze/gibo/missing.gib"), broken.Url("/500.gib"),
                                     broken.Url("/big.gib"), closed + "/x.gib"}) {
    EXPECT_TRUE(Failed(GetFile(address, "1"))) << address;
    EXPECT_FALSE(LastError().empty()) << address;
    EXPECT_EQ(Title(), "Tagged Cup") << address;
    EXPECT_EQ(form_->Record().moveCount, 3) << address;
    EXPECT_EQ(form_->Board().MoveCount(), 1) << address;
  }
  EXPECT_NE(LastError().find("127.0.0.1"), std::string::npos) << LastError();

  // The level and the hidden controls change before the download.
  EXPECT_TRUE(Failed(GetFile("missing.gib", "100")));
  EXPECT_TRUE(GuessingHidden());
  EXPECT_EQ(Title(), "Tagged Cup");
}

TEST_F(AutomationTest, RecordsThatCannotBeReadFailTheCall) {
  records_.Write("empty.gib", "");
  records_.Write("bad.ngf", "T\r\n19\r\nW\r\nB\r\nP\r\nmany\r\n");
  ASSERT_EQ(GetFile("game.gib", "1"), S_OK);
  EXPECT_TRUE(Failed(GetFile("empty.gib", "1")));
  EXPECT_TRUE(Failed(GetFile(Url("/dizuze/gibo/bad.ngf"), "1")));
  EXPECT_EQ(Title(), "Tagged Cup");
  EXPECT_TRUE(Failed(control_->getFile(VARIANT{}, [] {
    VARIANT null;
    null.vt = VT_NULL;
    return null;
  }())));
}

TEST(AutomationTimeouts, StalledServerFailsAfterTheShortenedTimeout) {
  ASSERT_NE(Host().module, nullptr);
  test::LoopbackServer stalling;
  stalling.http.Get("/slow.gib", [](const httplib::Request&, httplib::Response& res) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    res.set_content("(;EV[late])", "text/plain");
  });
  stalling.Start();
  setenv("MOYOSCOPE_TIMEOUT_MS", "300", 1);
  std::string error;
  IMoyoscope* control = Host().module->CreateControl(error);
  unsetenv("MOYOSCOPE_TIMEOUT_MS");
  ASSERT_NE(control, nullptr) << error;
  const auto started = std::chrono::steady_clock::now();
  EXPECT_TRUE(Failed(control->getFile(Text(stalling.Url("/slow.gib")), Text(std::string("1")))));
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1400));
  control->Release();
}

// ---- goQNA ----

void StoreQnaFolder(const std::string& folder) {
  platform::QtSettingsStore().WriteText("\\Software\\Zel2000\\DirPath Info", "", "zelpath", folder);
}

TEST_F(AutomationTest, QuestionFileGoesToTheStoredFolderOrTheHomeFolder) {
  ASSERT_EQ(GetFile("game.gib", "1"), S_OK);
  StoreQnaFolder("");  // an empty folder is no folder

  VARIANT answer = control_->goQNA();
  EXPECT_EQ(answer.vt, VT_BSTR);
  EXPECT_EQ(answer.bstrVal, u"yes");
  EXPECT_TRUE(std::filesystem::exists(Host().home.Path() / "qna.NGF"));
  EXPECT_EQ(
      platform::QtSettingsStore().ReadText("\\Software\\Zel2000\\DirPath Info", "", "zelpath"),
      Host().home.Path().string());

  const std::filesystem::path stored = Host().home.Path() / "answers";
  std::filesystem::create_directories(stored);
  StoreQnaFolder(stored.string());
  EXPECT_EQ(control_->goQNA().bstrVal, u"yes");
  EXPECT_TRUE(std::filesystem::exists(stored / "qna.NGF"));

  // A folder that is not there, and a pipe where the file would go: "no", at once.
  std::filesystem::create_directories(stored / "piped");
  ASSERT_EQ(::mkfifo((stored / "piped" / "qna.NGF").c_str(), 0644), 0);
  for (const std::filesystem::path& folder : {stored / "missing", stored / "piped"}) {
    StoreQnaFolder(folder.string());
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(control_->goQNA().bstrVal, u"no") << folder;
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  }
  StoreQnaFolder("");
}

// ---- News ----

TEST_F(AutomationTest, NewsReadsEmptyAndAnEmptyAddressChangesNothing) {
  VARIANT news = MakeBstr(u"set before");
  EXPECT_EQ(control_->get_News(&news), S_OK);
  EXPECT_EQ(news.vt, VT_EMPTY);
  EXPECT_EQ(control_->put_News(Text(std::string())), S_OK);
  EXPECT_EQ(form_->Components().NewsP->height(), 0);
  EXPECT_TRUE(Failed(control_->put_News(MakeDispatch(nullptr))));
}

TEST_F(AutomationTest, NewsAddressOpensTheNewsPanelOnThatPage) {
  records_.Write("news.html", "<html><body>" + Message(69) + "</body></html>");
  EXPECT_EQ(control_->put_News(Text(Url("/dizuze/gibo/news.html"))), S_OK);
  EXPECT_EQ(form_->Components().NewsP->height(), 165);
  VARIANT news;
  EXPECT_EQ(control_->get_News(&news), S_OK);
  EXPECT_EQ(news.vt, VT_EMPTY);
}

TEST_F(AutomationTest, SettingNewsDoesNotWaitForTheServer) {
  // A server that takes the request and never answers.
  test::LoopbackServer silent;
  std::atomic<bool> released{false};
  silent.http.Get("/news.html", [&](const httplib::Request&, httplib::Response&) {
    while (!released) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  });
  silent.Start();
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(control_->put_News(Text(silent.Url("/news.html"))), S_OK);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3));
  EXPECT_EQ(form_->Components().NewsP->height(), 165);
  released = true;
  silent.Stop();
}

// ---- Properties, Invoke and names ----

TEST_F(AutomationTest, PropertiesForwardToTheFormWithOleBooleans) {
  VARIANT_BOOL flag = 0;
  EXPECT_EQ(control_->get_Enabled(&flag), S_OK);
  EXPECT_EQ(flag, VARIANT_TRUE);
  EXPECT_EQ(control_->put_Enabled(VARIANT_FALSE), S_OK);
  EXPECT_FALSE(form_->isEnabled());
  control_->put_Enabled(VARIANT_TRUE);

  std::u16string caption;
  EXPECT_EQ(control_->get_Caption(&caption), S_OK);
  EXPECT_EQ(caption, Cp949ToUtf16(Message(31)));
  // Korean survives the form's code page; each character it lacks becomes one '?'.
  EXPECT_EQ(control_->put_Caption(u"바둑 \U0001F600"), S_OK);
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("바둑 ?"));
  EXPECT_EQ(control_->put_Caption(u"a\u2603b"), S_OK);
  EXPECT_EQ(control_->get_Caption(&caption), S_OK);
  EXPECT_EQ(caption, u"a?b");

  EXPECT_EQ(control_->put_Color(0x00332211), S_OK);
  OLE_COLOR colour = 0;
  control_->get_Color(&colour);
  EXPECT_EQ(colour, 0x00332211u);
  EXPECT_EQ(form_->palette().color(QPalette::Window), QColor(0x11, 0x22, 0x33));

  std::int32_t pixels = 0;
  control_->get_PixelsPerInch(&pixels);
  EXPECT_EQ(pixels, 96);
  EXPECT_TRUE(Failed(control_->put_AxBorderStyle(static_cast<TxActiveFormBorderStyle>(9))));
  EXPECT_EQ(control_->put_Cursor(-21), S_OK);
  EXPECT_EQ(form_->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AutomationTest, FontTravelsAsAnOleFontObject) {
  IDispatch* font = nullptr;
  ASSERT_EQ(control_->get_Font(&font), S_OK);
  ASSERT_NE(font, nullptr);
  VARIANT bold = MakeBool(true);
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{&bold, &put, 1, 1};
  ASSERT_EQ(font->Invoke(kFontBold, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                         nullptr),
            S_OK);
  EXPECT_FALSE(form_->font().bold());
  EXPECT_EQ(control_->put_Font(font), S_OK);
  EXPECT_TRUE(form_->font().bold());
  font->Release();
  EXPECT_EQ(control_->put_Font(nullptr), E_POINTER);
}

// A property of a font object, read through its Invoke.
VARIANT FontProperty(IDispatch& font, DISPID property) {
  VARIANT value;
  DISPPARAMS none;
  EXPECT_EQ(
      font.Invoke(property, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr),
      S_OK);
  return value;
}

TEST_F(AutomationTest, FontReportsTheFormsFaceAndThenWhatTheHostSet) {
  IDispatch* font = nullptr;
  ASSERT_EQ(control_->get_Font(&font), S_OK);
  ASSERT_NE(font, nullptr);
  // "굴림체" 12 pixels high on the form's 96-dpi design: 9 points.
  EXPECT_EQ(FontProperty(*font, kFontName).bstrVal, u"굴림체");
  EXPECT_EQ(FontProperty(*font, kFontSize).cyVal, 90000);
  EXPECT_EQ(FontProperty(*font, kFontCharset).iVal, 129);
  EXPECT_EQ(form_->font().pixelSize(), 12);

  VARIANT name = MakeBstr(u"굴림");
  VARIANT size;
  size.vt = VT_CY;
  size.cyVal = 150000;  // 15 points
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS putName{&name, &put, 1, 1};
  DISPPARAMS putSize{&size, &put, 1, 1};
  ASSERT_EQ(font->Invoke(kFontName, IID_NULL, 0, DISPATCH_PROPERTYPUT, &putName, nullptr, nullptr,
                         nullptr),
            S_OK);
  ASSERT_EQ(font->Invoke(kFontSize, IID_NULL, 0, DISPATCH_PROPERTYPUT, &putSize, nullptr, nullptr,
                         nullptr),
            S_OK);
  EXPECT_EQ(control_->put_Font(font), S_OK);
  font->Release();
  EXPECT_EQ(form_->font().pixelSize(), 20);

  IDispatch* readBack = nullptr;
  ASSERT_EQ(control_->get_Font(&readBack), S_OK);
  EXPECT_EQ(FontProperty(*readBack, kFontName).bstrVal, u"굴림");
  EXPECT_EQ(FontProperty(*readBack, kFontSize).cyVal, 150000);
  readBack->Release();
}

TEST_F(AutomationTest, GetFileTakesNamedArguments) {
  const char16_t* names[] = {u"getFile", u"level", u"fileName"};
  DISPID ids[3] = {};
  ASSERT_EQ(control_->GetIDsOfNames(IID_NULL, names, 3, 0x409, ids), S_OK);
  EXPECT_EQ(ids[0], 16);

  // Both by name, in the order the names were looked up.
  VARIANT byName[2] = {Text(std::string("1")), Text(std::string("game.gib"))};
  DISPPARAMS named{byName, &ids[1], 2, 2};
  ASSERT_EQ(control_->Invoke(16, IID_NULL, 0, DISPATCH_METHOD, &named, nullptr, nullptr, nullptr),
            S_OK)
      << LastError();
  EXPECT_EQ(Title(), "Tagged Cup");

  // The name first, the level by name.
  VARIANT mixed[2] = {Text(std::string("100")), Text(std::string("other.gib"))};
  DISPPARAMS oneNamed{mixed, &ids[1], 2, 1};
  ASSERT_EQ(
      control_->Invoke(16, IID_NULL, 0, DISPATCH_METHOD, &oneNamed, nullptr, nullptr, nullptr),
      S_OK)
      << LastError();
  EXPECT_EQ(Title(), "Other");
  EXPECT_EQ(form_->Level(), "100");

  DISPID unknown[2] = {0, 7};
  DISPPARAMS wrong{byName, unknown, 2, 2};
  EXPECT_EQ(control_->Invoke(16, IID_NULL, 0, DISPATCH_METHOD, &wrong, nullptr, nullptr, nullptr),
            DISP_E_PARAMNOTFOUND);
}

TEST_F(AutomationTest, InvokeReachesEveryKindOfMemberByDispid) {
  // Property put with the named DISPID_PROPERTYPUT argument, then get.
  VARIANT caption = Text(std::string("기보"));
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS putParams{&caption, &put, 1, 1};
  EXPECT_EQ(control_->Invoke(-518, IID_NULL, 0x409, DISPATCH_PROPERTYPUT, &putParams, nullptr,
                             nullptr, nullptr),
            S_OK);
  VARIANT result;
  DISPPARAMS none;
  EXPECT_EQ(control_->Invoke(-518, IID_NULL, 0x409, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                             nullptr),
            S_OK);
  EXPECT_EQ(result.vt, VT_BSTR);
  EXPECT_EQ(result.bstrVal, u"기보");

  EXPECT_EQ(
      control_->Invoke(9, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
      S_OK);
  EXPECT_EQ(result.vt, VT_BOOL);

  // getFile's arguments arrive last first.
  VARIANT arguments[2] = {Text(std::string("1")), Text(std::string("game.gib"))};
  DISPPARAMS call{arguments, nullptr, 2, 0};
  EXPECT_EQ(control_->Invoke(16, IID_NULL, 0, DISPATCH_METHOD, &call, nullptr, nullptr, nullptr),
            S_OK);
  EXPECT_EQ(Title(), "Tagged Cup");
  EXPECT_EQ(control_->Invoke(15, IID_NULL, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr),
            S_OK);
  EXPECT_EQ(result.bstrVal, u"yes");

  // Wrong calls are refused with the matching code.
  EXPECT_EQ(control_->Invoke(16, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
            DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(control_->Invoke(99, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(
      control_->Invoke(9, IID_NULL, 0, DISPATCH_PROPERTYPUT, &putParams, nullptr, nullptr, nullptr),
      DISP_E_MEMBERNOTFOUND);  // Active is read-only
  VARIANT text = Text(std::string("yes"));
  DISPPARAMS badType{&text, &put, 1, 1};
  EXPECT_EQ(
      control_->Invoke(1, IID_NULL, 0, DISPATCH_PROPERTYPUT, &badType, nullptr, nullptr, nullptr),
      DISP_E_TYPEMISMATCH);
}

TEST_F(AutomationTest, NamesAreLookedUpWithoutRegardToCase) {
  const std::vector<std::pair<std::u16string, DISPID>> expected = {
      {u"Visible", 1},    {u"caption", -518}, {u"FONT", -512}, {u"getFile", 16},
      {u"goqna", 15},     {u"News", 17},      {u"Cursor", 14}, {u"VisibleDockClientCount", 13},
      {u"Enabled", -514}, {u"Color", -501}};
  for (const auto& [name, dispid] : expected) {
    const char16_t* names[] = {name.c_str()};
    DISPID id = 0;
    EXPECT_EQ(control_->GetIDsOfNames(IID_NULL, names, 1, 0x409, &id), S_OK);
    EXPECT_EQ(id, dispid);
  }
  const char16_t* unknown[] = {u"Print"};
  DISPID id = 0;
  EXPECT_EQ(control_->GetIDsOfNames(IID_NULL, unknown, 1, 0x409, &id), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(id, DISPID_UNKNOWN);
}

// ---- Events ----

struct RecordedEvents {
  std::vector<DISPID> seen;
  std::int16_t replaceKeyWith = -1;  // -1 leaves the key as it is
};

IDispatch* Sink(RecordedEvents& events) {
  return new app::TEventSink([&events](DISPID event, DISPPARAMS& params) {
    events.seen.push_back(event);
    if (event == kOnKeyPress && params.cArgs == 1 && params.rgvarg[0].vt == (VT_I2 | VT_BYREF) &&
        events.replaceKeyWith >= 0) {
      *params.rgvarg[0].piVal = events.replaceKeyWith;
    }
  });
}

TEST_F(AutomationTest, EventsReachTheOneSinkByDispid) {
  void* object = nullptr;
  ASSERT_EQ(control_->QueryInterface(IID_IConnectionPoint, &object), S_OK);
  auto* point = static_cast<IConnectionPoint*>(object);
  GUID outgoing;
  point->GetConnectionInterface(&outgoing);
  EXPECT_EQ(outgoing, DIID_IMoyoscopeEvents);

  RecordedEvents events;
  IDispatch* sink = Sink(events);
  std::uint32_t cookie = 0;
  ASSERT_EQ(point->Advise(sink, &cookie), S_OK);
  std::uint32_t second = 0;
  EXPECT_EQ(point->Advise(sink, &second), CONNECT_E_ADVISELIMIT);

  form_->grab();
  EXPECT_NE(std::find(events.seen.begin(), events.seen.end(), kOnPaint), events.seen.end());

  events.seen.clear();
  QKeyEvent typed(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QApplication::sendEvent(form_, &typed);
  ASSERT_EQ(events.seen, std::vector<DISPID>{kOnKeyPress});

  EXPECT_EQ(point->Unadvise(cookie + 1), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(point->Unadvise(cookie), S_OK);
  events.seen.clear();
  form_->grab();
  EXPECT_TRUE(events.seen.empty());

  // Destroying the control fires OnDestroy before the form goes.
  ASSERT_EQ(point->Advise(sink, &cookie), S_OK);
  point->Release();
  events.seen.clear();
  control_->Release();
  control_ = nullptr;
  EXPECT_EQ(events.seen, std::vector<DISPID>{kOnDestroy});
  sink->Release();
}

TEST_F(AutomationTest, KeyPreviewSendsKeysForTheFormsControlsToTheSinkFirst) {
  void* object = nullptr;
  control_->QueryInterface(IID_IConnectionPoint, &object);
  auto* point = static_cast<IConnectionPoint*>(object);
  RecordedEvents events;
  IDispatch* sink = Sink(events);
  std::uint32_t cookie = 0;
  point->Advise(sink, &cookie);

  auto type = [&](const char* key) {
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromLatin1(key));
    QApplication::sendEvent(form_->Components().moveEd, &typed);
  };
  type("1");
  EXPECT_TRUE(events.seen.empty());
  EXPECT_EQ(form_->Components().moveEd->text(), "1");

  // The key the sink leaves replaces the key typed; 0 swallows it.
  control_->put_KeyPreview(VARIANT_TRUE);
  events.replaceKeyWith = '7';
  type("2");
  EXPECT_EQ(events.seen, std::vector<DISPID>{kOnKeyPress});
  EXPECT_EQ(form_->Components().moveEd->text(), "17");
  events.replaceKeyWith = 0;
  type("3");
  EXPECT_EQ(form_->Components().moveEd->text(), "17");
  events.replaceKeyWith = -1;
  type("4");
  EXPECT_EQ(form_->Components().moveEd->text(), "174");

  point->Unadvise(cookie);
  point->Release();
  sink->Release();
}

// ---- The module ----

TEST(AutomationModule, FactoryRefusesOtherClassesAndAggregation) {
  ASSERT_NE(Host().module, nullptr);
  app::TModule& module = *Host().module;
  void* object = nullptr;
  EXPECT_EQ(module.getClassObject(&IID_IDispatch, &IID_IClassFactory, &object),
            CLASS_E_CLASSNOTAVAILABLE);
  ASSERT_EQ(module.getClassObject(&CLSID_Moyoscope, &IID_IClassFactory, &object), S_OK);
  auto* factory = static_cast<IClassFactory*>(object);
  EXPECT_EQ(module.canUnloadNow(), S_FALSE);  // a factory in use holds the module
  void* control = nullptr;
  EXPECT_EQ(factory->CreateInstance(reinterpret_cast<IUnknown*>(factory), IID_IMoyoscope, &control),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, &control), E_NOINTERFACE);
  EXPECT_EQ(control, nullptr);
  factory->Release();
  EXPECT_EQ(module.canUnloadNow(), S_OK);
}

TEST(AutomationModule, RegistrationRoundTripInTheUsersSettings) {
  ASSERT_NE(Host().module, nullptr);
  const std::filesystem::path config = Host().home.Path() / "config";
  ASSERT_EQ(Host().module->registerServer(), S_OK);
  std::string error;
  const std::optional<std::filesystem::path> resolved = app::ResolveControlModule(error);
  ASSERT_TRUE(resolved) << error;
  EXPECT_EQ(std::filesystem::canonical(*resolved), std::filesystem::canonical(MOYO_MODULE_PATH));
  EXPECT_TRUE(std::filesystem::exists(config / "Classes" / "MoyoscopeProj.Moyoscope.ini"));

  ASSERT_EQ(Host().module->unregisterServer(), S_OK);
  EXPECT_FALSE(std::filesystem::exists(config / "Classes" / "MoyoscopeProj.Moyoscope.ini"));
  platform::QtSettingsStore store;
  EXPECT_FALSE(com::RegisteredModule(store, kMoyoscopeProgId));
}

}  // namespace
}  // namespace moyo
