#pragma once
// Reception range of a tuned circuit with a fixed coil and a variable
// capacitor: the frequencies of a capacitance range, and the capacitances
// a frequency range needs. The frequencies come from FrequencyRange(l, c1,
// c2) of tuning/lc.h, with the coil l [H] as the fixed part and the
// capacitance ends c1, c2 [F].
#include <optional>
#include <string>

#include "core/real.h"
#include "core/units.h"
#include "tuning/lc.h"

namespace tuning {

// The fixed coil's list: mH, μH.
inline constexpr quelm::UnitFactor kFixedCoilUnits[] = {quelm::Over(3), quelm::Over(6)};

// "c1 ～ c2 unit" for a coil l [H] and the frequency ends f1, f2 [Hz]; no
// result when l·f1·f2 is zero.
std::optional<std::string> CapacitanceRange(Real l, Real f1, Real f2);

// Two capacitances [F] in one unit for both ends, stepped F → μF → pF while
// either end is strictly below 0.001; each end rounded to 3 decimals.
std::string CapacitanceRangeText(Real c1, Real c2);

} // namespace tuning
