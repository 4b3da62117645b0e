#include "detector/earphone.h"

#include <cmath>
#include <complex>

namespace detector {

namespace {

constexpr Real kTwoPi = 6.283185307179586477L;

// Crystal: Z = 300 kΩ·(f/300 Hz)^-a, with a chosen so that Z is 30 kΩ at
// 5 kHz, and a bump of 20 % about 150 Hz wide at 3.7 kHz.
constexpr Real kCrystalKiloohms = 300;
constexpr Real kCrystalHz = 300;
constexpr Real kCrystalEndHz = 5000;
constexpr Real kCrystalEndKiloohms = 30;
constexpr Real kBumpHz = 3700;
constexpr Real kBumpWidthHz = 150;
constexpr Real kBumpHeight = 0.2L;

// Ceramic: the disc's total capacitance gives 50 kΩ at 200 Hz; the motional
// branch resonates in series at 3.2 kHz and, with the disc, in parallel at
// 3.4 kHz, so Cm/C0 = (3.4/3.2)² − 1; its resistance sets the depth of both.
constexpr Real kCeramicLowHz = 200;
constexpr Real kCeramicLowOhms = 50000;
constexpr Real kSeriesResonanceHz = 3200;
constexpr Real kParallelResonanceHz = 3400;
constexpr Real kMotionalOhms = 560;

} // namespace

Real CrystalEarphoneKiloohms(Real hz) {
  const Real slope = std::log(kCrystalKiloohms / kCrystalEndKiloohms) / std::log(kCrystalEndHz / kCrystalHz);
  const Real away = (hz - kBumpHz) / kBumpWidthHz;
  return kCrystalKiloohms * std::pow(hz / kCrystalHz, -slope) * (1 + kBumpHeight * std::exp(-away * away));
}

Real CeramicEarphoneKiloohms(Real hz) {
  using Complex = std::complex<Real>;
  const Real total = 1 / (kTwoPi * kCeramicLowHz * kCeramicLowOhms);
  const Real ratio =
      (kParallelResonanceHz / kSeriesResonanceHz) * (kParallelResonanceHz / kSeriesResonanceHz) - 1;
  const Real c0 = total / (1 + ratio);
  const Real cm = ratio * c0;
  const Real wSeries = kTwoPi * kSeriesResonanceHz;
  const Real lm = 1 / (wSeries * wSeries * cm);
  const Real w = kTwoPi * hz;
  const Complex disc = Complex(0, -1 / (w * c0));
  const Complex motional = Complex(kMotionalOhms, w * lm - 1 / (w * cm));
  return std::abs(disc * motional / (disc + motional)) / 1000;
}

} // namespace detector
