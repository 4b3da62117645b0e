#pragma once
// Single-layer winding on a ring core of rectangular section. A catalogue
// core gives the inductance by its AL value, L = N²·AL nH; a core of any size
// ("一般") by the rectangular-section toroid formula,
//   L = ln(a/b)·N²/2π·μ·c,
// with a, b the outer and inner diameter and c the height.
//
// A calculation writes, in this order and each as soon as it is computed:
// the result (ToroidInductanceText or TurnsText), the length line
// (ToroidWireLength), the weight line (CopperWeight(d, length, 2) with the
// typed diameter) and the maximum-turns line (MaxTurnsEstimate). The last
// two steps can fault: on a catalogue core N = 0 (or a target of 0) divides
// by zero in ToroidWireLength after the result is written, and a wire
// diameter of 0 divides by zero in MaxTurnsEstimate after the length and
// weight are written.
#include <string>
#include <string_view>

#include "coil_design/coil_wire.h"
#include "coil_design/toroid_cores.h"

namespace coil_design {

struct ToroidCore {
  bool general = false; // entered on "一般" (else a catalogue core)
  Real al = 0;          // nH per turn², catalogue core
  Real a = 0;           // outer diameter, m
  Real b = 0;           // inner diameter, m
  Real c = 0;           // height, m
  Real mu = 0;          // μs·4e-7·π, H/m, general core
};

// The core of "一般", from its fields: a, b, c in mm and μs.
ToroidCore GeneralToroidCore(Real aMm, Real bMm, Real cMm, Real permeability);
// The chosen size of a material tab.
ToroidCore CatalogueToroidCore(const ToroidCoreRow& row);

// The page's own error dialog, for the general core only.
inline constexpr std::string_view kCoreRejected = "コアの内径と外径に矛盾がある、または　\r\n"
                                                  "0 の入力値があるため、計算できません。\r\n"
                                                  "正しい値を入力してください。";

// ---- Inductance from turns ----

// General core: b ≥ a, or a·b·c·N·μ = 0. A catalogue core is never rejected.
bool ToroidInductanceRejected(const ToroidCore& core, Real turns);
// In henries.
Real ToroidInductance(const ToroidCore& core, Real turns);
// InductanceText, except that millihenries are rounded up to the hundredth:
// 7.0447 mH shows "7.05 mH".
std::string ToroidInductanceText(Real henries);

// ---- Turns from inductance (target in μH as typed) ----

// General core: b ≥ a, or a·b·c·L·μ = 0. A catalogue core is never rejected.
bool ToroidTurnsRejected(const ToroidCore& core, Real targetMicrohenries);
// Unrounded (shown with TurnsText); no bound on the count.
Real ToroidTurns(const ToroidCore& core, Real targetMicrohenries);

// ---- The wire ----

// Each turn goes round the core's section, of perimeter (a − b) + 2c, while
// advancing π·a/N along the outer circumference:
// √(((a − b) + 2c)² + (π·a/N)²)·N, in metres rounded to 2 decimals.
// N = 0 divides by zero.
Real ToroidWireLength(const ToroidCore& core, Real turns);

// How many turns of wire of diameter d (mm) fit through the hole of
// diameter b (m): "推定最大巻数 ： 約 169 巻", or for a hole of at most 2.6
// wire diameters the wires across it, "推定最大巻数 ： 2 巻". d = 0 divides
// by zero.
std::string MaxTurnsEstimate(Real innerMetres, Real wireMm);

} // namespace coil_design
