#pragma once
// The parallel-plate capacitor C = N·εr·ε0·S / d solved for any one of its
// five quantities from the other four. N counts the gaps of area S and
// spacing d that work in parallel (N = 1 is a single pair of plates).
#include <array>
#include <string>

#include "core/real.h"
#include "core/units.h"

namespace varicap {

using quelm::Real;

// The five quantities in the order of the selector's items.
enum class Quantity { Multiplicity = 0, Area = 1, Spacing = 2, Capacitance = 3, Permittivity = 4 };

// Unit lists, item by item: the factor from the typed unit to the base unit,
// and the unit string appended to a solved value.
// Area: m㎡, c㎡, ㎡ (square metres).
inline constexpr std::array<quelm::NamedUnit, 3> kAreaUnits = {
    {{quelm::Over(6), " m㎡"}, {quelm::Over(4), " c㎡"}, {quelm::One(), " ㎡"}}};
// Spacing: mm, cm, ｍ (metres).
inline constexpr std::array<quelm::NamedUnit, 3> kSpacingUnits = {
    {{quelm::Over(3), " mm"}, {quelm::Over(2), " cm"}, {quelm::One(), " m"}}};
// Capacitance: ｐＦ, ｎＦ, μＦ (farads).
inline constexpr std::array<quelm::NamedUnit, 3> kCapacitanceUnits = {
    {{quelm::Over(12), " ｐＦ"}, {quelm::Over(9), " ｎＦ"}, {quelm::Over(6), " μＦ"}}};

// The permittivity of free space in F/m: 8.85418781762 times 10 raised to
// the integral power -12 (the reciprocal of 10^12), which is not the same
// extended value as the single literal 8.85418781762e-12.
Real Epsilon0();

// The five values as read from their fields (in their units), and the
// unit picked in each list.
struct PlateDesignInput {
  Real multiplicity = 0; // N
  Real area = 0;         // S in the area list's unit
  Real spacing = 0;      // d in the spacing list's unit
  Real capacitance = 0;  // C in the capacitance list's unit
  Real permittivity = 0; // εr
  quelm::NamedUnit areaUnit = kAreaUnits[1];
  quelm::NamedUnit spacingUnit = kSpacingUnits[0];
  quelm::NamedUnit capacitanceUnit = kCapacitanceUnits[0];
};

struct PlateDesignResult {
  // False when a known quantity is zero: nothing is solved and the result
  // row is blanked.
  bool solved = false;
  // The solved value in its display unit, rounded to 4 decimals.
  Real value = 0;
  // That value as text (FormatGeneral), for the solved quantity's field.
  std::string text;
  // The unit string for the result row ("" for N and εr).
  std::string unit;
};

// Solves for `target`; the target's own input value is ignored. Throws
// quelm::CalcError on a floating-point fault.
PlateDesignResult SolvePlateDesign(Quantity target, const PlateDesignInput& in);

} // namespace varicap
