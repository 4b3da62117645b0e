#include "coil_eval/skin_effect.h"

#include <numbers>

#include "core/checked.h"
#include "core/format.h"

namespace coil_eval {

using quelm::Check;
using quelm::Div;

namespace {

// 2π rounded to a 64-bit mantissa.
constexpr Real kTwoPi = 6.283185307179586477L;
constexpr Real kPi = std::numbers::pi_v<Real>;

// Stores an extended value in double precision; beyond its range is an overflow.
double Stored(Real x) { return quelm::CheckD(static_cast<double>(Check(x))); }

std::string Engineering(double x, const char* unit) {
  return quelm::FormatEngineering(x, 4, quelm::EngRounding::Significant, unit);
}

// The shared inputs in base units, held in double precision.
double Frequency(const SkinInputs& in) { return Stored(in.frequency); }
double Inductance(const SkinInputs& in) { return Stored(in.inductance); }

} // namespace

std::string QualityText(const SkinInputs& in) {
  const double f = Frequency(in);
  const double l = Inductance(in);
  const double r = Stored(in.resistance);
  if (r == 0)
    return "";
  const double q = Stored(Div(Check(Check(kTwoPi * f) * l), r));
  return quelm::FormatRounded(static_cast<Real>(q), 2);
}

double SkinDepth(double rho, double f) {
  return Stored(quelm::Sqrt(Div(rho, Check(1e-7L * Check(4 * kPi * kPi * f)))));
}

void ResistanceLines(const SkinInputs& in, const MemoLineSink& write) {
  const double f = Frequency(in);
  const double l = Inductance(in);
  const double a = Stored(in.diameter / 2 / 1000); // the wire's radius, m
  const double length = Stored(in.length);
  const double rho = Stored(in.resistivity / 100000000); // Ω·m
  if (quelm::Product(f, l, a, length, rho) == 0) {
    for (int line = 0; line <= 6; ++line)
      write(line, " ");
    return;
  }
  const Real area = Check(kPi * Check(static_cast<Real>(a) * a));
  const double rdc = Stored(Div(Check(length * static_cast<Real>(rho)), area));
  write(0, "直流抵抗Rdc = " + Engineering(rdc, "Ω"));

  const double delta = SkinDepth(rho, f);
  write(2, "表皮深さδ = " + Engineering(delta, "m"));

  // The shell between the radius and δ below it; negative when δ exceeds a.
  const Real inner = static_cast<Real>(a) - delta;
  const Real shell = Check(Check(static_cast<Real>(a) * a) - Check(inner * inner));
  const double rse = Stored(Div(Check(rho * static_cast<Real>(length)), Check(kPi * shell)));
  write(3, "表皮効果による抵抗Rse = " + Engineering(rse, "Ω"));
  write(4, kConditionLine);
  write(6, kProximityLine);

  const double xl = Stored(Check(Check(kTwoPi * f) * l));
  write(7, "誘導リアクタンスXL = " + Engineering(xl, "Ω"));
}

} // namespace coil_eval
