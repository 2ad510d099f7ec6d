// The local record server, run in-process and asked over the loopback interface.

#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <string>
#include <vector>

#include <httplib.h>

#include "app/FileValidators.h"
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
  // Declared before the server, which logs into them until it is destroyed.
  std::mutex logMutex_;
  std::vector<std::string> log_;
  std::unique_ptr<RecordServer> server_;
  int port_ = -1;
  CurlHttpClient client_;
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

class RecordServerWebBundle : public ::testing::Test {
 protected:
  void SetUp() override {
    bundle_.Write("moyoscope.js", "// script");
    bundle_.Write("moyoscope.wasm", std::string("\0asm", 4));
    bundle_.Write("index.html", "<!DOCTYPE html>");
    bundle_.Write("fonts/NanumGothic.woff2", "wOF2");
    bundle_.Write("artwork/bs26.png", "\x89PNG");
    records_.Write("game.gib", "(;EV[Cup])");
    ASSERT_TRUE(server_.ServeWebBundle(bundle_.Path()));
    const int port = server_.Bind("127.0.0.1", 0);
    ASSERT_GT(port, 0);
    server_.Start();
    client_ = std::make_unique<httplib::Client>("127.0.0.1", port);
  }

  httplib::Result Get(const std::string& path, const httplib::Headers& headers = {}) {
    return client_->Get(path.c_str(), headers);
  }

  test::TempFolder records_, bundle_;
  RecordServer server_{records_.Path(), kNoRecord};
  std::unique_ptr<httplib::Client> client_;
};

TEST_F(RecordServerWebBundle, ServesTheBundleWithContentTypesBrowsersRequire) {
  EXPECT_FALSE(RecordServer(records_.Path(), kNoRecord).ServeWebBundle(bundle_.Path() / "none"));
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
    const auto answer = Get(c.path);
    ASSERT_TRUE(answer) << c.path;
    EXPECT_EQ(answer->status, 200) << c.path;
    EXPECT_EQ(answer->get_header_value("Content-Type"), c.type) << c.path;
  }
  EXPECT_EQ(Get("/moyoscope/web/moyoscope.wasm")->body, std::string("\0asm", 4));
  EXPECT_EQ(Get("/moyoscope/web")->get_header_value("Location"), "/moyoscope/web/");
  // Browsers offer Brotli, which the library runs at its slowest setting: they get
  // gzip, and a client offering Brotli alone gets the script as it is.
  const auto encodingFor = [&](const char* offered) {
    const auto answer = Get("/moyoscope/web/moyoscope.js", {{"Accept-Encoding", offered}});
    return answer ? answer->get_header_value("Content-Encoding") : "no answer";
  };
  EXPECT_EQ(encodingFor("gzip, deflate, br"), "gzip");
  EXPECT_EQ(encodingFor("br"), "");
  EXPECT_EQ(Get("/dizuze/gibo/game.gib")->body, "(;EV[Cup])");
}

TEST_F(RecordServerWebBundle, NothingOutsideTheBundleIsServed) {
  // The records folder lies beside the bundle: "../records/game.gib" would reach it.
  const std::string outside = records_.Path().filename().string() + "/game.gib";
  const std::vector<std::string> paths = {
      "/moyoscope/web/../web/index.html",
      "/moyoscope/web/%2e%2e/" + outside,
      "/moyoscope/web/fonts/%2E%2E/%2e%2e/" + outside,
      "/moyoscope/web/..%2f" + outside,
      "/moyoscope/web/" + records_.Path().string() + "/game.gib",
      "/moyoscope/web/missing.js",
      "/moyoscope/web/fonts",
      "/moyoscope/web/fonts/"};
  for (const std::string& path : paths) {
    const auto answer = Get(path);
    ASSERT_TRUE(answer) << path;
    EXPECT_EQ(answer->status, 404) << path;
  }
}

TEST_F(RecordServerWebBundle, BrowsersKeepFilesAndAskWhetherTheyChanged) {
  const auto first = Get("/moyoscope/web/moyoscope.wasm");
  ASSERT_TRUE(first);
  const std::string tag = first->get_header_value("ETag");
  const std::string modified = first->get_header_value("Last-Modified");
  EXPECT_TRUE(tag.starts_with('"') && tag.ends_with('"')) << tag;
  EXPECT_TRUE(app::ParseHttpDate(modified)) << modified;
  EXPECT_EQ(first->get_header_value("Cache-Control"), "no-cache");

  for (const httplib::Headers& held : {httplib::Headers{{"If-None-Match", tag}},
                                       httplib::Headers{{"If-None-Match", "\"old\", W/" + tag}},
                                       httplib::Headers{{"If-Modified-Since", modified}}}) {
    const auto again = Get("/moyoscope/web/moyoscope.wasm", held);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->status, 304);
    EXPECT_EQ(again->body, "");
    EXPECT_FALSE(again->has_header("Content-Length"));
    EXPECT_EQ(again->get_header_value("ETag"), tag);
  }
  // The tag decides when there is one, whatever the date says.
  EXPECT_EQ(Get("/moyoscope/web/moyoscope.wasm",
                {{"If-None-Match", "\"old\""}, {"If-Modified-Since", modified}})
                ->status,
            200);

  // The script goes out gzipped under a tag of its own, and either tag revalidates it.
  const httplib::Headers gzip{{"Accept-Encoding", "gzip"}};
  const auto script = Get("/moyoscope/web/moyoscope.js", gzip);
  ASSERT_TRUE(script);
  const std::string scriptTag = script->get_header_value("ETag");
  EXPECT_NE(scriptTag, Get("/moyoscope/web/moyoscope.js")->get_header_value("ETag"));
  EXPECT_EQ(script->get_header_value("Vary"), "Accept-Encoding");
  EXPECT_EQ(Get("/moyoscope/web/moyoscope.js", {{"If-None-Match", scriptTag}})->status, 304);

  bundle_.Write("moyoscope.wasm", std::string("\0asm\1\0\0\0", 8));
  const auto rebuilt = Get("/moyoscope/web/moyoscope.wasm", {{"If-None-Match", tag}});
  ASSERT_TRUE(rebuilt);
  EXPECT_EQ(rebuilt->status, 200);
  EXPECT_EQ(rebuilt->body, std::string("\0asm\1\0\0\0", 8));
  EXPECT_NE(rebuilt->get_header_value("ETag"), tag);
  EXPECT_EQ(rebuilt->get_header_value("Content-Type"), "application/wasm");
}

TEST_F(RecordServerWebBundle, RangesAreOfTheFileAsItIsNow) {
  const auto head = client_->Head("/moyoscope/web/moyoscope.js");
  ASSERT_TRUE(head);
  EXPECT_EQ(head->status, 200);
  EXPECT_EQ(head->get_header_value("Content-Length"), "9");
  const std::string tag = head->get_header_value("ETag");
  EXPECT_FALSE(tag.empty());

  // A range is cut from the bytes of the file, never from a compressed copy.
  const auto part = Get("/moyoscope/web/moyoscope.js",
                        {{"Range", "bytes=3-8"}, {"Accept-Encoding", "gzip"}, {"If-Range", tag}});
  ASSERT_TRUE(part);
  EXPECT_EQ(part->status, 206);
  EXPECT_EQ(part->body, "script");
  EXPECT_EQ(part->get_header_value("Content-Encoding"), "");
  // Held under an older tag, the range would splice two versions: the whole file comes.
  const auto whole =
      Get("/moyoscope/web/moyoscope.js", {{"Range", "bytes=3-8"}, {"If-Range", "\"old\""}});
  ASSERT_TRUE(whole);
  EXPECT_EQ(whole->status, 200);
  EXPECT_EQ(whole->body, "// script");
}

TEST(RecordServerValidators, HttpDatesAndTagLists) {
  EXPECT_EQ(app::FormatHttpDate(784111777), "Sun, 06 Nov 1994 08:49:37 GMT");
  EXPECT_EQ(app::ParseHttpDate("Sun, 06 Nov 1994 08:49:37 GMT"), 784111777);
  for (const char* text : {"", "Sunday, 06-Nov-94 08:49:37 GMT", "Sun Nov  6 08:49:37 1994",
                           "Sun, 06 Nox 1994 08:49:37 GMT", "Sun, 06 Nov 1994 08:49:37 UTC",
                           "Sun, 0x Nov 1994 08:49:37 GMT"}) {
    EXPECT_FALSE(app::ParseHttpDate(text)) << text;
  }
  EXPECT_TRUE(app::ListsEntityTag(" \"a\" ,W/\"b\"", {"\"c\"", "\"b\""}));
  EXPECT_TRUE(app::ListsEntityTag("*", {"\"c\""}));
  EXPECT_FALSE(app::ListsEntityTag("\"a\", \"b", {"\"b\"", "\"a"}));
  EXPECT_FALSE(app::ListsEntityTag("", {"\"a\""}));
}

TEST(RecordServerFiles, ReadsWholeFilesAndNothingElse) {
  test::TempFolder folder;
  std::string bytes(100000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  folder.Write("big.bin", bytes);
  folder.Write("empty.gib", "");
  EXPECT_EQ(app::ReadWholeFile(folder.Path() / "big.bin"), bytes);
  EXPECT_EQ(app::ReadWholeFile(folder.Path() / "empty.gib"), "");
  EXPECT_FALSE(app::ReadWholeFile(folder.Path() / "missing.gib"));
  EXPECT_FALSE(app::ReadWholeFile(folder.Path()));
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
