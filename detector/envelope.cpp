#include "detector/envelope.h"

#include "core/checked.h"
#include "core/format.h"

namespace detector {

using quelm::Div;
using quelm::Product;

namespace {

// 2π rounded to a 64-bit significand.
constexpr Real kTwoPi = 6.283185307179586477L;

// k/(2π·f) in the time unit.
Real Period(Real f, TimeUnit unit) { return Div(unit.factor, Product(kTwoPi, f)); }

} // namespace

std::string CutOffFrequencyText(Real hz) {
  if (hz < 1000)
    return quelm::FormatRounded(hz, 2) + " Hz";
  const Real khz = hz / 1000;
  if (khz < 1000)
    return quelm::FormatRounded(khz, 2) + " kHz";
  return quelm::FormatRounded(khz / 1000, 2) + " MHz";
}

std::string CutOffText(Real r, Real c) {
  if (Product(r, c) == 0)
    return kCutOffCaption;
  return kCutOffCaption + CutOffFrequencyText(Div(1, Product(kTwoPi, r, c)));
}

Real TimeConstant(Real r, Real c) { return Product(r, c); }

TimeUnit TimeUnitOf(Real tau) {
  if (tau > 1)
    return {1, " s"};
  if (tau * 1000 > 1)
    return {1000, " ms"};
  if (tau * 1000000 > 1)
    return {1000000, " μs"};
  return {1000000000, " ns"};
}

std::string TimeConstantText(Real tau, TimeUnit unit) {
  return quelm::FormatRounded(quelm::Check(tau * unit.factor), 2) + unit.text;
}

std::string SignalBoundText(Real fs, TimeUnit unit) {
  if (fs == 0)
    return " ";
  return quelm::FormatRounded(Period(fs, unit), 2) + unit.text;
}

std::string CarrierBoundText(Real fc, TimeUnit unit) {
  if (fc == 0)
    return " ";
  const Real t = Period(fc, unit);
  const Real m = Real(quelm::Round64(t * 100)) / 100;
  if (m > 0)
    return quelm::FormatGeneral(m) + unit.text;
  return quelm::FormatRounded(t, 5) + unit.text;
}

} // namespace detector
