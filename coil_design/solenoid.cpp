#include "coil_design/solenoid.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "coil_design/turns_walk.h"
#include "core/checked.h"
#include "core/format.h"

namespace coil_design {

using quelm::Check;
using quelm::Div;
using quelm::RoundDecimals;

namespace {

constexpr int kNagaokaTerms = 10000;

// The step-by-step turns search evaluates at most this many coils before it
// gives up: the first phase's thousand steps to the turns bound and some tens
// for the rest, with room to spare for a coefficient that grows unevenly.
constexpr std::int64_t kSearchBudget = kMaxSearchTurns / 10 + 200;

// cₙ² for n = 1 … 10000, with c₀ = 1 and cₙ = cₙ₋₁·(2n − 1)/(2n). They do not
// depend on the coil, so they are formed once; each is the same number the
// running product gives term by term.
const std::array<Real, kNagaokaTerms>& SquaredCoefficients() {
  static const auto table = [] {
    std::array<Real, kNagaokaTerms> c2{};
    Real c = 1;
    for (int n = 1; n <= kNagaokaTerms; ++n) {
      c = c * (2 * n - 1) / (2 * n);
      c2[static_cast<std::size_t>(n - 1)] = c * c;
    }
    return c2;
  }();
  return table;
}

Real Radius(const SolenoidInputs& in) { return in.diameter / 2000; }

} // namespace

Real NagaokaCoefficient(Real r, Real l) {
  const Real r2 = Check(r * r);
  const Real d = quelm::Sqrt(Check(Check(4 * r2) + Check(l * l)));
  const Real k = Div(2 * r, d);
  const Real k2 = k * k;

  // S₁ = Σ cₙ²·k²ⁿ and S₂ = Σ cₙ²·k²ⁿ/(2n − 1), n = 1 … 10000.
  const auto& c2 = SquaredCoefficients();
  Real s1 = 0;
  Real s2 = 0;
  Real k2n = 1;
  for (int n = 1; n <= kNagaokaTerms; ++n) {
    k2n *= k2;
    if (k2n == 0)
      break; // every further term is zero and adds nothing
    const Real term = c2[static_cast<std::size_t>(n - 1)] * k2n;
    s1 += term;
    s2 += term / (2 * n - 1);
  }
  const Real big_k = (1 + s1) * kPi / 2;
  const Real big_e = (1 - s2) * kPi / 2;

  const Real first = Check(Div(4 * d, l) * big_e);
  const Real second = Check(Div(Check(l * d), r2) * (big_k - big_e));
  const Real third = Div(Check(8 * r), l);
  return Check(first + second - third) / kThreePi;
}

std::string NagaokaText(Real coefficient) {
  return "長岡係数 ： " + quelm::FormatFixed(coefficient, "0.00000000");
}

Real SolenoidCoilLength(const SolenoidInputs& in, Real turns) {
  return in.byLength ? in.length / 1000 : Check(in.wire * turns) / 1000;
}

bool SolenoidInductanceRejected(const SolenoidInputs& in, Real turns) {
  const Real l = SolenoidCoilLength(in, turns);
  const Real mu = Permeability(in.permeability);
  return quelm::Product(Radius(in), l, turns, mu) == 0;
}

namespace {

// L = K·μ·π·(r·t)²/l.
Real Inductance(Real k, Real mu, Real r, Real turns, Real l) {
  const Real rt = Check(r * turns);
  return Div(Check(Check(Check(k * mu) * kPi) * Check(rt * rt)), l);
}

} // namespace

SolenoidInductance SolenoidInductanceOf(const SolenoidInputs& in, Real turns) {
  const Real r = Radius(in);
  const Real l = SolenoidCoilLength(in, turns);
  const Real mu = Permeability(in.permeability);
  SolenoidInductance out;
  out.coefficient = NagaokaCoefficient(r, l);
  out.henries = Inductance(out.coefficient, mu, r, turns, l);
  return out;
}

bool SolenoidTurnsRejected(const SolenoidInputs& in, Real targetMicrohenries) {
  const Real target = targetMicrohenries / 1000000;
  const Real mu = Permeability(in.permeability);
  const Real size = in.byLength ? in.length : in.wire;
  return quelm::Product(Radius(in), size, target, mu) == 0;
}

SolenoidTurns SolenoidTurnsSearch(Real r, Real wireMm, Real mu, Real targetHenries) {
  // Four phases, each stepping first, then evaluating, then testing: +10
  // while L ≤ target (up to the turns bound), −1 while L ≥ target, +0.1 while
  // L ≤ target, −0.01 while L ≥ target. Each phase is walked by FirstStop,
  // which asks for the inductance only at the counts that decide where the
  // step-by-step walk would stop, so a coil near the bound costs some
  // fifty coefficients instead of a thousand.
  SolenoidTurns out;
  const auto inductance = [&](Real turns) {
    const Real l = Check(wireMm * turns) / 1000;
    out.coefficient = NagaokaCoefficient(r, l);
    return Inductance(out.coefficient, mu, r, turns, l);
  };
  const std::function<bool(Real)> notAbove = [&](Real t) { return inductance(t) <= targetHenries; };
  const std::function<bool(Real)> notBelow = [&](Real t) { return inductance(t) >= targetHenries; };
  const auto outOfRange = [&] {
    out.inRange = false;
    return out;
  };

  constexpr std::int64_t kTens = kMaxSearchTurns / 10;
  const std::int64_t tens = FirstStop(0, 10, kTens, notAbove);
  if (tens > kTens)
    return outOfRange();
  const Real t1 = SteppedValue(0, 10, tens);

  // The inductance grows with the turns, so phases 2 to 4 take about ten
  // steps each. The step-by-step walk gives up after kSearchBudget coils in
  // all; `left` counts what it would still allow. Each phase is first looked
  // through only as far as it can reach for a growing inductance (`room`),
  // so that no count at or below zero is asked for unless the walk gets
  // there.
  std::int64_t left = kSearchBudget - tens;
  const auto phase = [&](Real from, Real step, std::int64_t room,
                         const std::function<bool(Real)>& keepGoing) -> std::optional<Real> {
    const std::int64_t near = std::min(room, left);
    std::int64_t k = FirstStop(from, step, near, keepGoing);
    if (k > near && near < left)
      k = near + FirstStop(SteppedValue(from, step, near), step, left - near, keepGoing);
    if (k > left)
      return std::nullopt;
    left -= k;
    return SteppedValue(from, step, k);
  };
  // Whole turns down from t1 to 1; the next step reaches a coil of no length,
  // whose coefficient divides by zero.
  const auto t2 = phase(t1, -1, static_cast<std::int64_t>(t1) - 1, notBelow);
  if (!t2)
    return outOfRange();
  // Tenths up to just past t1, where the inductance is above the target.
  const auto t3 = phase(*t2, 0.1L, static_cast<std::int64_t>(t1 - *t2) * 10 + 1, notAbove);
  if (!t3)
    return outOfRange();
  // Hundredths down to just below t2, where it is below the target.
  const auto t4 = phase(*t3, -0.01L, static_cast<std::int64_t>((*t3 - *t2) * 100) + 2, notBelow);
  if (!t4)
    return outOfRange();
  out.turns = *t4;
  inductance(out.turns); // the coefficient of the coil found
  return out;
}

SolenoidTurns SolenoidTurnsOf(const SolenoidInputs& in, Real targetMicrohenries) {
  const Real r = Radius(in);
  const Real mu = Permeability(in.permeability);
  const Real target = targetMicrohenries / 1000000;
  if (!in.byLength)
    return SolenoidTurnsSearch(r, in.wire, mu, target);
  // t = √(L·l/(K·μ·π))/r
  const Real l = in.length / 1000;
  SolenoidTurns out;
  out.coefficient = NagaokaCoefficient(r, l);
  const Real denominator = Check(Check(out.coefficient * mu) * kPi);
  out.turns = Div(quelm::Sqrt(Div(Check(target * l), denominator)), r);
  return out;
}

Wire SolenoidWire(const SolenoidInputs& in, Real turns, SolenoidCalc calc) {
  const Real r = Radius(in);
  Wire wire;
  wire.length = RoundDecimals(Check(Check(r * 2 * kPi) * turns), 2);
  if (in.byLength) {
    const Real l = in.length / 1000;
    wire.diameter = RoundDecimals(Div(Check(l * 1000), turns), 4);
    if (calc == SolenoidCalc::Inductance)
      wire.suffix = " ";
  } else {
    const Real l = Check(in.wire * turns) / 1000;
    wire.diameter = RoundDecimals(in.wire, 4);
    wire.suffix = " 　(コイル長b= " + quelm::FormatGeneral(Check(l * 1000)) + "mm)";
  }
  wire.weight = CopperWeight(wire.diameter, wire.length, 1);
  return wire;
}

} // namespace coil_design
