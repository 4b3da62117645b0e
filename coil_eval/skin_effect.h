#pragma once
// A coil's Q from its series resistance, Q = 2π·f·L/R, and the resistance
// components of its wire: the DC resistance, the skin depth, the resistance
// of a surface shell one skin depth thick, and the coil's reactance. The two
// calculators share the frequency and inductance. Every value is held in
// double precision.
#include <array>
#include <functional>
#include <string>

#include "core/real.h"
#include "core/units.h"

namespace coil_eval {

using quelm::Real;

// Frequency list: Hz, kHz, MHz, GHz (multiplied by 10ⁿ).
inline constexpr std::array<quelm::UnitFactor, 4> kSkinFrequencyUnits = {quelm::One(), quelm::Times(3),
                                                                         quelm::Times(6), quelm::Times(9)};
// Inductance list: mH, μH, multiplied by 10⁻³ and 10⁻⁶ formed as powers of ten.
inline constexpr std::array<quelm::UnitFactor, 2> kSkinInductanceUnits = {quelm::Times(-3), quelm::Times(-6)};

// The page's fields: frequency and inductance scaled by their lists, the rest
// as typed.
struct SkinInputs {
  Real frequency = 0;   // f, Hz
  Real inductance = 0;  // L, H
  Real resistance = 0;  // R for Q, Ω
  Real diameter = 0;    // d, mm
  Real length = 0;      // ℓ, m
  Real resistivity = 0; // ρ in units of 10⁻⁸ Ω·m
};

// The Q field: Q with two decimals at most, or empty when R is zero.
std::string QualityText(const SkinInputs& in);

// The skin depth √(ρ/(π·f·μ0)) in metres of a non-magnetic wire, ρ in Ω·m
// and f in Hz.
double SkinDepth(double rho, double f);

// The memo's fixed lines: the condition of the skin formula and the
// proximity-effect resistance, which is not computed.
inline constexpr char kConditionLine[] = "（ 条件：線材半径>>δ )";
inline constexpr char kProximityLine[] = "近接効果による抵抗Rpe = unknown";

// Receives a memo line by its index.
using MemoLineSink = std::function<void(int line, const std::string& text)>;

// Writes the resistance components into memo lines 0, 2, 3, 4, 6 and 7, each
// as soon as it is known, so a fault leaves the earlier lines written. When
// f·L·a·ℓ·ρ is zero, lines 0 to 6 each get a single blank and line 7 is left
// alone. A skin depth of exactly the wire's diameter leaves no shell and
// faults with a division by zero after lines 0 and 2.
void ResistanceLines(const SkinInputs& in, const MemoLineSink& write);

} // namespace coil_eval
