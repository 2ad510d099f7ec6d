// libmoyoscope-news.so: the news panel's browser. Qt WebEngine costs tens of
// milliseconds of loading and hundreds of megabytes once started, so it lives
// in a module of its own that the viewer loads when a host first sets News.

#include <unistd.h>

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QUrl>
#include <QWebEngineView>
#include <cstdlib>
#include <memory>

#include "control/NewsModule.h"
#include "control/TNewsView.h"
#include "platform/qt/QtText.h"

namespace moyo {
namespace {

constexpr int kTimeoutMs = 15'000;
constexpr qint64 kMaxPageBytes = 2 << 20;  // what setHtml takes

// A WebEngine view that fetches the page itself, without blocking the host's
// thread, converts the service's CP949 pages to UTF-8 and shows them with the
// address as their base when they arrive.
class WebNewsView final : public TNewsView {
 public:
  explicit WebNewsView(QWidget* parent) {
    // The browser's sandbox cannot start for the super-user.
    if (geteuid() == 0) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    view_ = new QWebEngineView(parent);
    network_.setTransferTimeout(kTimeoutMs);
  }

  QWidget* Widget() override { return view_; }

  void Navigate(const std::string& address) override {
    // Only the page asked for last is shown; one still on its way is dropped.
    if (QNetworkReply* superseded = pending_) {
      pending_ = nullptr;
      superseded->abort();
    }
    const QUrl base(platform::ToQt(address));
    QNetworkReply* reply = network_.get(QNetworkRequest(base));
    pending_ = reply;
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply](qint64 received, qint64) {
                       if (received > kMaxPageBytes) reply->abort();
                     });
    QObject::connect(reply, &QNetworkReply::finished, &network_, [this, reply, base] {
      reply->deleteLater();
      if (pending_ != reply || view_.isNull()) return;
      pending_ = nullptr;
      // A page that cannot be fetched shows as an empty one.
      const QByteArray body =
          reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
      view_->setHtml(QString::fromStdString(NewsPageToUtf8(body.toStdString())), base);
    });
  }

 private:
  QPointer<QWebEngineView> view_;  // owned by its parent widget
  QNetworkAccessManager network_;  // its replies end with the view
  QPointer<QNetworkReply> pending_;
};

}  // namespace
}  // namespace moyo

moyo::TNewsView* MoyoscopeCreateNewsView(QWidget* parent) {
  return new moyo::WebNewsView(parent);
}
