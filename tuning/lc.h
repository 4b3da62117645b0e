#pragma once
// The resonance relation of a coil and a capacitor, f = 1 / (2π·√(L·C)),
// in the two directions the tuned-circuit calculators use it.
#include <optional>
#include <string>
#include <string_view>

#include "core/real.h"
#include "core/units.h"

namespace tuning {

using quelm::Real;

// 2π rounded to a 64-bit mantissa.
inline constexpr Real kTwoPi = 6.283185307179586477L;

// Frequency lists: Hz, kHz, MHz (the solver and the characteristics group).
inline constexpr quelm::UnitFactor kFrequencyUnits[] = {quelm::One(), quelm::Times(3), quelm::Times(6)};
// Frequency lists of the reception ranges: Hz, kHz, MHz, GHz.
inline constexpr quelm::UnitFactor kRangeFrequencyUnits[] = {quelm::One(), quelm::Times(3), quelm::Times(6),
                                                             quelm::Times(9)};
// Capacitance lists: pF, μF.
inline constexpr quelm::UnitFactor kCapacitanceUnits[] = {quelm::Over(12), quelm::Over(6)};

// 1 / (√(a·b) · 2π): the resonance in hertz of an inductance and a
// capacitance (in either order; the product is the same).
Real ResonantFrequency(Real a, Real b);

// (2π·f)²·x: 2π·f formed first, then squared, then multiplied by x. Dividing
// by it gives the partner that resonates with x at f.
Real OmegaSquaredTimes(Real f, Real x);

// "a ～ b" followed by the unit string (which begins with a blank).
std::string RangeText(std::string_view a, std::string_view b, std::string_view unit);

// "f1 ～ f2 unit": the resonances of a fixed part with each end of a variable
// part's range (a coil with two capacitances, or a capacitor with two
// inductances), in input order; no result when fixed·end1·end2 is zero.
std::optional<std::string> FrequencyRange(Real fixed, Real end1, Real end2);

// The frequency range of two resonances in hertz, one unit for both ends:
// stepped Hz → kHz → MHz → GHz while both ends are strictly above 10000;
// each end rounded to 2 decimals.
std::string FrequencyRangeText(Real f1, Real f2);

} // namespace tuning
