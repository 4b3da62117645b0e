#include "coil_design/spider_coil.h"

#include <cmath>
#include <cstdint>

#include "coil_design/turns_walk.h"
#include "core/checked.h"
#include "core/format.h"

namespace coil_design {

using quelm::Check;
using quelm::Div;
using quelm::FormatGeneral;

namespace {

// The search's step, in turns.
constexpr Real kSpiderStep = 0.1L;

// [x]/100 and [x·10]/10, [ ] rounding to the nearest integer, ties to even.
Real Hundredths(Real x) { return static_cast<Real>(quelm::Round64(Check(x))) / 100; }
Real Tenths(Real x) { return static_cast<Real>(quelm::Round64(Check(x * 10))) / 10; }

// The formula works in centimetres.
Real InnerRadius(const SpiderInputs& in) { return in.inner / 20; }
Real OuterRadius(const SpiderInputs& in) { return in.outer / 20; }
Real GivenWire(const SpiderInputs& in) { return in.wire / 10; }

struct Winding {
  Real mean;  // r_m
  Real width; // w
};

// b given: the winding fills the annulus.
Winding Annulus(const SpiderInputs& in) {
  const Real ra = InnerRadius(in);
  const Real rb = OuterRadius(in);
  return {Check(ra + rb) / 2, rb - ra};
}

// Φ given: N turns at a radial pitch of 0.6·φ out from the inner radius.
Winding Wound(Real ra, Real phi, Real turns) {
  const Real w = Check(Check(phi * 0.6L) * turns);
  return {Check(w / 2 + ra), w};
}

// N·N·0.4·r_m²·μs / (8·r_m + 11·w), in μH.
Real Inductance(Real turns, const Winding& coil, Real mu) {
  const Real n2 = Check(turns * turns);
  const Real numerator = Check(Check(Check(n2 * 0.4L) * Check(coil.mean * coil.mean)) * mu);
  return Div(numerator, Check(Check(8 * coil.mean) + Check(11 * coil.width)));
}

// φ in cm: with b given, the wire that fills the width with N turns at a
// pitch of 0.6·φ; with Φ given, Φ.
Real WireOf(const SpiderInputs& in, Real turns) {
  if (!in.byOuter)
    return GivenWire(in);
  return Div(Annulus(in).width, turns) / 0.6L;
}

bool RadiiRejected(const SpiderInputs& in, Real value) {
  const Real ra = InnerRadius(in);
  const Real rb = OuterRadius(in);
  return !(ra < rb) || quelm::Product(ra, rb, value) == 0;
}

} // namespace

std::string SpiderInductanceText(Real microhenries) {
  const Real l = microhenries;
  if (l > 1000000)
    return FormatGeneral(Hundredths(l / 10000)) + " H";
  if (l > 1000)
    return FormatGeneral(Hundredths(l / 10)) + " mH";
  if (l > 1)
    return FormatGeneral(Hundredths(l * 100)) + " μH";
  return FormatGeneral(Hundredths(l * 100000)) + " nH";
}

bool SpiderInductanceRejected(const SpiderInputs& in, Real turns) { return RadiiRejected(in, turns); }

Real SpiderInductance(const SpiderInputs& in, Real turns) {
  const Winding coil = in.byOuter ? Annulus(in) : Wound(InnerRadius(in), GivenWire(in), turns);
  return Inductance(turns, coil, in.permeability);
}

bool SpiderTurnsRejected(const SpiderInputs& in, Real targetMicrohenries) {
  // With Φ given and μs = 0 every coil of the search has no inductance, and
  // the search would never end.
  return RadiiRejected(in, targetMicrohenries) || (!in.byOuter && in.permeability == 0);
}

SpiderTurns SpiderTurnsOf(const SpiderInputs& in, Real targetMicrohenries) {
  const Real target = targetMicrohenries;
  SpiderTurns out;
  if (in.byOuter) {
    // N = √((8·r_m + 11·w)·(L/μs)/0.4) / r_m
    const Winding coil = Annulus(in);
    const Real shape = Check(Check(8 * coil.mean) + Check(11 * coil.width));
    const Real n = Div(quelm::Sqrt(Check(Check(shape * Div(target, in.permeability)) / 0.4L)), coil.mean);
    out.turns = Tenths(n);
    WireOf(in, out.turns); // the wire diameter divides by the rounded count
    return out;
  }
  // The inductance grows with N, so the walk in tenths of a turn ends; it
  // stops at the turns bound.
  static const std::int64_t kLast = StepsUpTo(kSpiderStep, kMaxSearchTurns);
  const Real ra = InnerRadius(in);
  const Real phi = GivenWire(in);
  const std::int64_t k = FirstStop(0, kSpiderStep, kLast, [&](Real n) {
    return target >= Inductance(n, Wound(ra, phi, n), in.permeability);
  });
  if (k > kLast) {
    out.inRange = false;
    return out;
  }
  // The running count of tenths may lie a hair above a whole number
  // (20.0000000000000000364…); the count shown, and the wire summed, is the
  // tenth it stands for.
  out.turns = Tenths(SteppedValue(0, kSpiderStep, k));
  return out;
}

std::string SpiderTurnsText(Real turns) { return FormatGeneral(Tenths(turns)) + " 巻"; }

Wire SpiderWire(const SpiderInputs& in, Real turns, SpiderCalc calc) {
  const Real ra = InnerRadius(in);
  const Real phi = WireOf(in, turns);
  const Real pitch = Check(0.6L * phi);
  const Real twoPi = 2 * kPi;
  const Real count = std::ceil(turns);
  // Seven wire diameters per turn more for the turns calculation (adding
  // nothing to the inductance calculation's turns leaves them as they are).
  const Real allowance = calc == SpiderCalc::Turns ? Check(7 * phi) : 0;
  Real sum = 0;
  if (count <= kTurnByTurnSum) {
    for (std::int64_t i = 1; i <= static_cast<std::int64_t>(count); ++i)
      sum += twoPi * (ra + pitch * static_cast<Real>(i)) + allowance;
  } else {
    // Σ rᵢ = N·rₐ + 0.6·φ·N(N + 1)/2
    const Real radii = Check(count * ra) + Check(pitch * Check(Check(count * (count + 1)) / 2));
    sum = Check(twoPi * Check(radii)) + Check(allowance * count);
  }
  sum = Check(sum);
  Wire wire;
  wire.length = static_cast<Real>(quelm::Round64(Check(sum * 100))) / 10000;
  wire.diameter = Hundredths(Check(phi * 1000));
  wire.weight = CopperWeight(wire.diameter, wire.length, 2);
  return wire;
}

} // namespace coil_design
