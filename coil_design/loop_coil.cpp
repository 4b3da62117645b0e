#include "coil_design/loop_coil.h"

#include "core/checked.h"
#include "core/format.h"

namespace coil_design {

using quelm::Check;
using quelm::Div;

namespace {

Real Side(const LoopInputs& in) { return in.side / 1000; }
Real Section(const LoopInputs& in) { return in.section / 1000; }

// The shape term of the square loop's inductance, ln(a/q) + 0.2235·q/a +
// 0.726, for a side a and a winding section q; positive for every positive a and q.
Real LoopShapeTerm(Real a, Real q) { return quelm::Ln(Div(a, q)) + Div(Check(0.2235L * q), a) + 0.726L; }

// μs·8e-7·a: the permeability and side that the shape term multiplies.
Real LoopSizeFactor(const LoopInputs& in, Real a) { return Check(Check(in.permeability * 8e-7L) * a); }

} // namespace

bool LoopInductanceRejected(const LoopInputs& in, Real turns) {
  return quelm::Product(Side(in), Section(in), turns, in.permeability) == 0;
}

Real LoopInductance(const LoopInputs& in, Real turns) {
  const Real a = Side(in);
  const Real q = Section(in);
  return Check(LoopShapeTerm(a, q) * Check(LoopSizeFactor(in, a) * Check(turns * turns)));
}

bool LoopTurnsRejected(const LoopInputs& in, Real targetMicrohenries) {
  const Real target = targetMicrohenries / 1000000;
  return quelm::Product(Side(in), Section(in), target, in.permeability) == 0;
}

Real LoopTurns(const LoopInputs& in, Real targetMicrohenries) {
  const Real a = Side(in);
  const Real q = Section(in);
  const Real target = targetMicrohenries / 1000000;
  return quelm::Sqrt(Div(target, Check(LoopShapeTerm(a, q) * LoopSizeFactor(in, a))));
}

Real LoopWireLength(const LoopInputs& in, Real turns) {
  return quelm::RoundDecimals(Check(Check(Side(in) * 4) * turns), 2);
}

} // namespace coil_design
