// moyoscope view [RECORD] [--level L] [--news URL] [--screenshot OUT.png] [--events]:
// a host of the viewer control, as a web page or an application hosts it.

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/Commands.h"
#include "app/HostWindow.h"
#include "app/ModuleHost.h"
#include "app/RecordFile.h"
#include "app/Screenshot.h"

namespace moyo::app {
namespace {

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
      "usage: moyoscope view [RECORD] [--level L] [--news URL] [--screenshot OUT.png] [--events]\n",
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
  return true;
}

bool HasDisplay() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform != nullptr && platform[0] != '\0') return std::string(platform) != "offscreen";
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 != nullptr && x11[0] != '\0') || (wayland != nullptr && wayland[0] != '\0');
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

// The headless platform warns that it cannot pass a window's size limits on,
// which the host's main window always has; that is no news to anyone, so a
// headless run keeps it out of its output.
void QuietSizeHintWarning() {
  static const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (text == QLatin1String("This plugin does not support propagateSizeHints()")) return;
        if (previous != nullptr) previous(type, context, text);
      });
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
  if (screenshot && options.record.empty()) return ViewUsage();

  int argc = 1;
  char name[] = "moyoscope";
  char* argv[] = {name, nullptr};
  // The news panel's web view shares its drawing context with the application's.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  if (screenshot) AnswerNoticesAutomatically(app);
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) QuietSizeHintWarning();

  std::string error;
  const std::optional<std::filesystem::path> modulePath = ResolveControlModule(error);
  std::unique_ptr<TModule> module = modulePath ? TModule::Load(*modulePath, error) : nullptr;
  if (!module) {
    std::fprintf(stderr, "moyoscope view: %s\n", error.c_str());
    return 1;
  }

  // The events sink; with --events every event is printed by name.
  const bool printEvents = options.events;
  auto events = [printEvents](com::DISPID event, com::DISPPARAMS& params) {
    if (!printEvents) return;
    if (event == com::kOnKeyPress && params.cArgs == 1 && params.rgvarg[0].piVal != nullptr) {
      std::printf("%s %d\n", EventName(event).c_str(), *params.rgvarg[0].piVal);
    } else {
      std::printf("%s\n", EventName(event).c_str());
    }
    std::fflush(stdout);
  };

  int status = 0;
  {
    THostWindow window(*module, options.level, events);
    // With a record named, the record's control is the first one: an empty
    // control before it would be built only to be thrown away.
    if (options.record.empty()) {
      if (!window.CreateControl(error)) {
        std::fprintf(stderr, "moyoscope view: %s\n", error.c_str());
        return 1;
      }
    } else if (!window.Open(options.record, error)) {
      std::fprintf(stderr, "moyoscope view: cannot load %s: %s\n", options.record.c_str(),
                   error.c_str());
      return 1;
    }
    window.show();
    if (!options.news.empty()) window.Site().SetNews(options.news);

    if (screenshot) {
      QApplication::processEvents();
      if (!WriteQuickPng(FormPicture(*window.Site().Form()), options.screenshot)) {
        std::fprintf(stderr, "moyoscope view: cannot write %s\n", options.screenshot.c_str());
        status = 1;
      } else {
        std::printf("%s\n", options.screenshot.c_str());
      }
    } else {
      status = app.exec();
    }
  }
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
