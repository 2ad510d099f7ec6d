// The real news browser, from its own module: a CP949 page from a loopback
// server shows as Korean text, fetched without blocking the caller.

#include <gtest/gtest.h>
#include <httplib.h>

#include <QApplication>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "control/TNewsView.h"
#include "platform/Text.h"

namespace moyo {
namespace {

// One browser for every test, as the viewer keeps one for its life: Qt
// WebEngine offscreen does not survive a new view after a shown one is gone.
struct SharedBrowser {
  QWidget parent;
  std::unique_ptr<TNewsView> news;
  QWebEngineView* view = nullptr;
};

SharedBrowser& Browser() {
  static SharedBrowser* browser = [] {
    auto* made = new SharedBrowser;  // kept until the process ends
    made->parent.resize(260, 170);
    made->news = MakeWebNewsView(&made->parent);
    if (made->news) {
      made->news->Widget()->setGeometry(10, 22, 238, 142);
      made->view = dynamic_cast<QWebEngineView*>(made->news->Widget());
    }
    made->parent.show();
    return made;
  }();
  return *browser;
}

// Waits until the browser's text holds `wanted`; the text it last had otherwise.
bool Shows(const QString& wanted, QString& text) {
  return QTest::qWaitFor(
      [&] {
        Browser().view->page()->toPlainText([&](const QString& plain) { text = plain; });
        return text.contains(wanted);
      },
      60000);
}

// A loopback server for the tests' pages, stopped when it goes.
class PageServer {
 public:
  PageServer() {
    port_ = http.bind_to_any_port("127.0.0.1");
    serving_ = std::thread([this] { http.listen_after_bind(); });
  }
  ~PageServer() {
    http.stop();
    serving_.join();
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  httplib::Server http;

 private:
  int port_ = -1;
  std::thread serving_;
};

TEST(NewsBrowser, ShowsAServiceCp949PageAsKoreanText) {
  ASSERT_NE(Browser().view, nullptr);
  const std::string page = platform::Utf8ToCp949(
      "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=euc-kr\">"
      "</head><body><p>최신뉴스: 모요배 결승 개막</p></body></html>");
  PageServer server;
  server.http.Get("/news.html", [&](const httplib::Request&, httplib::Response& response) {
    response.set_content(page, "text/html");
  });
  Browser().news->Navigate(server.Url("/news.html"));
  QString text;
  EXPECT_TRUE(Shows(QString::fromUtf8("최신뉴스: 모요배 결승 개막"), text)) << text.toStdString();
  EXPECT_EQ(Browser().view->url().toString().toStdString(), server.Url("/news.html"));
}

TEST(NewsBrowser, NavigateReturnsAtOnceAndShowsThePageWhenItArrives) {
  ASSERT_NE(Browser().view, nullptr);
  // The server holds the request until the test lets it answer.
  std::mutex lock;
  std::condition_variable changed;
  bool mayAnswer = false;
  PageServer server;
  server.http.Get("/slow.html", [&](const httplib::Request&, httplib::Response& response) {
    std::unique_lock<std::mutex> held(lock);
    changed.wait_for(held, std::chrono::seconds(30), [&] { return mayAnswer; });
    response.set_content(platform::Utf8ToCp949("<p>늦은 소식</p>"), "text/html");
  });

  const auto started = std::chrono::steady_clock::now();
  Browser().news->Navigate(server.Url("/slow.html"));
  const auto returned = std::chrono::steady_clock::now();
  {
    std::lock_guard<std::mutex> held(lock);
    EXPECT_FALSE(mayAnswer);
    mayAnswer = true;
  }
  changed.notify_all();
  EXPECT_LT(returned - started, std::chrono::seconds(5)) << "Navigate waited for the server";
  QString text;
  EXPECT_TRUE(Shows(QString::fromUtf8("늦은 소식"), text)) << text.toStdString();
}

}  // namespace
}  // namespace moyo
