#include "coil_design/square_coil.h"

#include <cstdint>

#include "coil_design/turns_walk.h"
#include "core/checked.h"
#include "core/format.h"

namespace coil_design {

using quelm::Check;
using quelm::Div;
using quelm::RoundDecimals;

Real SquareCoilFactor(Real s, Real l) {
  if (s < l) {
    const Real x = Div(s, l);
    return 1 - 0.473L * x + 0.1592L * (x * x);
  }
  const Real y = Div(l, s);
  return 0.4622L * y - 1.466L * y * quelm::Log10(y) + 0.212L * (y * y);
}

Real SquareSide(const SquareInputs& in) { return quelm::Sqrt(Check(in.sideA * in.sideB)) / 1000; }

namespace {

// The search's step, in turns.
constexpr Real kSquareStep = 0.01L;

Real CoilLength(const SquareInputs& in, Real turns) {
  return in.byLength ? in.length / 1000 : Check(in.wire * turns) / 1000;
}

// μs·4e-7·π·(s·N)²·K/l
Real Inductance(const SquareInputs& in, Real s, Real turns, Real l) {
  const Real k = SquareCoilFactor(s, l);
  const Real sn = Check(s * turns);
  return Div(Check(Check(Permeability(in.permeability) * Check(sn * sn)) * k), l);
}

} // namespace

bool SquareInductanceRejected(const SquareInputs& in, Real turns) {
  const Real s = SquareSide(in);
  const Real l = CoilLength(in, turns);
  return quelm::Product(s, l, in.wire, turns, in.permeability) == 0;
}

Real SquareInductance(const SquareInputs& in, Real turns) {
  return Inductance(in, SquareSide(in), turns, CoilLength(in, turns));
}

bool SquareTurnsRejected(const SquareInputs& in, Real targetMicrohenries) {
  const Real s = SquareSide(in);
  const Real target = targetMicrohenries / 1000000;
  const Real size = in.byLength ? in.length / 1000 : in.wire;
  return quelm::Product(s, size, target, in.permeability) == 0;
}

SquareTurns SquareTurnsOf(const SquareInputs& in, Real targetMicrohenries) {
  const Real s = SquareSide(in);
  const Real target = targetMicrohenries / 1000000;
  SquareTurns out;
  if (in.byLength) {
    // N = √(L·l/(μs·4e-7·π·K))/s
    const Real l = in.length / 1000;
    const Real k = SquareCoilFactor(s, l);
    const Real denominator = Check(Permeability(in.permeability) * k);
    out.turns = Div(quelm::Sqrt(Div(Check(target * l), denominator)), s);
    return out;
  }
  // The inductance grows without bound with N, so the walk in hundredths of
  // a turn ends; it stops at the turns bound, and FirstStop finds its end
  // without evaluating every step.
  static const std::int64_t kLast = StepsUpTo(kSquareStep, kMaxSearchTurns);
  const std::int64_t k = FirstStop(0, kSquareStep, kLast, [&](Real n) {
    return target >= Inductance(in, s, n, Check(in.wire * n) / 1000);
  });
  if (k > kLast) {
    out.inRange = false;
    return out;
  }
  out.turns = SteppedValue(0, kSquareStep, k);
  return out;
}

Wire SquareWire(const SquareInputs& in, Real turns) {
  const Real s = SquareSide(in);
  Wire wire;
  wire.length = RoundDecimals(Check(Check(s * 4) * turns), 2);
  if (in.byLength)
    wire.diameter = RoundDecimals(Div(Check(CoilLength(in, turns) * 1000), turns), 4);
  else
    wire.diameter = RoundDecimals(in.wire, 4);
  wire.weight = CopperWeight(wire.diameter, wire.length, 1);
  return wire;
}

} // namespace coil_design
