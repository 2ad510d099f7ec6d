#include "app/Screenshot.h"

#include <png.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <vector>

namespace moyo::app {
namespace {

// libpng reports errors by a long jump back here, so this function holds no
// object with a destructor. False when libpng gave up.
bool WriteRows(std::FILE* file, const unsigned char* const* rows, int width, int height,
               bool alpha) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(png, 1);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) png_write_row(png, rows[y]);
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

QImage FormPicture(QWidget& form) {
  // Offscreen, the window's backing store already holds what the events just
  // painted, so the picture is cut from it rather than painting the whole form
  // a second time. (At a scale factor the offscreen screen cuts the wrong part:
  // there the form is painted again.)
  if (QGuiApplication::platformName() == QLatin1String("offscreen") &&
      form.devicePixelRatio() == 1) {
    const QPoint at = form.mapTo(form.window(), QPoint(0, 0));
    const QPixmap shown = form.screen()->grabWindow(form.window()->winId(), at.x(), at.y(),
                                                    form.width(), form.height());
    if (!shown.isNull()) return shown.toImage();
  }
  return form.grab().toImage();
}

bool WriteQuickPng(const QImage& image, const std::string& path) {
  if (image.isNull()) return false;
  const bool alpha = image.hasAlphaChannel();
  const QImage bytes =
      image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
  std::vector<const unsigned char*> rows(static_cast<std::size_t>(bytes.height()));
  for (int y = 0; y < bytes.height(); ++y)
    rows[static_cast<std::size_t>(y)] = bytes.constScanLine(y);

  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = WriteRows(file, rows.data(), bytes.width(), bytes.height(), alpha);
  return std::fclose(file) == 0 && written;
}

}  // namespace moyo::app
