#pragma once
// Envelope detection: the time constant τ = R·C of a detector's load beside
// its two bounds, 1/(2π·fc) of the carrier and 1/(2π·fs) of the modulating
// signal, all three in τ's time unit, and the cut-off frequency 1/(2π·R·C).
//
// Each text below is one label's, in the order the evaluation writes them:
// CutOffText, then (with τ = TimeConstant(r, c) and its TimeUnitOf)
// TimeConstantText, SignalBoundText and CarrierBoundText. A fault in one
// leaves the labels written before it.
#include <array>
#include <string>

#include "core/real.h"
#include "core/units.h"

namespace detector {

using quelm::Real;

// Unit lists, item by item (factor to Ω, F and Hz).
// R: ｋΩ, ＭΩ.
inline constexpr std::array<quelm::UnitFactor, 2> kLoadResistanceUnits = {quelm::Times(3), quelm::Times(6)};
// C: ｐＦ, ｎＦ, μＦ.
inline constexpr std::array<quelm::UnitFactor, 3> kSmoothingCapacitanceUnits = {
    quelm::Over(12), quelm::Over(9), quelm::Over(6)};
// fc: ｋＨｚ, ＭＨｚ.
inline constexpr std::array<quelm::UnitFactor, 2> kCarrierUnits = {quelm::Times(3), quelm::Times(6)};
// fs: Ｈｚ, ｋＨｚ.
inline constexpr std::array<quelm::UnitFactor, 2> kSignalUnits = {quelm::Times(0), quelm::Times(3)};

// The cut-off label's caption, which it keeps alone when there is no value
// (and when R or C is being edited).
inline constexpr const char* kCutOffCaption = "遮断周波数 ： ";

// "遮断周波数 ： 31.83 kHz" for R [Ω] and C [F]; the caption alone when
// R·C = 0.
std::string CutOffText(Real r, Real c);

// A cut-off frequency [Hz] with its unit: Hz below 1000 Hz, kHz below
// 1000 kHz, else MHz, chosen before rounding to 2 decimals ("1000 Hz" for
// 999.996 Hz, "1 kHz" for 1000 Hz).
std::string CutOffFrequencyText(Real hz);

// τ = R·C [s].
Real TimeConstant(Real r, Real c);

// The time unit of the three values, chosen by τ with strict thresholds:
// " s" above 1 s, " ms" above 1 ms, " μs" above 1 μs, else " ns".
struct TimeUnit {
  Real factor; // seconds to the unit
  const char* text;
};
TimeUnit TimeUnitOf(Real tau);

// τ in its unit, 2 decimals at most: "5 μs".
std::string TimeConstantText(Real tau, TimeUnit unit);

// 1/(2π·fs) for fs [Hz] in τ's unit, 2 decimals at most; " " when fs = 0.
std::string SignalBoundText(Real fs, TimeUnit unit);

// 1/(2π·fc) for fc [Hz] in τ's unit, 2 decimals at most, or 5 when it would
// round to 0 with 2; " " when fc = 0.
std::string CarrierBoundText(Real fc, TimeUnit unit);

} // namespace detector
