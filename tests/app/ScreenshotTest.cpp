// The view command's screenshot: the form cut from its shown window, and the
// quick PNG writer, read back pixel for pixel.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/Screenshot.h"
#include "tests/app/TempFolder.h"

namespace moyo {
namespace {

// Every pixel, compared in one format; the first difference is reported.
void ExpectSamePixels(const QImage& expected, const QImage& actual) {
  ASSERT_EQ(actual.size(), expected.size());
  const QImage a = expected.convertToFormat(QImage::Format_ARGB32);
  const QImage b = actual.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      ASSERT_EQ(a.pixel(x, y), b.pixel(x, y)) << "at " << x << "," << y;
    }
  }
}

TEST(Screenshot, TheFormIsCutFromBelowTheMenusAsGrabPaintsIt) {
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("파일(&F)"));
  auto* holder = new QWidget(&window);
  auto* layout = new QVBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);
  window.setCentralWidget(holder);
  auto* form = new QLabel(QStringLiteral("기보감상 Moyoscope"), holder);
  form->setAutoFillBackground(true);
  QPalette palette = form->palette();
  palette.setColor(QPalette::Window, QColor(229, 229, 229));
  form->setPalette(palette);
  layout->addWidget(form);
  window.resize(320, 200);
  window.show();
  QApplication::processEvents();
  ASSERT_GT(form->mapTo(&window, QPoint(0, 0)).y(), 0) << "the form sits below the menu bar";

  ExpectSamePixels(form->grab().toImage(), app::FormPicture(*form));
}

TEST(Screenshot, QuickPngsReadBackAsWrittenWithAndWithoutAlpha) {
  test::TempFolder folder;
  QImage opaque(67, 41, QImage::Format_RGB32);
  QImage translucent(67, 41, QImage::Format_ARGB32);
  for (int y = 0; y < opaque.height(); ++y) {
    for (int x = 0; x < opaque.width(); ++x) {
      opaque.setPixel(x, y, qRgb(x * 3, y * 5, (x * y) % 256));
      translucent.setPixel(x, y, qRgba(x * 3, y * 5, 200, (x + y * 7) % 256));
    }
  }
  const std::string opaquePath = (folder.Path() / "opaque.png").string();
  const std::string translucentPath = (folder.Path() / "translucent.png").string();
  ASSERT_TRUE(app::WriteQuickPng(opaque, opaquePath));
  ASSERT_TRUE(app::WriteQuickPng(translucent, translucentPath));

  const QImage opaqueRead(QString::fromStdString(opaquePath));
  EXPECT_FALSE(opaqueRead.hasAlphaChannel());
  ExpectSamePixels(opaque, opaqueRead);
  // Premultiplied or not on the way in, straight in the file: the colours survive.
  ExpectSamePixels(translucent, QImage(QString::fromStdString(translucentPath)));
}

TEST(Screenshot, APngThatCannotBeWrittenIsReportedNotCrashedOn) {
  test::TempFolder folder;
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::white);
  EXPECT_FALSE(app::WriteQuickPng(image, (folder.Path() / "missing" / "shot.png").string()));
  EXPECT_FALSE(app::WriteQuickPng(QImage(), (folder.Path() / "empty.png").string()));
  EXPECT_FALSE(app::WriteQuickPng(image, "/dev/full"));
}

}  // namespace
}  // namespace moyo
