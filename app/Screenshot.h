#pragma once
// The screenshot of `moyoscope view --screenshot`: the form as shown, as a PNG file.

#include <QImage>
#include <string>

class QWidget;

namespace moyo::app {

// The form's picture as its window shows it, after the window's events have
// been processed.
QImage FormPicture(QWidget& form);

// Writes `image` to `path` as an 8-bit PNG: RGB, or RGBA (not premultiplied)
// when the image has an alpha channel. Rows go unfiltered at the fastest
// compression: choosing a filter per row costs more than the whole deflate
// and gains nothing on a screen of flat colours. False when it cannot be written.
bool WriteQuickPng(const QImage& image, const std::string& path);

}  // namespace moyo::app
