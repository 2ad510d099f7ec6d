#include "app/RecordServer.h"

#include <httplib.h>

#include "app/FileValidators.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

namespace moyo::app {
namespace {

// Records are CP949 text; browsers that look at them should not guess otherwise.
constexpr const char* kRecordType = "text/plain; charset=EUC-KR";

// Browsers compile a module while it streams in only when it comes as application/wasm.
std::string BundleContentType(const std::filesystem::path& file) {
  const std::string extension = file.extension().string();
  for (const auto& [known, type] : {std::pair{".js", "text/javascript; charset=utf-8"},
                                    {".wasm", "application/wasm"},
                                    {".html", "text/html; charset=utf-8"},
                                    {".css", "text/css"},
                                    {".png", "image/png"},
                                    {".ttf", "font/ttf"},
                                    {".woff2", "font/woff2"}}) {
    if (extension == known) return type;
  }
  return "application/octet-stream";
}

// Whether a path below the bundle stays inside it: plain names joined by "/",
// none of them "." or "..". The path arrives percent-decoded, so "%2e%2e" is "..".
bool IsBundlePath(const std::string& relative) {
  std::size_t start = 0;
  while (start <= relative.size()) {
    const std::size_t end = std::min(relative.find('/', start), relative.size());
    const std::string_view name(relative.data() + start, end - start);
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name) {
      if (c < 0x20 || c == 0x7f) return false;
    }
    start = end + 1;
  }
  return true;
}

// The library compresses text types on the way out when the request accepts
// gzip (the pre-routing handler has taken Brotli out of that, and all of it
// from a request for ranges).
bool SentWithGzip(const httplib::Request& req, const std::string& type) {
  return type.starts_with("text/") &&
         req.get_header_value("Accept-Encoding").find("gzip") != std::string::npos;
}

// A conditional request's answer: whether the copy the browser holds is current.
// If-None-Match decides when present; the date is only for browsers without a tag.
bool IsNotModified(const httplib::Request& req, const FileStamp& stamp,
                   std::initializer_list<std::string_view> tags) {
  if (req.has_header("If-None-Match"))
    return ListsEntityTag(req.get_header_value("If-None-Match"), tags);
  if (!req.has_header("If-Modified-Since")) return false;
  const auto since = ParseHttpDate(req.get_header_value("If-Modified-Since"));
  return since && stamp.seconds <= *since;
}

// A range is asked for with If-Range to extend a copy held under that tag or
// date; when the file has changed since, the ranges would splice two versions.
bool RangeStillApplies(const httplib::Request& req, const FileStamp& stamp,
                       const std::string& tag) {
  if (!req.has_header("If-Range")) return true;
  const std::string held = req.get_header_value("If-Range");
  return held == tag || held == FormatHttpDate(stamp.seconds);
}

// Each file carries validators and "no-cache": a browser keeps it (Chromium
// keeps compiled script and module code only beside a kept response) and asks each
// visit whether it changed, answered 304 until the next build rewrites it.
void ServeBundleFile(const std::filesystem::path& folder, const httplib::Request& req,
                     httplib::Response& res) {
  std::string relative = req.matches[1];
  if (relative.empty() || relative.ends_with('/')) relative += "index.html";
  const std::filesystem::path file = folder / relative;
  // Stamped before reading: a file rewritten in between goes out under its old
  // tag, which the next visit finds changed.
  const std::optional<FileStamp> stamp = IsBundlePath(relative) ? StampOf(file) : std::nullopt;
  std::optional<std::string> body;
  const std::string tag = stamp ? EntityTag(*stamp) : "";
  const std::string gzipTag = stamp ? EntityTag(*stamp, "gzip") : "";
  const bool current = stamp && IsNotModified(req, *stamp, {tag, gzipTag});
  if (stamp && !current) body = ReadWholeFile(file);
  if (!current && !body) {
    res.status = 404;
    res.set_content("not found\n", "text/plain");
    return;
  }
  const std::string type = BundleContentType(file);
  res.set_header("ETag", SentWithGzip(req, type) ? gzipTag : tag);
  res.set_header("Last-Modified", FormatHttpDate(stamp->seconds));
  res.set_header("Cache-Control", "no-cache");
  if (type.starts_with("text/")) res.set_header("Vary", "Accept-Encoding");
  if (current) {
    res.status = 304;
    return;
  }
  // The handler gets the request const, but the library answers this same
  // object; without its ranges the whole file goes out.
  if (!RangeStillApplies(req, *stamp, tag)) const_cast<httplib::Request&>(req).ranges.clear();
  res.set_content(std::move(*body), type);
}

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
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  std::ifstream in(path, std::ios::binary);
  if (error || !in) return std::nullopt;
  // One read of the whole size: 70 times faster than a character at a time,
  // which took 1.6 ms for the web module. A file cut short meanwhile gives what is left.
  std::string bytes(size, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
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
  // The library would compress the bytes of a range rather than cut a range of
  // the compressed bytes, which is what Content-Range then means: ranges go
  // out as they are.
  server_->set_pre_routing_handler([](const httplib::Request& req, httplib::Response&) {
    auto& headers = const_cast<httplib::Request&>(req).headers;
    const auto accepted = headers.find("Accept-Encoding");
    if (accepted != headers.end() && !req.ranges.empty()) {
      headers.erase(accepted);
    } else if (accepted != headers.end() && accepted->second.find("br") != std::string::npos) {
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

  // The library gives a body-less answer "Content-Length: 0", which for a 304
  // would claim the held copy is empty.
  server_->set_post_routing_handler([](const httplib::Request&, httplib::Response& res) {
    if (res.status == 304) res.headers.erase("Content-Length");
  });

  if (log_) {
    server_->set_logger([this](const httplib::Request& req, const httplib::Response& res) {
      log_(req.remote_addr + " \"" + req.method + " " + req.target + "\" " +
           std::to_string(res.status) + " " + std::to_string(res.body.size()));
    });
  }
}

bool RecordServer::ServeWebBundle(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return false;
  // The page's names are relative to the folder, so the folder's address ends in "/".
  server_->Get("/moyoscope/web", [](const httplib::Request&, httplib::Response& res) {
    res.set_redirect("/moyoscope/web/", 301);
  });
  server_->Get(R"(/moyoscope/web/(.*))",
               [folder](const httplib::Request& req, httplib::Response& res) {
                 ServeBundleFile(folder, req, res);
               });
  return true;
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
