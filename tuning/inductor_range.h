#pragma once
// Reception range of a tuned circuit with a fixed capacitor and a variable
// inductor (a permeability tuner): the frequencies of an inductance range,
// and the inductances a frequency range needs. The frequencies come from
// FrequencyRange(c, l1, l2) of tuning/lc.h, with the capacitor c [F] as the
// fixed part and the inductance ends l1, l2 [H].
#include <optional>
#include <string>

#include "core/real.h"
#include "core/units.h"
#include "tuning/lc.h"

namespace tuning {

// The variable inductor's list: μH, mH.
inline constexpr quelm::UnitFactor kVariableInductorUnits[] = {quelm::Over(6), quelm::Over(3)};

// "l1 ～ l2 unit" for a capacitor c [F] and the frequency ends f1, f2 [Hz];
// no result when c·f1·f2 is zero.
std::optional<std::string> InductanceRange(Real c, Real f1, Real f2);

// Two inductances [H] in one unit for both ends: the first of H, mH, μH in
// which either end is strictly above 1, else nH; each end rounded to 3
// decimals.
std::string InductanceRangeText(Real l1, Real l2);

} // namespace tuning
