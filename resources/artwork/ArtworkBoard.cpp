// The kaya board's wood and the shadow along its right and bottom edges.

#include <QColor>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "resources/artwork/ArtworkPainters.h"

namespace moyo::artwork {
namespace {

// The panel colour the board's shadow falls on.
constexpr int kPanel = 229;

// A random profile across the tile, smoothed with wrap-around so that it
// continues seamlessly into the next tile.
std::vector<double> WrappedProfile(int width, int radius, std::mt19937& random) {
  std::uniform_real_distribution<double> spread(-1.0, 1.0);
  std::vector<double> raw(width);
  for (double& v : raw) v = spread(random);
  std::vector<double> smooth(width);
  for (int x = 0; x < width; ++x) {
    double sum = 0;
    for (int k = -radius; k <= radius; ++k) sum += raw[((x + k) % width + width) % width];
    smooth[x] = sum / (2 * radius + 1);
  }
  const double peak = *std::max_element(
      smooth.begin(), smooth.end(), [](double a, double b) { return std::abs(a) < std::abs(b); });
  for (double& v : smooth) v /= std::abs(peak);
  return smooth;
}

double Sample(const std::vector<double>& profile, double x) {
  const int n = static_cast<int>(profile.size());
  const double f = std::floor(x);
  const int i = ((static_cast<int>(f) % n) + n) % n;
  const double t = x - f;
  return profile[i] * (1 - t) + profile[(i + 1) % n] * t;
}

// How dark the shadow is at distance d pixels from the board's edge.
double ShadowDepth(double d) {
  if (d >= 6.5) return 0.0;
  return 0.55 * std::pow(1.0 - d / 6.5, 1.6);
}

QRgb ShadowColour(double depth, bool trial) {
  if (!trial) {
    const int v = static_cast<int>(std::lround(kPanel * (1.0 - depth)));
    return qRgb(v, v, v);
  }
  // Trial mode: the shadow turns teal.
  const double t = std::min(1.0, depth * 1.5);
  return qRgb(static_cast<int>(std::lround(kPanel + (0 - kPanel) * t)),
              static_cast<int>(std::lround(kPanel + (120 - kPanel) * t)),
              static_cast<int>(std::lround(kPanel + (128 - kPanel) * t)));
}

}  // namespace

QImage PaintWood(int width, int height) {
  std::mt19937 random(1971);
  const std::vector<double> fine = WrappedProfile(width, 1, random);
  const std::vector<double> broad = WrappedProfile(width, 5, random);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  // A few darker late-wood lines of the straight grain.
  std::vector<double> lines;
  for (int i = 0; i < 7; ++i) lines.push_back(unit(random) * width);
  std::vector<double> noise(static_cast<std::size_t>(width) * height);
  for (double& v : noise) v = unit(random) - 0.5;

  QImage image(width, height, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < 256; ++i) {
    const double t = i / 255.0;  // dark grain to light wood
    const QColor dark(176, 124, 58), mid(220, 174, 102), light(240, 204, 140);
    const QColor& a = t < 0.6 ? dark : mid;
    const QColor& b = t < 0.6 ? mid : light;
    const double u = t < 0.6 ? t / 0.6 : (t - 0.6) / 0.4;
    table.push_back(qRgb(static_cast<int>(a.red() + (b.red() - a.red()) * u),
                         static_cast<int>(a.green() + (b.green() - a.green()) * u),
                         static_cast<int>(a.blue() + (b.blue() - a.blue()) * u)));
  }
  image.setColorTable(table);
  for (int y = 0; y < height; ++y) {
    // The grain wanders a little along its length, by whole periods of the tile.
    const double wander = 0.5 * std::sin(2 * M_PI * 2 * y / height + 0.7) +
                          0.2 * std::sin(2 * M_PI * 5 * y / height + 2.1);
    for (int x = 0; x < width; ++x) {
      const double xs = x + wander;
      double v = 0.62 + 0.07 * Sample(fine, xs) + 0.08 * Sample(broad, xs);
      for (double line : lines) {
        double d = std::abs(xs - line);
        d = std::min(d, width - d);
        v -= 0.16 * std::exp(-d * d / 0.5);
      }
      v += 0.035 * noise[static_cast<std::size_t>(y) * width + x];
      image.setPixel(x, y, static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255)));
    }
  }
  return image;
}

QImage PaintEdge(int width, int height, bool trial) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(ShadowColour(0, trial));
  // Right shadow: columns 3.. hold the distance 0..6 from the board; rows 0..4
  // are its top end, fading in, row 4 the piece that repeats down the side.
  const double fadeRows[] = {0.0, 0.15, 0.45, 0.8, 1.0};
  for (int y = 0; y < 5; ++y)
    for (int x = 3; x < width; ++x)
      image.setPixel(x, y, ShadowColour(ShadowDepth(x - 3) * fadeRows[y], trial));
  // Bottom shadow: rows 5.. hold the distance; columns 0..2 its left end,
  // column 2 the piece that repeats along the bottom.
  const double fadeColumns[] = {0.3, 0.7, 1.0};
  for (int y = 5; y < height; ++y)
    for (int x = 0; x < 3; ++x)
      image.setPixel(x, y, ShadowColour(ShadowDepth(y - 5) * fadeColumns[x], trial));
  // The corner rounds the two shadows into each other.
  for (int y = 5; y < height; ++y)
    for (int x = 3; x < width; ++x)
      image.setPixel(x, y, ShadowColour(ShadowDepth(std::hypot(x - 3, y - 5)), trial));
  return image;
}

}  // namespace moyo::artwork
