#pragma once
// A coil's distributed (self) capacitance Cd from resonance measurements, by
// three methods. All rest on f = 1/(2π·√(L·(C + Cd))) with an external C and
// on the self-resonance f0 = 1/(2π·√(L·Cd)) with none. Each method brings its
// inputs into its own units, and those differ on purpose: the first two work
// in kilohertz, the third in hertz; the second leaves C in its typed unit.
// The functions take the values already brought into those units by the
// tables below.
#include <array>
#include <string>
#include <string_view>

#include "core/real.h"
#include "core/units.h"

namespace coil_eval {

using quelm::Real;

// Frequencies in kilohertz (methods 1 and 2): Hz, kHz, MHz, GHz.
inline constexpr std::array<quelm::UnitFactor, 4> kKilohertzUnits = {quelm::Over(3), quelm::One(),
                                                                     quelm::Times(3), quelm::Times(6)};
// Capacitances in farads (method 1): pF, μF.
inline constexpr std::array<quelm::UnitFactor, 2> kFaradUnits = {quelm::Over(12), quelm::Over(6)};
// Frequencies in hertz (method 3): Hz, kHz, MHz, GHz.
inline constexpr std::array<quelm::UnitFactor, 4> kHertzUnits = {quelm::One(), quelm::Times(3),
                                                                 quelm::Times(6), quelm::Times(9)};
// Inductances in henries (method 3): mH, μH.
inline constexpr std::array<quelm::UnitFactor, 2> kHenryUnits = {quelm::Over(3), quelm::Over(6)};
// Method 2 keeps C as typed, in its list's unit, which is the result's unit:
// pF, μF.
inline constexpr std::array<std::string_view, 2> kCapacitanceUnitTexts = {" pF", " μF"};

// A capacitance in farads with two decimals at most: in F from 0.001 up, else
// in μF when Cd·1000000 reaches 0.001, else in pF (negative values too).
std::string FaradsText(Real cd);

// 1. Two resonances, A (the higher frequency) and B, each with its tuning
// capacitance: n = fB/fA, Cd = (CA − n²·CB)/(n² − 1).
// Frequencies in kHz, capacitances in F.
bool TwoResonancesRejected(Real fA, Real cA, Real fB, Real cB); // fA·fB·CA·CB = 0
// Equal frequencies fault: division by zero, or invalid when CA = CB too.
std::string TwoResonancesText(Real fA, Real cA, Real fB, Real cB);

// 2. The self-resonance f0 and a resonance f (both in kHz) with a known C (as
// typed, in the unit `unit` names): Cd = f²·C/(f0² − f²).
bool SelfResonanceAndCapacitorRejected(Real f0, Real c, Real f); // f0·f·C = 0
// f0 = f faults with a division by zero.
std::string SelfResonanceAndCapacitorText(Real f0, Real c, Real f, std::string_view unit);

// 3. The self-resonance f0 (Hz) and the inductance L (H): Cd = 1/((2π·f0)²·L).
bool SelfResonanceAndInductanceRejected(Real f0, Real l); // L·f0 = 0
std::string SelfResonanceAndInductanceText(Real f0, Real l);

} // namespace coil_eval
