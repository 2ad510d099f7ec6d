// The HTTP client against real servers on the loopback interface.

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/curl/CurlHttpClient.h"
#include "tests/app/LoopbackServer.h"

namespace moyo {
namespace {

using platform::CurlHttpClient;
using platform::HttpLimits;
using platform::HttpResult;
using test::LoopbackServer;

TEST(HttpClient, SendsExactlyTheServiceHeadersAndReturnsTheBodyBytes) {
  LoopbackServer server;
  httplib::Headers seen;
  const std::string body("\xb1\xe2\xba\xb8\0\r\n", 7);  // CP949 bytes and a NUL survive
  server.http.Get("/r", [&](const httplib::Request& req, httplib::Response& res) {
    seen = req.headers;
    res.set_content(body, "text/plain");
  });
  server.Start();

  const HttpResult result = CurlHttpClient().Get(server.Url("/r"));
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.status, 200);
  EXPECT_EQ(result.body, body);

  // cpp-httplib adds pseudo headers of its own (REMOTE_ADDR, LOCAL_PORT, ...).
  std::erase_if(seen,
                [](const auto& header) { return header.first.find('_') != std::string::npos; });
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen.count("Host"), 1u);
  ASSERT_EQ(seen.count("Accept"), 1u);
  EXPECT_EQ(seen.find("Accept")->second, "text/html, */*");
  ASSERT_EQ(seen.count("User-Agent"), 1u);
  EXPECT_EQ(seen.find("User-Agent")->second, "Mozilla/3.0 (compatible; Indy Library)");
}

TEST(HttpClient, FollowsRedirectsButOnlyToWebAddresses) {
  LoopbackServer server;
  server.http.Get(
      "/old", [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/new"); });
  server.http.Get("/new", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("moved here", "text/plain");
  });
  server.http.Get("/file", [](const httplib::Request&, httplib::Response& res) {
    res.set_redirect("file:///etc/passwd");
  });
  server.Start();

  CurlHttpClient client;
  const HttpResult moved = client.Get(server.Url("/old"));
  ASSERT_TRUE(moved.ok) << moved.error;
  EXPECT_EQ(moved.body, "moved here");

  const HttpResult file = client.Get(server.Url("/file"));
  EXPECT_FALSE(file.ok);
  EXPECT_TRUE(file.body.empty());
  EXPECT_FALSE(client.Get("file:///etc/passwd").ok);
}

TEST(HttpClient, EveryStatusOutsideTwoHundredsFailsWithItsNumber) {
  LoopbackServer server;
  server.http.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
    res.status = 404;
    res.set_content("no such record", "text/plain");
  });
  server.http.Get("/broken",
                  [](const httplib::Request&, httplib::Response& res) { res.status = 500; });
  server.http.Get("/empty",
                  [](const httplib::Request&, httplib::Response& res) { res.status = 204; });
  server.Start();

  CurlHttpClient client;
  const HttpResult missing = client.Get(server.Url("/missing"));
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.status, 404);
  EXPECT_NE(missing.error.find("404"), std::string::npos) << missing.error;
  EXPECT_TRUE(missing.body.empty());

  const HttpResult broken = client.Get(server.Url("/broken"));
  EXPECT_FALSE(broken.ok);
  EXPECT_NE(broken.error.find("500"), std::string::npos) << broken.error;

  const HttpResult empty = client.Get(server.Url("/empty"));
  EXPECT_TRUE(empty.ok) << empty.error;
  EXPECT_TRUE(empty.body.empty());
}

TEST(HttpClient, ClosedPortStallAndOversizeBodyFailWithAReason) {
  LoopbackServer server;
  server.http.Get("/stall", [](const httplib::Request&, httplib::Response& res) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    res.set_content("too late", "text/plain");
  });
  server.http.Get("/big", [](const httplib::Request&, httplib::Response& res) {
    res.set_content(std::string(4096, 'x'), "text/plain");
  });
  server.http.Get("/bigchunked", [](const httplib::Request&, httplib::Response& res) {
    // No length announced: the limit must hold while the body streams in.
    res.set_chunked_content_provider("text/plain", [](size_t, httplib::DataSink& sink) {
      const std::string chunk(1000, 'y');
      for (int i = 0; i < 8; ++i) sink.write(chunk.data(), chunk.size());
      sink.done();
      return true;
    });
  });
  server.Start();

  HttpLimits limits;
  limits.totalTimeout = std::chrono::milliseconds(300);
  limits.maxBodyBytes = 2048;
  CurlHttpClient client(limits);

  const auto started = std::chrono::steady_clock::now();
  const HttpResult stalled = client.Get(server.Url("/stall"));
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1400));
  EXPECT_FALSE(stalled.ok);
  EXPECT_FALSE(stalled.error.empty());

  for (const char* path : {"/big", "/bigchunked"}) {
    const HttpResult big = client.Get(server.Url(path));
    EXPECT_FALSE(big.ok) << path;
    EXPECT_NE(big.error.find("larger than 2048"), std::string::npos) << big.error;
    EXPECT_TRUE(big.body.empty());
  }

  const int closedPort = test::UnusedLoopbackPort();
  const HttpResult refused = client.Get("http://127.0.0.1:" + std::to_string(closedPort) + "/x");
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.status, 0);
  EXPECT_NE(refused.error.find("127.0.0.1"), std::string::npos) << refused.error;
}

TEST(HttpClient, BodyOfExactlyTheLimitIsAccepted) {
  LoopbackServer server;
  server.http.Get("/edge", [](const httplib::Request&, httplib::Response& res) {
    res.set_content(std::string(2048, 'z'), "text/plain");
  });
  server.Start();
  HttpLimits limits;
  limits.maxBodyBytes = 2048;
  const HttpResult result = CurlHttpClient(limits).Get(server.Url("/edge"));
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.body.size(), 2048u);
}

}  // namespace
}  // namespace moyo
