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

bool TwoResonancesRejected(Real fA, Real cA, Real fB, Real cB) { return Product(fA, fB, cA, cB) == 0; }

std::string TwoResonancesText(Real fA, Real cA, Real fB, Real cB) {
  const Real n2 = Square(Div(fB, fA));
  const Real cd = Div(Check(cA - Check(n2 * cB)), n2 - 1);
  return FaradsText(cd);
}

bool SelfResonanceAndCapacitorRejected(Real f0, Real c, Real f) { return Product(f0, f, c) == 0; }

std::string SelfResonanceAndCapacitorText(Real f0, Real c, Real f, std::string_view unit) {
  const Real f2 = Square(f);
  const Real cd = Div(Check(f2 * c), Check(Square(f0) - f2));
  return quelm::FormatRounded(cd, 2) + std::string(unit);
}

bool SelfResonanceAndInductanceRejected(Real f0, Real l) { return Product(l, f0) == 0; }

std::string SelfResonanceAndInductanceText(Real f0, Real l) {
  const Real omega = Check(kTwoPi * f0);
  return FaradsText(Div(1, Check(Square(omega) * l)));
}

} // namespace coil_eval
