#include "detector/diode_simulation.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "core/checked.h"
#include "core/format.h"

namespace detector {

using quelm::CheckD;
using quelm::DivD;
using quelm::ExpD;
using quelm::LnD;

namespace {

// Every value below is held and computed in double precision; each step that
// can overflow or go invalid is checked where it happens.
constexpr double kSeriesEpsilon = 1e-15;    // double-literal
constexpr double kCurrentTolerance = 1e-15; // double-literal: A, Idc
constexpr double kVoltageTolerance = 1e-15; // double-literal: V, the secant for Vc
constexpr double kSeriesTolerance = 1e-14;  // double-literal: A, the series circuit
// 2π to 15 significant digits, as the asymptotic series use it.
constexpr double kTwoPi15 = 6.28318530717959; // double-literal
constexpr double kHalf = 0.5;                 // double-literal
constexpr double kSecantSecond = 0.99;        // double-literal: the secant's second start, 0.99·Vi

// The series end long before this for any finite x (about 45 terms at
// x = 20, fewer elsewhere); the bound only guards the loop.
constexpr int kMaxSeriesTerms = 1000;

// Tells when the state of an iteration comes back (Brent's cycle finding:
// the state is kept at steps 1, 2, 4, 8, ... and compared with each later
// one). A deterministic iteration whose state returns without having
// settled on the way would circle forever. Also keeps the largest change of
// an estimate since the kept state, which spans the whole circle when the
// state returns.
template <class State> class RepeatWatch {
public:
  explicit RepeatWatch(State first) : saved_(std::move(first)) {}

  // The state after a step that changed the estimate by `change`.
  bool Returned(const State& state, double change) {
    spread_ = std::max(spread_, change);
    if (state == saved_)
      return true;
    if (++length_ == power_) {
      saved_ = state;
      power_ *= 2;
      length_ = 0;
      spread_ = 0;
    }
    return false;
  }

  // How an iteration that stopped without settling at `estimate` ended.
  Ending Unsettled(double estimate) const {
    return spread_ <= kCirclingAgreement * std::fabs(estimate) ? Ending::Circling : Ending::NotConverged;
  }

private:
  State saved_;
  int power_ = 1;
  int length_ = 0;
  double spread_ = 0;
};

// Newton's method from `start`: next(x) gives the following estimate; stops
// when two estimates differ by less than `tolerance`, when an estimate comes
// back, or after `maxSteps` steps.
template <class Next> Estimate Newton(double start, double tolerance, int maxSteps, Next next) {
  double x = start;
  RepeatWatch<double> watch(x);
  for (int step = 1; step <= maxSteps; ++step) {
    const double following = next(x);
    const double change = std::fabs(following - x);
    if (change < tolerance)
      return {following, Ending::Settled, step};
    x = following;
    if (watch.Returned(x, change))
      return {x, watch.Unsettled(x), step};
  }
  return {x, watch.Unsettled(x), maxSteps};
}

// Idc from ln I0(Vc/VT), which the input conductance needs as well.
Estimate DcCurrentOf(double ro, double lnI0, double is, double vt, int maxSteps) {
  const double k = CheckD(vt * lnI0);
  return Newton(0, kCurrentTolerance, maxSteps, [&](double l) {
    const double f = CheckD(k - vt * LnD(DivD(l, is) + 1) - ro * l);
    const double d = CheckD(-DivD(vt, l + is) - ro);
    return CheckD(l - DivD(f, d));
  });
}

Estimate ConductanceOf(double ro, double vc, double is, double vt, int maxSteps) {
  // Idc and the ratio I0/I1 share ln I0(x).
  const double x = DivD(vc, vt);
  const double lnI0 = LnBesselI0(x);
  const Estimate idc = vc == 0 ? Estimate{} : DcCurrentOf(ro, lnI0, is, vt, maxSteps);
  const double ratio = ExpD(lnI0 - LnBesselI1(x));
  return {DivD(1, DivD(kHalf * ratio * vc, is + idc.value)), idc.ending, idc.steps};
}

std::string Eng(double value, const char* unit) {
  return quelm::FormatEngineering(value, 4, quelm::EngRounding::Significant, unit);
}

// The percentage a/b: Round(10000·a/b)/100.
std::string Percent(double a, double b) {
  return quelm::FormatGeneral(Real(quelm::Round64(quelm::Div(Real(10000) * a, b))) / 100);
}

} // namespace

double DiodeValue(Real typed, quelm::UnitFactor unit) {
  return CheckD(static_cast<double>(unit.Apply(typed)));
}

double LnBesselI0(double x) {
  double s = 1;
  double t = 1;
  if (x <= 20) {
    for (int k = 1; k <= kMaxSeriesTerms; ++k) {
      const double twoK = 2 * k;
      t = CheckD(t * (x * x) / (twoK * twoK));
      s = CheckD(s + t);
      if (t < kSeriesEpsilon)
        break;
    }
    return LnD(s);
  }
  for (int k = 1; k <= kMaxSeriesTerms; ++k) {
    const double odd = 2 * k - 1;
    t = CheckD(t * (odd * odd) / (8 * k * x));
    s = CheckD(s + t);
    if (t < kSeriesEpsilon)
      break;
  }
  return CheckD(x - kHalf * LnD(kTwoPi15 * x) + LnD(s));
}

double LnBesselI1(double x) {
  double s = 1;
  double t = 1;
  if (x <= 20) {
    const double y = (x / 2) * (x / 2);
    for (int k = 1; k <= kMaxSeriesTerms; ++k) {
      t = CheckD(t * y / (double(k) * (k + 1)));
      s = CheckD(s + t);
      if (t < kSeriesEpsilon)
        break;
    }
    return LnD(kHalf * s * x);
  }
  for (int k = 1; k <= kMaxSeriesTerms; ++k) {
    const double odd = 2 * k - 1;
    t = CheckD(t * (odd * odd - 4) / (8 * k * x));
    s = CheckD(s + t);
    if (std::fabs(t) < kSeriesEpsilon)
      break;
  }
  return CheckD(x - kHalf * LnD(kTwoPi15 * x) + LnD(s));
}

double BesselRatioI0I1(double x) { return ExpD(LnBesselI0(x) - LnBesselI1(x)); }

Estimate DetectorDcCurrent(double ro, double vc, double is, double vt) {
  if (vc == 0)
    return {0, Ending::Settled, 0};
  return DcCurrentOf(ro, LnBesselI0(DivD(vc, vt)), is, vt, kMaxIterationSteps);
}

Estimate DetectorInputConductance(double ro, double vc, double is, double vt) {
  return ConductanceOf(ro, vc, is, vt, kMaxIterationSteps);
}

Estimate LoadedInputAmplitude(double zo, double ro, double vi, double is, double vt) {
  if (zo == 0)
    return {vi, Ending::Settled, 0};
  // H(v), or none when no Newton steps are left for its Idc or its Idc
  // does not converge, which ends the secant without a result.
  int newtonLeft = kMaxSecantNewtonSteps;
  const auto h = [&](double v) -> std::optional<double> {
    if (newtonLeft <= 0)
      return std::nullopt;
    const Estimate g = ConductanceOf(ro, v, is, vt, std::min(newtonLeft, kMaxIterationSteps));
    newtonLeft -= g.steps;
    if (!g.Converged())
      return std::nullopt;
    return CheckD(v - DivD(vi, zo * g.value + 1));
  };
  double y0 = vi;
  double y1 = kSecantSecond * vi;
  const std::optional<double> first = h(y0);
  if (!first)
    return {y0, Ending::NotConverged, 0};
  double h0 = *first;
  RepeatWatch<std::pair<double, double>> watch({y0, y1});
  for (int step = 1; step <= kMaxIterationSteps; ++step) {
    const std::optional<double> next = h(y1);
    if (!next)
      return {y1, Ending::NotConverged, step};
    const double h1 = *next;
    // Two estimates a few units of the last place apart may meet the same
    // H, which leaves the secant without a slope: the estimate stands.
    if (h1 == h0 && std::fabs(y1 - y0) <= kCirclingAgreement * std::fabs(y1))
      return {y1, Ending::Circling, step};
    const double y2 = CheckD(y1 - DivD(CheckD((y1 - y0) * h1), h1 - h0));
    const double change = std::fabs(y2 - y1);
    if (change < kVoltageTolerance)
      return {y2, Ending::Settled, step};
    h0 = h1;
    y0 = y1;
    y1 = y2;
    if (watch.Returned({y0, y1}, change))
      return {y1, watch.Unsettled(y1), step};
  }
  return {y1, watch.Unsettled(y1), kMaxIterationSteps};
}

Estimate SeriesDiodeCurrent(double ro, double vt, double is, double v, bool reverse) {
  if (ro == 0) {
    const double s = reverse ? -1 : 1;
    return {CheckD(is * (ExpD(DivD(s * v, vt)) - 1)), Ending::Settled, 0};
  }
  if (v == 0)
    return {0, Ending::Settled, 0};
  if (reverse) {
    return Newton(DivD(v, ro), kSeriesTolerance, kMaxIterationSteps, [&](double i) {
      const double u = DivD(-v - ro * i, vt);
      const double f = CheckD(is * ExpD(u) - is - i);
      const double d = CheckD(ExpD(u) * DivD(-ro * is, vt) - 1);
      return CheckD(i - DivD(f, d));
    });
  }
  return Newton(0, kSeriesTolerance, kMaxIterationSteps, [&](double i) {
    const double f = CheckD(vt * LnD(DivD(i, is) + 1) + ro * i - v);
    const double d = CheckD(DivD(vt, is + i) + ro);
    return CheckD(i - DivD(f, d));
  });
}

void RunDiodeSimulation(DiodeMode mode, const DiodeInputs& in, const MemoWriter& write) {
  // A message in `line` and blanks below it.
  const auto stop = [&](int line, const std::string& message) {
    write(line, message);
    for (int below = line + 1; below < kMemoLines; ++below)
      write(below, kBlankLine);
  };
  // The value of an estimate, or the message of one that did not converge.
  const auto converged = [&](const Estimate& e, int line, const char* quantity) {
    if (!e.Converged())
      stop(line, std::string(kNoConvergence) + quantity);
    return e.Converged();
  };
  switch (mode) {
  case DiodeMode::DcCurrent: {
    if (in.is == 0 || in.vt == 0 || in.vc == 0)
      return stop(0, "req. Ist>0 TV>0 Vc>0");
    const Estimate idc = DetectorDcCurrent(in.ro, in.vc, in.is, in.vt);
    if (!converged(idc, 0, "Idc"))
      return;
    write(0, "Idc = " + Eng(idc.value, "A"));
    const double vo = CheckD(idc.value * in.ro);
    write(1, "Vo = " + Eng(vo, "V"));
    write(2, "Vo/Vc = " + Percent(vo, in.vc) + "%");
    const double po = DivD(CheckD(vo * vo), in.ro);
    write(3, "Po = " + Eng(po, "W"));
    return;
  }
  case DiodeMode::InputConductance: {
    if (in.is == 0 || in.vt == 0 || in.ro == 0 || in.vc == 0)
      return stop(0, "req. Ist>0 TV>0 Ro>0 Vc>0");
    const Estimate g = DetectorInputConductance(in.ro, in.vc, in.is, in.vt);
    if (!converged(g, 0, "Idc"))
      return;
    write(0, "G = " + Eng(g.value, "S"));
    const double z = DivD(1, g.value);
    write(1, "Z = " + Eng(z, "Ω"));
    return;
  }
  case DiodeMode::LoadedSource: {
    if (in.is == 0 || in.vt == 0 || in.ro == 0 || in.vi == 0)
      return stop(0, "req. Ist>0 TV>0 Ro>0 Vi>0");
    const Estimate vc = LoadedInputAmplitude(in.zo, in.ro, in.vi, in.is, in.vt);
    if (!converged(vc, 0, "Vc"))
      return;
    write(0, "Vc = " + Eng(vc.value, "V") + "   (Vc/Vi = " + Percent(vc.value, in.vi) + "%)");
    const Estimate idc = DetectorDcCurrent(in.ro, vc.value, in.is, in.vt);
    if (!converged(idc, 1, "Idc"))
      return;
    const double vo = CheckD(idc.value * in.ro);
    write(1, "Vo = " + Eng(vo, "V") + "   (Vo/Vi = " + Percent(vo, in.vi) + "%)");
    const double po = DivD(CheckD(vo * vo), in.ro);
    write(2, "Po = " + Eng(po, "W"));
    return;
  }
  case DiodeMode::SeriesCircuit: {
    if (in.is == 0)
      return stop(0, "req. Ist>0");
    const Estimate i = SeriesDiodeCurrent(in.ro, in.vt, in.is, in.v, in.reverse);
    if (!converged(i, 0, "Idc"))
      return;
    write(0, "Idc = " + Eng(i.value, "A"));
    return;
  }
  }
}

} // namespace detector
