#include "antenna/loop_antenna.h"

#include <numbers>

#include "antenna/effective_length.h"
#include "core/checked.h"

namespace antenna {

using quelm::Check;

std::string LoopEffectiveLength(Real kilohertz, Real turns, Real area, Real waveSpeed) {
  const Real f = kLoopFrequencyUnit.Apply(kilohertz);
  if (quelm::Product(f, turns, area) == 0)
    return kEffectiveLengthCaption;
  const Real lambda = quelm::Div(waveSpeed, f);
  constexpr Real kTwoPi = 2 * std::numbers::pi_v<Real>;
  const Real he = quelm::Div(Check(Check(kTwoPi * turns) * area), lambda);
  return EffectiveLengthText(he);
}

} // namespace antenna
