#pragma once
// What every coil page shares: the inductance text, the copper weight of the
// wire and the three lines of the wire group ("必要な線材").
#include <string>
#include <string_view>

#include "core/real.h"

namespace coil_design {

using quelm::Real;

// π and 3π at the full 64-bit mantissa.
inline constexpr Real kPi = 3.141592653589793238462643383279502884L;
inline constexpr Real kThreePi = 9.424777960769379716L;
// 2π as the literal 6.283185307179586477, which the spiral's and the ring
// core's formulas divide by.
inline constexpr Real kTwoPi = 6.283185307179586477L;
// The vacuum permeability μ0 = 4π·10⁻⁷ H/m is formed as this factor times π.
inline constexpr Real kMu0OverPi = 4e-7L;
// Density of copper in g/cm³.
inline constexpr Real kCopperDensity = 8.95L;

// An inductance in henries as text: "298.91 μH", "1000 mH", "250 nH". Each
// unit is chosen by a strict "> 1" test made before rounding; H, mH and μH
// keep two decimals, nH three.
std::string InductanceText(Real henries);

// Grams of copper in a wire of diameter d (mm) and length ℓ (m), rounded to
// `decimals` decimals: (d/2)² · 8.95 · π · ℓ.
Real CopperWeight(Real diameterMm, Real lengthM, int decimals);

// μs · 4e-7 · π, in H/m.
Real Permeability(Real relative);

// The turns searches stop here: a coil that needs more turns than this is
// beyond what the pages compute (the search would otherwise run for minutes,
// or for ever once the step no longer changes a huge count).
inline constexpr int kMaxSearchTurns = 10000;
// The page's error dialog for such a coil.
inline constexpr std::string_view kTurnsOutOfRange =
    "巻数が計算できる範囲（10000 巻まで）を超えるため、計算できません。\n"
    "正しい値を入力してください。";

// The own error dialog of the spider and spiral pages, for an inner
// diameter or radius not below the outer one or a zero input.
inline constexpr std::string_view kRadiiRejected = "外半径と内半径に矛盾がある、または　\r\n"
                                                   "0 の入力値があるため、計算できません。\r\n"
                                                   "正しい値を入力してください。";

// The flat coils' wire is summed turn by turn, each turn at its own radius.
// Up to this many turns the sum is taken one turn at a time; beyond (a count
// only a huge target or a typed count reaches) it is taken in closed form,
// which a long run of single additions could not match anyway.
inline constexpr long long kTurnByTurnSum = 100000;

// A turns count as "100.18 巻", rounded to two decimals. The searches step
// in hundredths of a turn, so their counts show two decimals as they are; the
// rounding keeps the error that a long run of 0.01 steps gathers (from about
// 880 turns on) out of the text.
std::string TurnsText(Real turns);

// The wire group's lines.
std::string LengthLine(Real metres);                                      // "長さ ： 15.71 m"
std::string DiameterLine(Real millimetres, std::string_view suffix = {}); // "線径 ： 0.6 mm"
std::string WeightLine(Real grams);                                       // "重量 ： 39.8 g"

// What a calculation puts into the wire group. `length` and `diameter` are
// already rounded by the shape's rule.
struct Wire {
  Real length = 0;    // metres
  Real diameter = 0;  // millimetres
  Real weight = 0;    // grams, from the rounded length and diameter
  std::string suffix; // after the diameter line's unit (the solenoid's)
};

// The number a hidden length label holds, read back: the text written there by
// FormatGeneral, so a long wire may come back in exponent form ("1.5E16").
// An empty text reads as 0; anything else that is no number is a conversion
// error.
Real ReadLengthText(std::string_view text);

} // namespace coil_design
