#pragma once
// A throw-away HTTP server on 127.0.0.1 for tests: add handlers to `http`, then Start.

#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

namespace moyo::test {

class LoopbackServer {
 public:
  httplib::Server http;

  ~LoopbackServer() { Stop(); }

  // Binds a free loopback port and answers in a background thread.
  void Start() {
    port_ = http.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { http.listen_after_bind(); });
    while (!http.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }

  void Stop() {
    http.stop();
    if (thread_.joinable()) thread_.join();
  }

  int Port() const { return port_; }
  std::string HostPort() const { return "127.0.0.1:" + std::to_string(port_); }
  std::string Url(const std::string& path) const { return "http://" + HostPort() + path; }

 private:
  int port_ = -1;
  std::thread thread_;
};

// A loopback port that nothing listens on: bound once to learn a free number, then released.
inline int UnusedLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(fd);
  return ntohs(address.sin_port);
}

}  // namespace moyo::test
