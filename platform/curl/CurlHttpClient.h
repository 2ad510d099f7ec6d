#pragma once
// The HTTP client over libcurl's easy interface.

#include "platform/HttpClient.h"

namespace moyo::platform {

// Sends the service's two request headers, never uses a proxy, verifies HTTPS
// and refuses bodies beyond the limit. Safe to use from one thread at a time.
class CurlHttpClient : public HttpClient {
 public:
  explicit CurlHttpClient(HttpLimits limits = {});

  HttpResult Get(const std::string& url) override;

 private:
  HttpLimits limits_;
};

}  // namespace moyo::platform
