// moyoscope view RECORD [--level L] [--news URL] [--screenshot OUT.png] [--events]:
// a host of the viewer control, as a web page or an application hosts it.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/Commands.h"
#include "app/ModuleHost.h"
#include "app/RecordFile.h"
#include "control/VariantText.h"

namespace moyo::app {
namespace {

constexpr int kHostWidth = 789;
constexpr int kHostHeight = 628;
constexpr const char* kDefaultScreenshot = "moyoscope-screenshot.png";

struct ViewOptions {
  std::string record;
  std::string level{kFullMemberLevel};
  std::string news;
  std::string screenshot;
  bool events = false;
};

int ViewUsage() {
  std::fputs(
      "usage: moyoscope view RECORD [--level L] [--news URL] [--screenshot OUT.png] [--events]\n",
      stderr);
  return 2;
}

bool ParseViewOptions(const Args& args, ViewOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--level" && hasValue) {
      options.level = args[++i];
    } else if (arg == "--news" && hasValue) {
      options.news = args[++i];
    } else if (arg == "--screenshot" && hasValue) {
      options.screenshot = args[++i];
    } else if (arg == "--events") {
      options.events = true;
    } else if (options.record.empty() && !arg.starts_with("--")) {
      options.record = arg;
    } else {
      return false;
    }
  }
  return !options.record.empty();
}

bool HasDisplay() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform != nullptr && platform[0] != '\0') return std::string(platform) != "offscreen";
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 != nullptr && x11[0] != '\0') || (wayland != nullptr && wayland[0] != '\0');
}

// A text argument for the control: the command line is UTF-8.
com::VARIANT TextArgument(const std::string& utf8) {
  return com::MakeBstr(com::Utf8ToUtf16(utf8));
}

std::string LastError(com::IMoyoscope& control) {
  void* object = nullptr;
  if (com::Failed(control.QueryInterface(com::IID_IErrorInfo, &object)) || object == nullptr) {
    return "unknown error";
  }
  auto* info = static_cast<com::IErrorInfo*>(object);
  std::u16string description;
  info->GetDescription(&description);
  info->Release();
  return description.empty() ? "unknown error" : com::Utf16ToUtf8(description);
}

// Without a person to press OK, a notice is answered by the program and reported.
void AnswerNoticesAutomatically(QApplication& app) {
  auto* timer = new QTimer(&app);
  QObject::connect(timer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      std::fprintf(stderr, "notice: %s\n", box->text().toStdString().c_str());
      box->done(QMessageBox::Ok);
    }
  });
  timer->start(100);
}

// With no session bus named, D-Bus starts one of its own for the X display
// ("autolaunch") the first time Qt asks for it, and that bus outlives the
// viewer. Name the user's bus socket when there is one, else an address no bus
// answers at, so a run never leaves a process behind.
void AvoidAutolaunchedSessionBus() {
  const char* named = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (named != nullptr && named[0] != '\0') return;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::error_code error;
  if (runtime != nullptr && runtime[0] != '\0' &&
      std::filesystem::is_socket(std::filesystem::path(runtime) / "bus", error)) {
    setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + std::string(runtime) + "/bus").c_str(), 1);
  } else {
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
  }
}

}  // namespace

int RunView(const Args& args) {
  ViewOptions options;
  if (!ParseViewOptions(args, options)) return ViewUsage();
  if (!HasDisplay()) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (options.screenshot.empty()) options.screenshot = kDefaultScreenshot;
  }
  const bool screenshot = !options.screenshot.empty();
  AvoidAutolaunchedSessionBus();

  int argc = 1;
  char name[] = "moyoscope";
  char* argv[] = {name, nullptr};
  // The news panel's web view shares its drawing context with the application's.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  if (screenshot) AnswerNoticesAutomatically(app);

  std::string error;
  const std::optional<std::filesystem::path> modulePath = ResolveControlModule(error);
  if (!modulePath) {
    std::fprintf(stderr, "moyoscope view: %s\n", error.c_str());
    return 1;
  }
  std::unique_ptr<TModule> module = TModule::Load(*modulePath, error);
  com::IMoyoscope* control = module ? module->CreateControl(error) : nullptr;
  if (control == nullptr) {
    std::fprintf(stderr, "moyoscope view: %s\n", error.c_str());
    return 1;
  }

  // The host's window, with the control filling it.
  QWidget window;
  window.setWindowTitle(QStringLiteral("Moyoscope"));
  window.resize(kHostWidth, kHostHeight);
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  void* widget = nullptr;
  void* object = nullptr;
  if (com::Succeeded(control->QueryInterface(com::IID_IOleWindow, &object))) {
    auto* oleWindow = static_cast<com::IOleWindow*>(object);
    oleWindow->GetWindow(&widget);
    oleWindow->Release();
  }
  if (widget == nullptr) {
    std::fprintf(stderr, "moyoscope view: the control has no window\n");
    control->Release();
    return 1;
  }
  layout->addWidget(static_cast<QWidget*>(widget));

  // The events sink; with --events every event is printed by name.
  const bool printEvents = options.events;
  auto* sink = new TEventSink([printEvents](com::DISPID event, com::DISPPARAMS& params) {
    if (!printEvents) return;
    if (event == com::kOnKeyPress && params.cArgs == 1 && params.rgvarg[0].piVal != nullptr) {
      std::printf("%s %d\n", EventName(event).c_str(), *params.rgvarg[0].piVal);
    } else {
      std::printf("%s\n", EventName(event).c_str());
    }
    std::fflush(stdout);
  });
  com::IConnectionPoint* point = nullptr;
  std::uint32_t cookie = 0;
  if (com::Succeeded(control->QueryInterface(com::IID_IConnectionPoint, &object))) {
    point = static_cast<com::IConnectionPoint*>(object);
    point->Advise(sink, &cookie);
  }
  sink->Release();

  window.show();
  int status = 0;
  if (com::Failed(control->getFile(TextArgument(options.record), TextArgument(options.level)))) {
    std::fprintf(stderr, "moyoscope view: cannot load %s: %s\n", options.record.c_str(),
                 LastError(*control).c_str());
    status = 1;
  } else if (!options.news.empty()) {
    control->put_News(TextArgument(options.news));
  }

  if (status == 0 && screenshot) {
    QApplication::processEvents();
    // A light compression: the picture is for looking at, not for keeping.
    constexpr int kPngQuality = 80;
    if (!window.grab().save(QString::fromStdString(options.screenshot), "PNG", kPngQuality)) {
      std::fprintf(stderr, "moyoscope view: cannot write %s\n", options.screenshot.c_str());
      status = 1;
    } else {
      std::printf("%s\n", options.screenshot.c_str());
    }
  } else if (status == 0) {
    status = app.exec();
  }

  // The form goes before the window that holds it.
  layout->removeWidget(static_cast<QWidget*>(widget));
  static_cast<QWidget*>(widget)->setParent(nullptr);
  if (point != nullptr) {
    point->Unadvise(cookie);
    point->Release();
  }
  control->Release();
  return status;
}

int RunRegister(const Args& args) {
  if (!args.empty()) {
    std::fputs("usage: moyoscope register\n", stderr);
    return 2;
  }
  const std::optional<std::filesystem::path> path = BundledModule();
  std::string error = "no libmoyoscope.so was found";
  const std::unique_ptr<TModule> module = path ? TModule::Load(*path, error) : nullptr;
  if (!module || com::Failed(module->registerServer())) {
    std::fprintf(stderr, "moyoscope register: %s\n",
                 module ? "the control could not register itself" : error.c_str());
    return 1;
  }
  std::printf("registered %s as %s\n", path->c_str(), com::kMoyoscopeProgId.data());
  return 0;
}

int RunUnregister(const Args& args) {
  if (!args.empty()) {
    std::fputs("usage: moyoscope unregister\n", stderr);
    return 2;
  }
  const std::optional<std::filesystem::path> path = BundledModule();
  std::string error = "no libmoyoscope.so was found";
  const std::unique_ptr<TModule> module = path ? TModule::Load(*path, error) : nullptr;
  if (!module || com::Failed(module->unregisterServer())) {
    std::fprintf(stderr, "moyoscope unregister: %s\n",
                 module ? "the registration could not be removed" : error.c_str());
    return 1;
  }
  std::printf("unregistered %s\n", com::kMoyoscopeProgId.data());
  return 0;
}

}  // namespace moyo::app
