#include "antenna/vertical_antenna.h"

#include <numbers>

#include "core/checked.h"
#include "core/format.h"

namespace antenna {

using quelm::Check;

VerticalAntenna ComputeVerticalAntenna(Real length, Real waveSpeed) {
  const Real lambda = Check(4 * length);
  constexpr Real kTwoPi = 2 * std::numbers::pi_v<Real>;
  return {quelm::Div(waveSpeed, lambda), quelm::Div(lambda, kTwoPi)};
}

std::string VerticalFrequencyText(Real megahertz) {
  if (megahertz < 10)
    return quelm::FormatGeneral(static_cast<Real>(quelm::Round64(Check(megahertz * 1000)))) + " kHz";
  return quelm::FormatRounded(megahertz, 3) + " MHz";
}

std::string VerticalHeightText(Real metres) { return quelm::FormatRounded(metres, 2) + " ｍ"; }

} // namespace antenna
