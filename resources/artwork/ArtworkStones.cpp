// Stones lit from the upper left: slate black with a soft sheen, and white
// with the warm tone and faint bands of clamshell.

#include <algorithm>
#include <array>
#include <cmath>

#include "resources/artwork/ArtworkPainters.h"

namespace moyo::artwork {
namespace {

constexpr int kSamples = 4;  // sub-samples a pixel side for the disc's edge

struct Colour {
  double r, g, b;
};

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A ramp of colours from the shadowed rim (0) to the highlight (1).
template <std::size_t N>
Colour Ramp(const std::array<std::pair<double, Colour>, N>& stops, double t) {
  t = std::clamp(t, 0.0, 1.0);
  for (std::size_t i = 1; i < N; ++i) {
    if (t <= stops[i].first) {
      const double span = stops[i].first - stops[i - 1].first;
      return Mix(stops[i - 1].second, stops[i].second, (t - stops[i - 1].first) / span);
    }
  }
  return stops[N - 1].second;
}

constexpr std::array<std::pair<double, Colour>, 4> kSlate{{
    {0.0, {6, 6, 8}},
    {0.45, {30, 31, 35}},
    {0.8, {62, 64, 70}},
    {1.0, {150, 153, 160}},
}};

constexpr std::array<std::pair<double, Colour>, 5> kShell{{
    {0.0, {128, 122, 112}},
    {0.35, {188, 182, 168}},
    {0.65, {228, 223, 209}},
    {0.85, {244, 241, 232}},
    {1.0, {255, 255, 253}},
}};

double Radius(int cell) {
  return cell / 2.0 - 0.35;
}

// Brightness 0..1 of the stone's surface at (x, y): a flattened lens lit
// from the upper left, with a highlight where the light reflects.
double Shade(bool white, int cell, double x, double y) {
  const double r = Radius(cell);
  const double dx = (x - cell / 2.0) / r;
  const double dy = (y - cell / 2.0) / r;
  const double d2 = std::min(1.0, dx * dx + dy * dy);
  const double nz = std::sqrt(1.0 - d2) * 1.6;
  const double len = std::sqrt(dx * dx + dy * dy + nz * nz);
  const double nx = dx / len, ny = dy / len, nzz = nz / len;
  // Light from the upper left and somewhat in front.
  const double lx = -0.45, ly = -0.55, lz = 0.70;
  const double diffuse = std::max(0.0, nx * lx + ny * ly + nzz * lz);
  // Half-vector towards the viewer for the highlight.
  const double hx = lx, hy = ly, hz = lz + 1.0;
  const double hl = std::sqrt(hx * hx + hy * hy + hz * hz);
  const double facing = std::max(0.0, (nx * hx + ny * hy + nzz * hz) / hl);
  if (white) {
    const double band = 0.012 * std::sin((y / cell) * 2 * M_PI * 7.0 + dx * 1.5);
    const double gloss = std::pow(facing, 40.0);
    return 0.22 + 0.62 * diffuse + 0.25 * gloss + (cell >= 24 ? band : 0.0);
  }
  const double sheen = std::pow(facing, 18.0);
  return 0.25 + 0.30 * diffuse + 0.62 * sheen;
}

}  // namespace

bool OnStoneDisc(int cell, int x, int y) {
  const double r = Radius(cell);
  const double c = cell / 2.0;
  int inside = 0;
  for (int i = 0; i < kSamples; ++i) {
    for (int j = 0; j < kSamples; ++j) {
      const double sx = x + (i + 0.5) / kSamples - c;
      const double sy = y + (j + 0.5) / kSamples - c;
      inside += sx * sx + sy * sy <= r * r;
    }
  }
  return inside * 2 >= kSamples * kSamples;
}

QImage PaintStone(bool white, int cell) {
  QImage image(cell, cell, QImage::Format_Indexed8);
  // Index 0 is the black outside the disc; 1..255 run along the stone's ramp.
  QList<QRgb> table;
  table.push_back(qRgb(0, 0, 0));
  for (int i = 1; i < 256; ++i) {
    const double t = (i - 1) / 254.0;
    const Colour c = white ? Ramp(kShell, t) : Ramp(kSlate, t);
    table.push_back(qRgb(static_cast<int>(std::lround(c.r)), static_cast<int>(std::lround(c.g)),
                         static_cast<int>(std::lround(c.b))));
  }
  image.setColorTable(table);
  const double r = Radius(cell);
  for (int y = 0; y < cell; ++y) {
    for (int x = 0; x < cell; ++x) {
      if (!OnStoneDisc(cell, x, y)) {
        image.setPixel(x, y, 0);
        continue;
      }
      double sum = 0;
      for (int i = 0; i < kSamples; ++i)
        for (int j = 0; j < kSamples; ++j)
          sum += Shade(white, cell, x + (i + 0.5) / kSamples, y + (j + 0.5) / kSamples);
      double t = sum / (kSamples * kSamples);
      // The outermost ring reads as the stone's rounded edge.
      const double d = std::hypot(x + 0.5 - cell / 2.0, y + 0.5 - cell / 2.0);
      if (d > r - 1.0) t *= white ? 0.72 : 0.6;
      image.setPixel(x, y, 1 + static_cast<int>(std::lround(std::clamp(t, 0.0, 1.0) * 254)));
    }
  }
  return image;
}

QImage PaintStoneMask(int cell) {
  QImage mask(cell, cell, QImage::Format_Mono);
  mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  for (int y = 0; y < cell; ++y)
    for (int x = 0; x < cell; ++x) mask.setPixel(x, y, OnStoneDisc(cell, x, y) ? 1 : 0);
  return mask;
}

}  // namespace moyo::artwork
