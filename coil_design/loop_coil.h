#pragma once
// Multi-layer square loop: a bundle of turns round a square frame whose
// winding section is small against the side.
//   L = 8·10⁻⁷·μs·a·N²·(ln(a/q) + 0.2235·q/a + 0.726)
// with a the mean side and q = b + c (axial length plus thickness of the
// winding), both in metres.
#include "coil_design/coil_wire.h"

namespace coil_design {

struct LoopInputs {
  Real side = 0;         // a, mm
  Real section = 0;      // b + c, mm
  Real permeability = 0; // μs
};

// a·q·N·μs = 0.
bool LoopInductanceRejected(const LoopInputs& in, Real turns);
// In henries.
Real LoopInductance(const LoopInputs& in, Real turns);

// a·q·L·μs = 0 (target in μH as typed).
bool LoopTurnsRejected(const LoopInputs& in, Real targetMicrohenries);
// Unrounded.
Real LoopTurns(const LoopInputs& in, Real targetMicrohenries);

// The wire length a·4·N (one perimeter per turn), rounded to 2 decimals, in
// metres.
Real LoopWireLength(const LoopInputs& in, Real turns);

} // namespace coil_design
