#pragma once
// The blocking HTTP GET that downloads game records and news pages.

#include <chrono>
#include <cstddef>
#include <string>

namespace moyo::platform {

// What one GET brought back: the body on success, else a readable reason.
struct HttpResult {
  bool ok = false;
  long status = 0;    // the final HTTP status, 0 when no response arrived
  std::string body;   // the response body bytes, exactly as sent
  std::string error;  // why the request failed; empty on success
};

// Limits of one request. The defaults suit the record servers; tests shorten them.
struct HttpLimits {
  std::chrono::milliseconds connectTimeout{10'000};
  std::chrono::milliseconds totalTimeout{60'000};
  std::size_t maxBodyBytes = 16u << 20;
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;

  // Downloads url, following redirects; any status other than 2xx is a failure.
  virtual HttpResult Get(const std::string& url) = 0;
};

}  // namespace moyo::platform
