#include "coil_eval/distributed_capacitance.h"

#include "core/checked.h"
#include "core/format.h"

namespace coil_eval {

using quelm::Check;
using quelm::Div;
using quelm::Product;

namespace {

// 2π rounded to a 64-bit mantissa.
constexpr Real kTwoPi = 6.283185307179586477L;

Real Square(Real x) { return Check(x * x); }

} // namespace

std::string FaradsText(Real cd) {
  if (cd >= 0.001L)
    return quelm::FormatRounded(cd, 2) + " F";
  const Real microfarads = Check(cd * 1000000);
  if (microfarads >= 0.001L)
    return quelm::FormatRounded(microfarads, 2) + " μF";
  return quelm::FormatRounded(Check(cd * 1000000000000), 2) + " pF";
}

bool TwoResonancesRejected(Measured fA, Measured cA, Measured fB, Measured cB) {
  return Product(fA.Converted(), fB.Converted(), cA.Converted(), cB.Converted()) == 0;
}

std::string TwoResonancesText(Measured fA, Measured cA, Measured fB, Measured cB) {
  const Real n2 = Square(Div(fB.Converted(), fA.Converted()));
  const Real cd = Div(Check(cA.Converted() - Check(n2 * cB.Converted())), n2 - 1);
  return FaradsText(cd);
}

bool SelfResonanceAndCapacitorRejected(Measured f0, Real c, Measured f) {
  return Product(f0.Converted(), f.Converted(), c) == 0;
}

std::string SelfResonanceAndCapacitorText(Measured f0, Real c, Measured f, std::string_view unit) {
  const Real f2 = Square(f.Converted());
  const Real cd = Div(Check(f2 * c), Check(Square(f0.Converted()) - f2));
  return quelm::FormatRounded(cd, 2) + std::string(unit);
}

bool SelfResonanceAndInductanceRejected(Measured f0, Measured l) {
  return Product(l.Converted(), f0.Converted()) == 0;
}

std::string SelfResonanceAndInductanceText(Measured f0, Measured l) {
  const Real omega = Check(kTwoPi * f0.Converted());
  return FaradsText(Div(1, Check(Square(omega) * l.Converted())));
}

} // namespace coil_eval
