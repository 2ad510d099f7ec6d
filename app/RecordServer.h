#pragma once
// A local stand-in for the service's record server and web server: numbered
// NGF records from the record script and record files by name from the record folder.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

namespace moyo::app {

// Serves, from one folder:
//   /moyoscope/getgibo.php?snum=N  ->  DIR/numbered/N.ngf, or a 200 body holding
//                                      missingRecordBody for an unknown number
//   /dizuze/gibo/NAME              ->  DIR/NAME (404 for names with "/" or "..")
//   /moyoscope/web/...             ->  the web viewer's bundle, when one is given, each
//                                      file with validators for browsers to keep it
// Requests are answered concurrently, each logged as one line.
class RecordServer {
 public:
  // missingRecordBody: CP949 text the record script answers for an unknown number.
  // log receives one line per request; empty means no log.
  RecordServer(std::filesystem::path root, std::string missingRecordBody,
               std::function<void(const std::string&)> log = {});
  ~RecordServer();
  RecordServer(const RecordServer&) = delete;
  RecordServer& operator=(const RecordServer&) = delete;

  // Also serves the files of folder (the web viewer's bundle) under
  // /moyoscope/web/, each with its content type; false when folder is not one.
  bool ServeWebBundle(const std::filesystem::path& folder);

  // Binds address and port (0 picks a free one); the bound port, or -1 on failure.
  int Bind(const std::string& address, int port);
  // Answers requests on the bound socket until Stop; returns false if it could not listen.
  bool Run();
  // Runs in a background thread (tests and tools); Stop ends it.
  void Start();
  // Stops answering and joins the background thread; safe to call more than once.
  void Stop();

 private:
  void AddRoutes();

  std::filesystem::path root_;
  std::string missingRecordBody_;
  std::function<void(const std::string&)> log_;
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
};

// Whether name may be served from the record folder: non-empty, without "/",
// "\", ".." or control bytes.
bool IsServableRecordName(const std::string& name);

// The bytes of a regular file, or nothing when there is none to read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

}  // namespace moyo::app
