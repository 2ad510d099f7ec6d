#include "app/RecordServer.h"

#include <httplib.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <utility>

namespace moyo::app {
namespace {

// Records are CP949 text; browsers that look at them should not guess otherwise.
constexpr const char* kRecordType = "text/plain; charset=EUC-KR";

bool IsRecordNumber(const std::string& text) {
  if (text.empty() || text.size() > 18) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool IsServableRecordName(const std::string& name) {
  if (name.empty() || name.find("..") != std::string::npos) return false;
  for (unsigned char c : name) {
    if (c == '/' || c == '\\' || c < 0x20 || c == 0x7f) return false;
  }
  return true;
}

RecordServer::RecordServer(std::filesystem::path root, std::string missingRecordBody,
                           std::function<void(const std::string&)> log)
    : root_(std::move(root)),
      missingRecordBody_(std::move(missingRecordBody)),
      log_(std::move(log)),
      server_(std::make_unique<httplib::Server>()) {
  AddRoutes();
}

RecordServer::~RecordServer() {
  Stop();
}

void RecordServer::AddRoutes() {
  // The library answers "br" with Brotli at its slowest, densest setting: 140 ms
  // for the page's script, where gzip takes 4 ms. Offer it gzip at most. The
  // library hands handlers a const request, but the request it later answers
  // is this same non-const object, so the header is changed in place.
  server_->set_pre_routing_handler([](const httplib::Request& req, httplib::Response&) {
    auto& headers = const_cast<httplib::Request&>(req).headers;
    const auto accepted = headers.find("Accept-Encoding");
    if (accepted != headers.end() && accepted->second.find("br") != std::string::npos) {
      const bool gzip = accepted->second.find("gzip") != std::string::npos;
      headers.erase(accepted);
      if (gzip) headers.emplace("Accept-Encoding", "gzip");
    }
    return httplib::Server::HandlerResponse::Unhandled;
  });
  server_->Get("/moyoscope/getgibo.php",
               [this](const httplib::Request& req, httplib::Response& res) {
                 const std::string number = req.get_param_value("snum");
                 std::optional<std::string> body;
                 if (IsRecordNumber(number))
                   body = ReadWholeFile(root_ / "numbered" / (number + ".ngf"));
                 // The real script answers an unknown number with a normal page saying so.
                 res.set_content(body ? *body : missingRecordBody_, kRecordType);
               });

  // The path is matched after percent-decoding, so an encoded "/" is refused too.
  server_->Get(R"(/dizuze/gibo/(.*))", [this](const httplib::Request& req, httplib::Response& res) {
    const std::string name = req.matches[1];
    std::optional<std::string> body;
    if (IsServableRecordName(name)) body = ReadWholeFile(root_ / name);
    if (!body) {
      res.status = 404;
      res.set_content("not found\n", "text/plain");
      return;
    }
    res.set_content(*body, kRecordType);
  });

  if (log_) {
    server_->set_logger([this](const httplib::Request& req, const httplib::Response& res) {
      log_(req.remote_addr + " \"" + req.method + " " + req.target + "\" " +
           std::to_string(res.status) + " " + std::to_string(res.body.size()));
    });
  }
}

bool RecordServer::ServeWebBundle(const std::filesystem::path& folder) {
  // Browsers compile a module while it streams in only when it comes as application/wasm.
  for (const auto& [extension, type] : {std::pair{"js", "text/javascript; charset=utf-8"},
                                        {"wasm", "application/wasm"},
                                        {"html", "text/html; charset=utf-8"},
                                        {"css", "text/css"},
                                        {"png", "image/png"},
                                        {"ttf", "font/ttf"},
                                        {"woff2", "font/woff2"}}) {
    server_->set_file_extension_and_mimetype_mapping(extension, type);
  }
  return server_->set_mount_point("/moyoscope/web", folder.string());
}

int RecordServer::Bind(const std::string& address, int port) {
  if (port == 0) return server_->bind_to_any_port(address.c_str());
  return server_->bind_to_port(address.c_str(), port) ? port : -1;
}

bool RecordServer::Run() {
  return server_->listen_after_bind();
}

void RecordServer::Start() {
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  // Stop before the loop has begun would be lost, so wait for it (briefly:
  // an unbound server never begins).
  for (int i = 0; i < 500 && !server_->is_running(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

void RecordServer::Stop() {
  server_->stop();
  if (thread_.joinable()) thread_.join();
}

}  // namespace moyo::app
