#include "antenna/field_strength.h"

#include <cmath>
#include <numbers>

#include "core/checked.h"
#include "core/format.h"

namespace antenna {

using quelm::Check;
using quelm::Div;

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;
// The base of the attenuation's powers, as the approximation writes it.
constexpr Real kBase = 2.71827L;
// Where the attenuation changes its form.
constexpr Real kKnee = 4.5L;

} // namespace

bool FieldPathRejected(const FieldPath& path, Real last) {
  return quelm::Product(path.frequency, path.permittivity, path.conductivity, path.power, last) == 0;
}

GroundWave::GroundWave(const FieldPath& path)
    : sourceField_(Check(path.antennaFactor * quelm::Sqrt(path.power))), lnB_(quelm::Ln(kBase)) {
  const Real x = Div(Check(18000 * path.conductivity), path.frequency / 1000);
  const Real b = std::atan(Div(Check(path.permittivity + 1), x));
  sinB_ = std::sin(b);
  cosB_ = std::cos(b);
  const Real lambda = Div(path.approximateSpeed ? Real{300000} : 299792.458L, path.frequency);
  xLambda_ = Check(x * lambda);
}

Real GroundWave::NumericalDistance(Real km) const {
  return Div(Check(Check(kPi * Check(1000 * km)) * cosB_), xLambda_);
}

bool GroundWave::BeyondKnee(Real km) const {
  // Unchecked: an overflowing p (or x·λ of 0) lies beyond the knee too.
  const Real p = kPi * (1000 * km) * cosB_ / xLambda_;
  return !(p < kKnee);
}

Real GroundWave::Attenuation(Real p) const {
  const auto power = [this](Real y) { return quelm::Exp(Check(y * lnB_)); };
  const Real ground = Check(Check(quelm::Sqrt(p / 2) * sinB_) * power(Check(-0.625L * p)));
  if (p < kKnee)
    return Check(power(Check(-0.43L * p + 0.01L * Check(p * p))) - ground);
  return Check(Div(1, Check(Check(2 * p) - 3.7L)) - ground);
}

Real GroundWave::At(Real km) const {
  const Real e0 = Div(sourceField_, km);
  return Check(e0 * Attenuation(NumericalDistance(km)));
}

Real FieldStrength(const FieldPath& path, Real km) {
  // E0 comes first, before any of the ground's terms.
  Div(Check(path.antennaFactor * quelm::Sqrt(path.power)), km);
  return GroundWave(path).At(km);
}

std::string FieldStrengthText(Real millivoltsPerMetre) {
  return quelm::FormatRounded(millivoltsPerMetre, 2) + " [mV/m] ";
}

std::string FieldStrengthResult(const FieldPath& path, Real km) {
  if (FieldPathRejected(path, km))
    return kFieldStrengthReset;
  return FieldStrengthText(FieldStrength(path, km));
}

} // namespace antenna
