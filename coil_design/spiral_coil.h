#pragma once
// Flat spiral coil: one layer of turns in a plane between the outer radius a
// and the inner radius b, square (wound on a cross-shaped frame, the radii
// measured from the centre to the corners) or circular.
//   L = F·μs·10⁻⁷·a·N²
// with F read from a piecewise-linear table of b/a; a square spiral is taken
// as the circle of equal perimeter.
#include "coil_design/coil_wire.h"

namespace coil_design {

// The factor F for the radius ratio x = b/a: linear between the points
// (0.05, 7.7), (0.1, 8.5), (0.2, 10.4), (0.3, 12.9), (0.4, 15.7), (0.5, 19),
// (0.6, 23.1), (0.7, 28.3), (0.8, 35.3), (0.85, 39.6), (0.9, 46),
// (0.925, 50); 7.7 below 0.05 and 50 from 0.925 on.
Real SpiralCoilFactor(Real x);

// The radius of the circle whose circumference equals the perimeter of the
// square with half-diagonal r: √2·4·r/2π.
Real EqualPerimeterRadius(Real r);

struct SpiralInputs {
  bool square = true;    // "方形" (else "円形")
  Real outer = 0;        // a, mm
  Real inner = 0;        // b, mm
  Real permeability = 0; // μs
};

// ---- Inductance from turns ----

// a ≤ b, or a·b·N = 0 (the dialog kRadiiRejected).
bool SpiralInductanceRejected(const SpiralInputs& in, Real turns);
// In henries.
Real SpiralInductance(const SpiralInputs& in, Real turns);

// ---- Turns from inductance (target in μH as typed) ----

// a ≤ b, or a·b·L = 0. μs = 0 passes, and divides by zero.
bool SpiralTurnsRejected(const SpiralInputs& in, Real targetMicrohenries);
// Unrounded; no bound on the count.
Real SpiralTurns(const SpiralInputs& in, Real targetMicrohenries);

// ---- The wire of N turns ----

// Turn i = 1 … ⌈N⌉ lies at a − i·(a − b)/N (the first a pitch inside the
// outer radius, turn N on the inner one); the length sums their
// circumferences, in metres rounded to 2 decimals. The weight is
// CopperWeight(d, length, 2) with the diameter typed in the wire group, and
// the hidden length label holds FormatGeneral(length) for the re-weighting
// (ReadLengthText).
Real SpiralWireLength(const SpiralInputs& in, Real turns);

} // namespace coil_design
