#pragma once
// Simulation of a detector built on the ideal exponential diode law
// I = Is·(exp(v/VT) − 1): the DC current, output voltage and efficiency of a
// diode driven by a sinusoid into a smoothed load, its input conductance, the
// same detector fed from a source with internal resistance, and the plain DC
// circuit of a diode in series with a resistor.
//
// Every value is held, and computed, in double precision; a step that
// overflows the double range or goes invalid is a fault (quelm::CalcError)
// where it happens.
#include <array>
#include <functional>
#include <string>

#include "core/real.h"
#include "core/units.h"

namespace detector {

using quelm::Real;

// Unit lists, item by item. Each value is multiplied by 10ⁿ, the power
// evaluated as a number first (so ×10⁻⁶ multiplies by the reciprocal of 10⁶).
// Is: μＡ, ｎＡ, ｐＡ, ｆＡ.
inline constexpr std::array<quelm::UnitFactor, 4> kSaturationCurrentUnits = {
    quelm::Times(-6), quelm::Times(-9), quelm::Times(-12), quelm::Times(-15)};
// VT: ｍＶ.
inline constexpr std::array<quelm::UnitFactor, 1> kThermalVoltageUnits = {quelm::Times(-3)};
// Ro and Zo: Ω, ｋΩ, ＭΩ.
inline constexpr std::array<quelm::UnitFactor, 3> kResistanceUnits = {quelm::Times(0), quelm::Times(3),
                                                                      quelm::Times(6)};
// Vc, Vi and V: Ｖ, ｍＶ, μＶ.
inline constexpr std::array<quelm::UnitFactor, 3> kVoltageUnits = {quelm::Times(0), quelm::Times(-3),
                                                                   quelm::Times(-6)};

// A typed value brought to its base unit and held in double precision.
double DiodeValue(Real typed, quelm::UnitFactor unit);

// ---- Modified Bessel functions of the first kind ----

// ln I0(x): the power series for x ≤ 20, the asymptotic series above; each
// summed until the first term below 1e-15 (which is still added).
double LnBesselI0(double x);
// ln I1(x), likewise (x must be positive).
double LnBesselI1(double x);
// I0(x)/I1(x) = exp(ln I0(x) − ln I1(x)).
double BesselRatioI0I1(double x);

// ---- Solvers ----

// The most steps any iteration takes. An iteration that settles within this
// many steps gives the same result as one without a limit (the secant for
// Vc, whose every step solves for Idc again, within kMaxSecantNewtonSteps
// too).
inline constexpr int kMaxIterationSteps = 10000;
// The most Newton steps the secant for Vc may spend on Idc in all its
// evaluations of G together (10 to 17 each at ordinary inputs), so that
// the secant finishes within a frame whatever it meets.
inline constexpr int kMaxSecantNewtonSteps = 200000;
// Two estimates that differ by no more than this fraction of their size
// agree as closely as double precision allows.
inline constexpr double kCirclingAgreement = 1e-12; // double-literal

// How an iteration ended. The tolerances are absolute (1e-15 A, 1e-15 V,
// 1e-14 A), finer than the spacing of doubles at large currents or
// voltages, where the estimates end up circling the root a few units of the
// last place apart and never settle. An iteration therefore also stops when
// its state comes back (it would come back forever), after
// kMaxIterationSteps steps, and (the secant) when two estimates meet the
// same H and leave it without a slope.
enum class Ending {
  Settled,      // two estimates closer than the tolerance
  Circling,     // stopped without settling, the estimates since the last
                // check agreeing within kCirclingAgreement: the estimate stands
  NotConverged, // stopped with the estimates still apart: no result
};

struct Estimate {
  double value = 0; // the last estimate
  Ending ending = Ending::Settled;
  int steps = 0;

  bool Converged() const { return ending != Ending::NotConverged; }
};

// Idc [A] of the detector with load Ro [Ω], input amplitude Vc [V]:
// Newton's method on VT·ln(1 + Idc/Is) + Ro·Idc = VT·ln I0(Vc/VT) from 0.
Estimate DetectorDcCurrent(double ro, double vc, double is, double vt);

// G [S] = 2·(Is + Idc)·I1(x)/(Vc·I0(x)), x = Vc/VT; the ending and steps
// are those of Idc.
Estimate DetectorInputConductance(double ro, double vc, double is, double vt);

// Vc [V] of the detector fed from a source of open-circuit amplitude Vi [V]
// and internal resistance Zo [Ω]: the secant method on
// v − Vi/(Zo·G(v) + 1) = 0 from Vi and 0.99·Vi. Not converged when the
// secant reaches its step limit still moving, when its evaluations of G
// exhaust kMaxSecantNewtonSteps, or when one of them did not converge.
Estimate LoadedInputAmplitude(double zo, double ro, double vi, double is, double vt);

// The current [A] of a diode in series with Ro [Ω] under the DC voltage V
// (a magnitude; reverse bias when `reverse`); Newton's method.
Estimate SeriesDiodeCurrent(double ro, double vt, double is, double v, bool reverse);

// ---- The page's four simulations ----

enum class DiodeMode { DcCurrent, InputConductance, LoadedSource, SeriesCircuit };
// The mode list's items in order.
inline constexpr std::array<DiodeMode, 4> kDiodeModes = {DiodeMode::DcCurrent, DiodeMode::InputConductance,
                                                         DiodeMode::LoadedSource, DiodeMode::SeriesCircuit};

// Which of the mode-dependent fields a mode reads (Is, VT and Ro are always
// shown as read).
struct FieldsRead {
  bool vc, vi, zo, v;
};
constexpr FieldsRead FieldsReadBy(DiodeMode mode) {
  switch (mode) {
  case DiodeMode::DcCurrent:
  case DiodeMode::InputConductance:
    return {true, false, false, false};
  case DiodeMode::LoadedSource:
    return {false, true, true, false};
  case DiodeMode::SeriesCircuit:
    return {false, false, false, true};
  }
  return {false, false, false, false};
}

// The values of the seven fields in base units, and the reverse-bias box.
struct DiodeInputs {
  double is = 0; // A
  double vt = 0; // V
  double ro = 0; // Ω
  double vc = 0; // V
  double vi = 0; // V
  double zo = 0; // Ω
  double v = 0;  // V
  bool reverse = false;
};

// The result memo has six lines; a blank line holds one ASCII space.
inline constexpr int kMemoLines = 6;
inline constexpr const char* kBlankLine = " ";

// Receives each memo line as soon as it is known: line index 0-5 and text.
using MemoWriter = std::function<void(int line, const std::string& text)>;

// The line of an iteration that stopped with its estimates still apart,
// followed by the quantity ("収束しません: Vc").
inline constexpr const char* kNoConvergence = "収束しません: ";

// Runs one simulation and writes its lines in order. Lines the mode does not
// write keep their text. Missing inputs write the mode's "req. ..." message
// into line 0 and blank lines 1-5; so does an iteration that did not
// converge, with kNoConvergence and the quantity (Idc or Vc). A fault
// throws quelm::CalcError after the lines before it were written.
void RunDiodeSimulation(DiodeMode mode, const DiodeInputs& in, const MemoWriter& write);

} // namespace detector
