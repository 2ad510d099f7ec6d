#pragma once
// The viewer control reads records only over HTTP. To show a player's own file,
// the host serves it on a loopback port of its own: each published file gets an
// address under a random secret, so no other user of the machine can read
// files through the host, and nothing but published files is ever answered.

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}

namespace moyo::app {

class LocalRecordServer {
 public:
  LocalRecordServer();
  ~LocalRecordServer();
  LocalRecordServer(const LocalRecordServer&) = delete;
  LocalRecordServer& operator=(const LocalRecordServer&) = delete;

  // Binds a free port on 127.0.0.1 and answers in a background thread; false
  // when no port could be bound. Starting a started server does nothing.
  bool Start();
  // Stops answering; safe to call more than once.
  void Stop();

  // The address of `file` from now on ("http://127.0.0.1:PORT/SECRET/N/NAME");
  // empty before Start. The file is read afresh at every request. The address
  // ends with the file's own name, so a reader chosen by name sees the name.
  std::string Publish(const std::filesystem::path& file);

 private:
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  int port_ = -1;
  const std::string secret_;
  std::mutex mutex_;
  std::vector<std::filesystem::path> files_;  // by their number in the address
};

}  // namespace moyo::app
