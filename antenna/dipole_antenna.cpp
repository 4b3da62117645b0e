#include "antenna/dipole_antenna.h"

#include <numbers>

#include "antenna/effective_length.h"
#include "core/checked.h"

namespace antenna {

std::string DipoleEffectiveLength(Real length, std::optional<Real> factor) {
  const Real k = factor ? *factor : Real{1};
  // L / k, times 2, divided by π.
  const Real he = quelm::Div(quelm::Check(quelm::Div(length, k) * 2), std::numbers::pi_v<Real>);
  return EffectiveLengthText(he);
}

} // namespace antenna
