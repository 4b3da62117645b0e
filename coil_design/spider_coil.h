#pragma once
// Flat spider-web coil, wound in and out of the vanes of a star-shaped
// former: an annulus between the inner diameter a and the outer diameter b.
// The formula works in centimetres and microhenries,
//   L = N²·0.4·r_m²·μs / (8·r_m + 11·w),
// with r_m the mean radius and w the width of the winding; each turn adds 0.6
// wire diameters to the radius.
#include <string>

#include "coil_design/coil_wire.h"

namespace coil_design {

struct SpiderInputs {
  Real inner = 0;        // a, mm
  Real outer = 0;        // b, mm
  Real wire = 0;         // Φ, mm
  Real permeability = 0; // μs
  bool byOuter = true;   // the outer diameter b is given (else the wire diameter Φ)
};

// The page's own inductance text, L in μH: "292.99 μH", "1.5 mH", "0.25 nH".
// The unit is chosen by a strict "> 1" test before rounding, as
// InductanceText does, and every unit keeps two decimals (nanohenries too).
std::string SpiderInductanceText(Real microhenries);

// ---- Inductance from turns ----

// The inner diameter not below the outer one, or a·b·N = 0 (the dialog
// kRadiiRejected). The outer diameter is checked also when Φ is given.
bool SpiderInductanceRejected(const SpiderInputs& in, Real turns);
// In μH. With b given the winding fills the annulus; with Φ given it is
// Φ·0.6·N wide from the inner radius.
Real SpiderInductance(const SpiderInputs& in, Real turns);

// ---- Turns from inductance (target in μH as typed, no scaling) ----

// The inner diameter not below the outer one, or a·b·L = 0; with Φ given
// also μs = 0, for which no count of turns reaches the target.
bool SpiderTurnsRejected(const SpiderInputs& in, Real targetMicrohenries);

struct SpiderTurns {
  bool inRange = true; // false: the search passed kMaxSearchTurns
  Real turns = 0;      // as shown, to one decimal
};
// With b given, the closed-form inverse rounded to a tenth; the wire
// diameter then follows from that count, so a count that rounds to 0
// divides by zero here. With Φ given, the upward search in steps of 0.1
// turn, ending at the first count whose inductance exceeds the target; its
// running count is shown, and its wire summed, to the tenth.
SpiderTurns SpiderTurnsOf(const SpiderInputs& in, Real targetMicrohenries);

// "70.8 巻"
std::string SpiderTurnsText(Real turns);

// ---- The wire of N turns ----

enum class SpiderCalc { Inductance, Turns };

// Turn i = 1 … ⌈N⌉ lies at the radius a/2 + 0.6·φ·i; the length sums 2π
// times each radius, and in the turns calculation seven wire diameters more
// per turn for the ends through the vanes. Length in metres to 4 decimals,
// diameter in millimetres to 2 decimals (derived from b and N, or Φ), weight
// to 2 decimals.
Wire SpiderWire(const SpiderInputs& in, Real turns, SpiderCalc calc);

} // namespace coil_design
