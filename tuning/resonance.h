#pragma once
// The resonance solver: f = 1 / (2π·√(L·C)) solved for whichever of the
// three quantities is chosen, from the other two.
#include <optional>
#include <string>

#include "core/real.h"
#include "core/units.h"
#include "tuning/lc.h"

namespace tuning {

// The solver's inductance list: μＨ, mＨ.
inline constexpr quelm::UnitFactor kSolverInductanceUnits[] = {quelm::Over(6), quelm::Over(3)};

// The quantity being solved, in the order of the selector's items.
enum class Solved { Frequency = 0, Inductance = 1, Capacitance = 2 };

struct Resonance {
  // The value in its unit as the solved field is to hold it: rounded, in the
  // general form, and never in exponent form (a field keeps only digits and
  // points, so "1.5E15" would read back as 1.515).
  std::string value;
  // The item of the solved quantity's unit list that `value` is in.
  int unitIndex = 0;
  // The unit string of the result line, beginning with a blank (" kHz").
  std::string unit;
};

// Solves for `solved` from f [Hz], l [H] and c [F] (the solved quantity's own
// value is ignored). No result when the product of the two known quantities is
// zero. Faults (overflow, rounding beyond 64 bits) throw quelm::CalcError.
std::optional<Resonance> SolveResonance(Solved solved, Real f, Real l, Real c);

} // namespace tuning
