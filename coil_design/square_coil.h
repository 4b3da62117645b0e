#pragma once
// Single-layer close-wound coil on a rectangular prism former: the rectangle
// a × b is taken as the square of equal area, side s = √(a·b), and the
// long-solenoid inductance of that square section is corrected by a shape
// factor.
#include <string>

#include "coil_design/coil_wire.h"

namespace coil_design {

// The shape factor of a square coil of side s and length l (same unit):
// 1 − 0.473·x + 0.1592·x² with x = s/l for a coil longer than its side,
// 0.4622·y − 1.466·y·log₁₀(y) + 0.212·y² with y = l/s otherwise (l = s
// included).
Real SquareCoilFactor(Real s, Real l);

struct SquareInputs {
  Real sideA = 0;        // a, mm
  Real sideB = 0;        // b, mm
  Real length = 0;       // c, mm
  Real wire = 0;         // Φ, mm
  Real permeability = 0; // μs
  bool byLength = true;  // the coil length c is given (else the wire diameter Φ)
};

// The side of the square of equal area, in metres.
Real SquareSide(const SquareInputs& in);

// ---- Inductance from turns ----

// s·l·Φ·N·μs = 0 (the wire diameter counts even when c is given).
bool SquareInductanceRejected(const SquareInputs& in, Real turns);
// L = μs·4e-7·π·(s·N)²·K/l, in henries.
Real SquareInductance(const SquareInputs& in, Real turns);

// ---- Turns from inductance (target in μH as typed) ----

// s·l·L·μs = 0 (c given) or s·Φ·L·μs = 0 (Φ given).
bool SquareTurnsRejected(const SquareInputs& in, Real targetMicrohenries);

struct SquareTurns {
  bool inRange = true; // false: the search passed kMaxSearchTurns
  Real turns = 0;      // unrounded (c given) or as the search leaves it (Φ given)
};
// With c given, the closed-form inverse; with Φ given, the upward search in
// steps of 0.01 turn, ending at the first count whose inductance exceeds the
// target.
SquareTurns SquareTurnsOf(const SquareInputs& in, Real targetMicrohenries);

// ---- The wire of N turns ----

// Length s·4·N rounded to 2 decimals; diameter c/N (c given) or Φ, rounded to
// 4 decimals; the weight with 1 decimal.
Wire SquareWire(const SquareInputs& in, Real turns);

} // namespace coil_design
