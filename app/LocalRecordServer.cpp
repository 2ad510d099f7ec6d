#include "app/LocalRecordServer.h"

#include <httplib.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <random>

#include "app/RecordServer.h"
#include "control/RecordRetrieval.h"

namespace moyo::app {
namespace {

// 128 random bits as 32 hexadecimal digits.
std::string MakeSecret() {
  std::random_device random;
  std::string secret;
  for (int i = 0; i < 4; ++i) {
    char word[9];
    std::snprintf(word, sizeof word, "%08x", static_cast<unsigned>(random()));
    secret += word;
  }
  return secret;
}

}  // namespace

LocalRecordServer::LocalRecordServer()
    : server_(std::make_unique<httplib::Server>()), secret_(MakeSecret()) {
  server_->Get(R"(/([0-9a-f]+)/([0-9]{1,9})/.*)",
               [this](const httplib::Request& req, httplib::Response& res) {
                 std::optional<std::string> body;
                 if (req.matches[1] == secret_) {
                   const std::size_t number = std::stoul(req.matches[2]);
                   std::filesystem::path file;
                   {
                     const std::lock_guard lock(mutex_);
                     if (number < files_.size()) file = files_[number];
                   }
                   if (!file.empty()) body = ReadWholeFile(file);
                 }
                 if (!body) {
                   res.status = 404;
                   res.set_content("not found\n", "text/plain");
                   return;
                 }
                 res.set_content(*body, "application/octet-stream");
               });
}

LocalRecordServer::~LocalRecordServer() {
  Stop();
}

bool LocalRecordServer::Start() {
  if (port_ > 0) return true;
  port_ = server_->bind_to_any_port("127.0.0.1");
  if (port_ <= 0) return false;
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  // A Stop before the loop has begun would be lost, so wait for it (briefly:
  // a loop that never begins answers nothing anyway).
  for (int i = 0; i < 5000 && !server_->is_running(); ++i) {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return server_->is_running();
}

void LocalRecordServer::Stop() {
  server_->stop();
  if (thread_.joinable()) thread_.join();
}

std::string LocalRecordServer::Publish(const std::filesystem::path& file) {
  if (port_ <= 0) return {};
  std::size_t number = 0;
  {
    const std::lock_guard lock(mutex_);
    number = files_.size();
    files_.push_back(file);
  }
  return "http://127.0.0.1:" + std::to_string(port_) + "/" + secret_ + "/" +
         std::to_string(number) + "/" + EscapeRecordName(file.filename().string());
}

}  // namespace moyo::app
