#include "control/TNewsView.h"

#include <unistd.h>

#include <QUrl>
#include <QWebEngineView>
#include <cctype>
#include <cstdlib>

#include "platform/Text.h"
#include "platform/curl/CurlHttpClient.h"

namespace moyo {
namespace {

class WebNewsView : public TNewsView {
 public:
  explicit WebNewsView(QWidget* parent) {
    // The browser's sandbox cannot start for the super-user.
    if (geteuid() == 0) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    view_ = new QWebEngineView(parent);
  }

  QWidget* Widget() override { return view_; }

  void Navigate(const std::string& address) override {
    platform::HttpLimits limits;
    limits.connectTimeout = std::chrono::milliseconds(5'000);
    limits.totalTimeout = std::chrono::milliseconds(15'000);
    limits.maxBodyBytes = 2u << 20;  // what setHtml takes
    platform::CurlHttpClient client(limits);
    const QUrl base(QString::fromStdString(platform::Cp949ToUtf8(address)));
    const platform::HttpResult page = client.Get(address);
    view_->setHtml(page.ok ? QString::fromStdString(NewsPageToUtf8(page.body)) : QString(), base);
  }

 private:
  QWebEngineView* view_;  // owned by its parent widget
};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::unique_ptr<TNewsView> MakeWebNewsView(QWidget* parent) {
  return std::make_unique<WebNewsView>(parent);
}

std::string NewsPageToUtf8(const std::string& cp949Body) {
  const std::string html = platform::Cp949ToUtf8(cp949Body);
  // The page still declares its old charset; point the declaration at UTF-8.
  const std::string lower = Lower(html);
  std::string result;
  result.reserve(html.size());
  std::size_t at = 0;
  while (true) {
    std::size_t found = std::string::npos;
    std::size_t length = 0;
    for (const std::string needle : {"charset=euc-kr", "charset=ks_c_5601-1987", "charset=cp949"}) {
      const std::size_t where = lower.find(needle, at);
      if (where < found) {
        found = where;
        length = needle.size();
      }
    }
    if (found == std::string::npos) break;
    result.append(html, at, found - at);
    result += "charset=utf-8";
    at = found + length;
  }
  result.append(html, at, std::string::npos);
  return result;
}

}  // namespace moyo
