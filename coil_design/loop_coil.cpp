#include "coil_design/loop_coil.h"

#include "core/checked.h"
#include "core/format.h"

namespace coil_design {

using quelm::Check;
using quelm::Div;

namespace {

Real Side(const LoopInputs& in) { return in.side / 1000; }
Real Section(const LoopInputs& in) { return in.section / 1000; }

// ln(a/q) + 0.2235·q/a + 0.726, positive for every positive a and q.
Real Bracket(Real a, Real q) { return quelm::Ln(Div(a, q)) + Div(Check(0.2235L * q), a) + 0.726L; }

// μs·8e-7·a
Real Scale(const LoopInputs& in, Real a) { return Check(Check(in.permeability * 8e-7L) * a); }

} // namespace

bool LoopInductanceRejected(const LoopInputs& in, Real turns) {
  return Check(Check(Check(Side(in) * Section(in)) * turns) * in.permeability) == 0;
}

Real LoopInductance(const LoopInputs& in, Real turns) {
  const Real a = Side(in);
  const Real q = Section(in);
  return Check(Bracket(a, q) * Check(Scale(in, a) * Check(turns * turns)));
}

bool LoopTurnsRejected(const LoopInputs& in, Real targetMicrohenries) {
  const Real target = targetMicrohenries / 1000000;
  return Check(Check(Check(Side(in) * Section(in)) * target) * in.permeability) == 0;
}

Real LoopTurns(const LoopInputs& in, Real targetMicrohenries) {
  const Real a = Side(in);
  const Real q = Section(in);
  const Real target = targetMicrohenries / 1000000;
  return quelm::Sqrt(Div(target, Check(Bracket(a, q) * Scale(in, a))));
}

Real LoopWireLength(const LoopInputs& in, Real turns) {
  return quelm::RoundDecimals(Check(Check(Side(in) * 4) * turns), 2);
}

} // namespace coil_design
