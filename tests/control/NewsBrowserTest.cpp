// The real news browser: a CP949 page from a loopback server shows as Korean text.

#include <gtest/gtest.h>
#include <httplib.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <thread>

#include "control/TNewsView.h"
#include "platform/Text.h"

namespace moyo {
namespace {

TEST(NewsBrowser, ShowsAServiceCp949PageAsKoreanText) {
  const std::string page = platform::Utf8ToCp949(
      "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=euc-kr\">"
      "</head><body><p>최신뉴스: 모요배 결승 개막</p></body></html>");
  httplib::Server server;
  server.Get("/news.html", [&](const httplib::Request&, httplib::Response& response) {
    response.set_content(page, "text/html");
  });
  const int port = server.bind_to_any_port("127.0.0.1");
  ASSERT_GT(port, 0);
  std::thread serving([&] { server.listen_after_bind(); });

  QWidget parent;
  parent.resize(260, 170);
  const std::unique_ptr<TNewsView> news = MakeWebNewsView(&parent);
  news->Widget()->setGeometry(10, 22, 238, 142);
  parent.show();
  news->Navigate("http://127.0.0.1:" + std::to_string(port) + "/news.html");
  auto* view = dynamic_cast<QWebEngineView*>(news->Widget());
  ASSERT_NE(view, nullptr);
  QString text;
  const bool shown = QTest::qWaitFor(
      [&] {
        view->page()->toPlainText([&](const QString& plain) { text = plain; });
        return text.contains(QString::fromUtf8("최신뉴스: 모요배 결승 개막"));
      },
      20000);
  server.stop();
  serving.join();
  EXPECT_TRUE(shown) << text.toStdString();
  EXPECT_EQ(view->url().toString().toStdString(),
            "http://127.0.0.1:" + std::to_string(port) + "/news.html");
}

}  // namespace
}  // namespace moyo
