#include "platform/curl/CurlHttpClient.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace moyo::platform {
namespace {

// curl_global_init is not thread-safe; run it once for the whole process.
void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Download {
  std::string body;
  std::size_t limit = 0;
  bool tooLarge = false;
};

// Appends a chunk unless it would push the body past the limit, which aborts the transfer.
std::size_t WriteChunk(char* data, std::size_t size, std::size_t count, void* user) {
  auto* download = static_cast<Download*>(user);
  const std::size_t bytes = size * count;
  if (bytes > download->limit - download->body.size()) {
    download->tooLarge = true;
    return 0;
  }
  download->body.append(data, bytes);
  return bytes;
}

struct CurlDeleter {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct SlistDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

HttpResult Failure(std::string error, long status = 0) {
  HttpResult result;
  result.status = status;
  result.error = std::move(error);
  return result;
}

}  // namespace

CurlHttpClient::CurlHttpClient(HttpLimits limits) : limits_(limits) {
  InitCurlOnce();
}

HttpResult CurlHttpClient::Get(const std::string& url) {
  std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
  if (!curl) return Failure("cannot start an HTTP request");

  // The record servers expect these two headers; curl adds only Host to them.
  curl_slist* headers = curl_slist_append(nullptr, "Accept: text/html, */*");
  headers = curl_slist_append(headers, "User-Agent: Mozilla/3.0 (compatible; Indy Library)");
  std::unique_ptr<curl_slist, SlistDeleter> headerList(headers);
  if (!headers) return Failure("cannot start an HTTP request");

  Download download;
  download.limit = limits_.maxBodyBytes;
  char errorText[CURL_ERROR_SIZE] = {};

  CURL* h = curl.get();
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(h, CURLOPT_PROXY, "");
  curl_easy_setopt(h, CURLOPT_NOPROXY, "*");
  // Only web addresses: a redirect must not reach local files or other schemes.
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(h, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits_.connectTimeout.count()));
  curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.totalTimeout.count()));
  curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits_.maxBodyBytes));
  // Time-outs by signal would disturb the host's threads.
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, WriteChunk);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &download);
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);

  const CURLcode code = curl_easy_perform(h);
  long status = 0;
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);

  if (download.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
    return Failure("the response from " + url + " is larger than " +
                       std::to_string(limits_.maxBodyBytes) + " bytes",
                   status);
  }
  if (code != CURLE_OK) {
    const std::string reason = errorText[0] != '\0' ? errorText : curl_easy_strerror(code);
    return Failure("cannot download " + url + ": " + reason, status);
  }
  if (status < 200 || status > 299) {
    return Failure("the server answered " + url + " with HTTP status " + std::to_string(status),
                   status);
  }

  HttpResult result;
  result.ok = true;
  result.status = status;
  result.body = std::move(download.body);
  return result;
}

}  // namespace moyo::platform
