#pragma once
// Single-layer close-wound cylindrical coil: the long-solenoid inductance
// times Nagaoka's coefficient, and its inverse.
#include <string>

#include "coil_design/coil_wire.h"

namespace coil_design {

// Nagaoka's coefficient of a coil of radius r and length l (same unit), from
// the complete elliptic integrals of modulus k = 2r/√(4r² + l²) summed as
// power series of exactly 10000 terms each. For coils much shorter than their
// diameter (k near 1) the truncated sums fall short of the integrals; the
// coefficient is the truncated one.
Real NagaokaCoefficient(Real r, Real l);

// "長岡係数 ： 0.72686059"
std::string NagaokaText(Real coefficient);

// What the page's fields hold, as typed.
struct SolenoidInputs {
  Real diameter = 0;     // a, mm
  Real length = 0;       // b, mm
  Real wire = 0;         // Φ, mm
  Real permeability = 0; // μs
  bool byLength = true;  // the coil length b is given (else the wire diameter Φ)
};

// ---- Inductance from turns ----

// The coil length in metres that t turns make: b, or Φ·t close wound.
Real SolenoidCoilLength(const SolenoidInputs& in, Real turns);
// r·l·t·μ = 0.
bool SolenoidInductanceRejected(const SolenoidInputs& in, Real turns);

struct SolenoidInductance {
  Real coefficient = 0;
  Real henries = 0;
};
SolenoidInductance SolenoidInductanceOf(const SolenoidInputs& in, Real turns);

// ---- Turns from inductance (target in μH as typed) ----

// r·b·L·μ = 0, or r·Φ·L·μ = 0.
bool SolenoidTurnsRejected(const SolenoidInputs& in, Real targetMicrohenries);

struct SolenoidTurns {
  bool inRange = true;  // false: the search passed kMaxSearchTurns
  Real coefficient = 0; // of the coil finally found
  Real turns = 0;       // unrounded (b given) or as the search leaves it (Φ given)
};
// With b given, the closed-form inverse; with Φ given, the four-phase search.
SolenoidTurns SolenoidTurnsOf(const SolenoidInputs& in, Real targetMicrohenries);
// The turns search alone (Φ given): r in m, Φ in mm, μ in H/m, target in H.
SolenoidTurns SolenoidTurnsSearch(Real r, Real wireMm, Real mu, Real targetHenries);

// ---- The wire of t turns ----

enum class SolenoidCalc { Inductance, Turns };

// Length r·2π·t rounded to 2 decimals; diameter b/t (b given) or Φ, rounded to
// 4 decimals; the weight with 1 decimal. With Φ given the suffix names the
// coil length, " 　(コイル長b= 60.168mm)"; with b given it is a single space
// after an inductance calculation and nothing after a turns calculation.
Wire SolenoidWire(const SolenoidInputs& in, Real turns, SolenoidCalc calc);

} // namespace coil_design
