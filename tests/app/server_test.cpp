// The local record server, run in-process and asked over the loopback interface.

#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <string>
#include <vector>

#include <httplib.h>

#include "app/RecordServer.h"
#include "platform/curl/CurlHttpClient.h"
#include "tests/app/TempFolder.h"

namespace moyo {
namespace {

using app::RecordServer;
using platform::CurlHttpClient;
using platform::HttpResult;

const std::string kNoRecord = "\xb1\xe2\xba\xb8\xb0\xa1\xbe\xf8\xc0\xbd";  // 기보가없음

class RecordServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.Write("numbered/1024.ngf", "numbered game\r\n19\r\n");
    folder_.Write("lee-sedol.gib", "(;EV[Cup];B[pd])");
    folder_.Write("space name.gib", "spaced");
    folder_.Write("secret.txt", "outside the record folder");
    server_ = std::make_unique<RecordServer>(folder_.Path() / "", kNoRecord,
                                             [this](const std::string& line) {
                                               const std::lock_guard lock(logMutex_);
                                               log_.push_back(line);
                                             });
    port_ = server_->Bind("127.0.0.1", 0);
    ASSERT_GT(port_, 0);
    server_->Start();
  }

  HttpResult Get(const std::string& path) {
    return client_.Get("http://127.0.0.1:" + std::to_string(port_) + path);
  }

  test::TempFolder folder_;
  std::unique_ptr<RecordServer> server_;
  int port_ = -1;
  CurlHttpClient client_;
  std::mutex logMutex_;
  std::vector<std::string> log_;
};

TEST_F(RecordServerTest, RecordScriptAnswersKnownNumbersAndSaysSoForUnknownOnes) {
  const HttpResult known = Get("/moyoscope/getgibo.php?snum=1024");
  ASSERT_TRUE(known.ok) << known.error;
  EXPECT_EQ(known.body, "numbered game\r\n19\r\n");

  // An unknown number, a missing one and one that tries to leave the folder all
  // get a normal page that says there is no such record.
  for (const char* query : {"?snum=7", "", "?snum=", "?snum=..%2F..%2Fsecret", "?snum=1024x"}) {
    const HttpResult unknown = Get(std::string("/moyoscope/getgibo.php") + query);
    ASSERT_TRUE(unknown.ok) << query << ": " << unknown.error;
    EXPECT_EQ(unknown.body, kNoRecord) << query;
  }
}

TEST_F(RecordServerTest, RecordFolderServesNamesAndRefusesPathsOutOfIt) {
  const HttpResult named = Get("/dizuze/gibo/lee-sedol.gib");
  ASSERT_TRUE(named.ok) << named.error;
  EXPECT_EQ(named.body, "(;EV[Cup];B[pd])");
  const HttpResult spaced = Get("/dizuze/gibo/space%20name.gib");
  ASSERT_TRUE(spaced.ok) << spaced.error;
  EXPECT_EQ(spaced.body, "spaced");

  for (const char* path :
       {"/dizuze/gibo/missing.gib", "/dizuze/gibo/", "/dizuze/gibo/numbered/1024.ngf",
        "/dizuze/gibo/numbered%2F1024.ngf", "/dizuze/gibo/..%2Fsecret.txt", "/dizuze/gibo/..",
        "/dizuze/gibo/numbered", "/other/lee-sedol.gib"}) {
    const HttpResult refused = Get(path);
    EXPECT_FALSE(refused.ok) << path;
    EXPECT_EQ(refused.status, 404) << path;
  }
}

TEST_F(RecordServerTest, AnswersConcurrentRequestsAndLogsEachOnce) {
  std::vector<std::future<HttpResult>> pending;
  for (int i = 0; i < 8; ++i) {
    pending.push_back(std::async(std::launch::async, [this] {
      return CurlHttpClient().Get("http://127.0.0.1:" + std::to_string(port_) +
                                  "/dizuze/gibo/lee-sedol.gib");
    }));
  }
  for (auto& answer : pending) EXPECT_TRUE(answer.get().ok);
  server_->Stop();

  ASSERT_EQ(log_.size(), 8u);
  EXPECT_NE(log_[0].find("GET /dizuze/gibo/lee-sedol.gib"), std::string::npos) << log_[0];
  EXPECT_NE(log_[0].find(" 200 "), std::string::npos) << log_[0];
}

TEST(RecordServerWebBundle, ServesTheBundleWithContentTypesBrowsersRequire) {
  test::TempFolder records, bundle;
  bundle.Write("moyoscope.js", "// script");
  bundle.Write("moyoscope.wasm", std::string("\0asm", 4));
  bundle.Write("index.html", "<!DOCTYPE html>");
  bundle.Write("fonts/NanumGothic.woff2", "wOF2");
  bundle.Write("artwork/bs26.png", "\x89PNG");
  records.Write("game.gib", "(;EV[Cup])");
  RecordServer server(records.Path(), kNoRecord);
  ASSERT_TRUE(server.ServeWebBundle(bundle.Path()));
  EXPECT_FALSE(RecordServer(records.Path(), kNoRecord).ServeWebBundle(bundle.Path() / "none"));
  const int port = server.Bind("127.0.0.1", 0);
  ASSERT_GT(port, 0);
  server.Start();

  httplib::Client client("127.0.0.1", port);
  struct Case {
    const char* path;
    const char* type;
  };
  // Streaming compilation of a module needs exactly application/wasm.
  for (const Case& c : {Case{"/moyoscope/web/moyoscope.wasm", "application/wasm"},
                        Case{"/moyoscope/web/moyoscope.js", "text/javascript; charset=utf-8"},
                        Case{"/moyoscope/web/", "text/html; charset=utf-8"},
                        Case{"/moyoscope/web/fonts/NanumGothic.woff2", "font/woff2"},
                        Case{"/moyoscope/web/artwork/bs26.png", "image/png"}}) {
    const auto answer = client.Get(c.path);
    ASSERT_TRUE(answer) << c.path;
    EXPECT_EQ(answer->status, 200) << c.path;
    EXPECT_EQ(answer->get_header_value("Content-Type"), c.type) << c.path;
  }
  EXPECT_EQ(client.Get("/moyoscope/web/moyoscope.wasm")->body, std::string("\0asm", 4));
  // Browsers offer Brotli, which the library runs at its slowest setting: they get
  // gzip, and a client offering Brotli alone gets the script as it is.
  const auto encodingFor = [&](const char* offered) {
    const auto answer = client.Get("/moyoscope/web/moyoscope.js", {{"Accept-Encoding", offered}});
    return answer ? answer->get_header_value("Content-Encoding") : "no answer";
  };
  EXPECT_EQ(encodingFor("gzip, deflate, br"), "gzip");
  EXPECT_EQ(encodingFor("br"), "");
  // The record roads are unchanged beside it, and nothing leaves the bundle.
  EXPECT_EQ(client.Get("/dizuze/gibo/game.gib")->body, "(;EV[Cup])");
  EXPECT_EQ(client.Get("/moyoscope/web/../web/index.html")->status, 404);
  EXPECT_EQ(client.Get("/moyoscope/web/missing.js")->status, 404);
  server.Stop();
}

TEST(RecordServerNames, OnlyPlainFileNamesAreServable) {
  EXPECT_TRUE(app::IsServableRecordName("game.gib"));
  EXPECT_TRUE(app::IsServableRecordName("\xb1\xe2\xba\xb8.ngf"));  // Korean bytes are fine
  EXPECT_TRUE(app::IsServableRecordName("a.b.c"));
  for (const char* name : {"", "..", "a/b", "..\\x", "a\\b", "x..y", "tab\tname"}) {
    EXPECT_FALSE(app::IsServableRecordName(name)) << name;
  }
}

TEST(RecordServerBinding, StopsCleanlyWithoutEverServing) {
  test::TempFolder folder;
  RecordServer server(folder.Path(), "none");
  server.Stop();  // never started: nothing to join
  EXPECT_GT(server.Bind("127.0.0.1", 0), 0);
}

}  // namespace
}  // namespace moyo
