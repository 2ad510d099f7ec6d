#include "resources/TocWave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace moyo {
namespace {

constexpr int kRate = 22050;
constexpr int kSamples = 1801;  // 44 header bytes + 2 x 1801 sample bytes = 3646

void PutLe(std::string& out, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A stone meeting wood: a sharp attack, two damped body resonances and a
// breath of noise, all gone within about 80 milliseconds.
std::string Synthesize() {
  std::string wave;
  wave.reserve(44 + 2 * kSamples);
  wave += "RIFF";
  PutLe(wave, 36 + 2 * kSamples, 4);
  wave += "WAVEfmt ";
  PutLe(wave, 16, 4);
  PutLe(wave, 1, 2);  // PCM
  PutLe(wave, 1, 2);  // mono
  PutLe(wave, kRate, 4);
  PutLe(wave, kRate * 2, 4);
  PutLe(wave, 2, 2);
  PutLe(wave, 16, 2);
  wave += "data";
  PutLe(wave, 2 * kSamples, 4);

  constexpr double kPi = 3.14159265358979323846;
  std::uint32_t noise = 12345;
  for (int i = 0; i < kSamples; ++i) {
    const double t = static_cast<double>(i) / kRate;
    noise = noise * 1664525u + 1013904223u;
    const double hiss = (static_cast<double>(noise >> 8) / (1u << 24) - 0.5) * std::exp(-t * 400);
    const double body = 0.55 * std::sin(2 * kPi * 1900 * t) * std::exp(-t * 90) +
                        0.35 * std::sin(2 * kPi * 3400 * t) * std::exp(-t * 140);
    const double attack = std::min(1.0, t * kRate / 12.0);
    const double value = std::clamp(attack * (body + 0.6 * hiss), -1.0, 1.0);
    PutLe(wave, static_cast<std::uint16_t>(static_cast<std::int16_t>(value * 26000)), 2);
  }
  return wave;
}

}  // namespace

const std::string& TocWave() {
  static const std::string wave = Synthesize();
  return wave;
}

}  // namespace moyo
