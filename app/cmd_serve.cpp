// moyoscope serve DIR [--port N] [--bind ADDR]: the local record server.

#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>
#include <system_error>

#include "app/Commands.h"
#include "app/RecordServer.h"
#include "resources/MessageIds.h"
#include "resources/Messages.h"

namespace moyo::app {
namespace {

constexpr int kDefaultPort = 8949;

int ServeUsage() {
  std::fputs("usage: moyoscope serve DIR [--port N] [--bind ADDR] [--web BUNDLE]\n", stderr);
  return 2;
}

bool ParsePort(const std::string& text, int& port) {
  if (text.empty() || text.size() > 5) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value > 65535) return false;
  port = value;
  return true;
}

}  // namespace

int RunServe(const Args& args) {
  std::string folder;
  std::string address = "127.0.0.1";
  // The web build's bundle of this source tree, unless another is named.
  std::filesystem::path bundle = MOYO_WEB_BUNDLE;
  int port = kDefaultPort;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--port" && hasValue) {
      if (!ParsePort(args[++i], port)) return ServeUsage();
    } else if (arg == "--bind" && hasValue) {
      address = args[++i];
    } else if (arg == "--web" && hasValue) {
      bundle = args[++i];
    } else if (folder.empty() && !arg.starts_with("--")) {
      folder = arg;
    } else {
      return ServeUsage();
    }
  }
  if (folder.empty()) return ServeUsage();
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    std::fprintf(stderr, "moyoscope serve: '%s' is not a folder\n", folder.c_str());
    return 1;
  }

  std::mutex logMutex;
  RecordServer server(folder, Message(msg::kNoRecordMarker), [&logMutex](const std::string& line) {
    const std::lock_guard lock(logMutex);
    std::fprintf(stderr, "%s\n", line.c_str());
  });
  const bool web = server.ServeWebBundle(bundle);
  const int bound = server.Bind(address, port);
  if (bound < 0) {
    std::fprintf(stderr, "moyoscope serve: cannot listen on %s:%d\n", address.c_str(), port);
    return 1;
  }
  // The first line names the port, so a script that asked for port 0 can read it.
  std::printf("serving %s on http://%s:%d\n", folder.c_str(), address.c_str(), bound);
  if (web) {
    std::printf("web viewer on http://%s:%d/moyoscope/web/\n", address.c_str(), bound);
  } else {
    std::fprintf(stderr, "moyoscope serve: no web bundle at %s (build web/ first)\n",
                 bundle.c_str());
  }
  std::fflush(stdout);
  return server.Run() ? 0 : 1;
}

}  // namespace moyo::app
