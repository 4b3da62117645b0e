#include "antenna/wire_antenna.h"

#include <numbers>

#include "antenna/wave_options.h"
#include "core/checked.h"
#include "core/format.h"

namespace antenna {

using quelm::Check;
using quelm::Div;

namespace {

constexpr Real kTwoPi = 2 * std::numbers::pi_v<Real>;
// 40π² as the radiation resistance writes it, to 15 digits.
constexpr Real kFortyPiSquared = 394.784176043574L;

// 24·length / log10(ratio·h / d): the capacitance in picofarads of a wire of
// that length at height h (ratio 1.15 for the vertical part, 4 for the top).
Real WireCapacitance(Real length, Real ratio, Real h, Real d) {
  return Div(Check(24 * length), quelm::Log10(Div(Check(ratio * h), d)));
}

// 1000 / ((2π·f)²·C): the inductance in millihenries that tunes C picofarads
// to f megahertz.
Real TuningInductance(Real f, Real c) {
  const Real omega = Check(kTwoPi * f);
  return Div(1000, Check(Check(omega * omega) * c));
}

Real Square(Real x) { return Check(x * x); }

// x to one decimal, or x·1000 to one decimal (Round(x·10000)/10) in the
// thousand-times-smaller unit when x is 1 or less.
std::string OneDecimal(Real x, const char* unit, const char* smallUnit) {
  if (x > 1)
    return quelm::FormatRounded(x, 1) + unit;
  const Real thousandfold = static_cast<Real>(quelm::Round64(Check(x * 10000))) / 10;
  return quelm::FormatGeneral(thousandfold) + smallUnit;
}

} // namespace

WireTexts WireStartTexts() { return {"[ｍ]", "[ pF ]", "[μH ]", "[ mΩ ]", "[μH ]"}; }

WireTexts WireResetTexts() { return {"[ｍ]", "[pF]", "[μH]", "[mΩ]", "[μH]"}; }

bool WireAntennaRejected(const WireInputs& in) {
  return quelm::Product(in.vertical, kWireDiameterUnit.Apply(in.diameter),
                        kWireFrequencyUnit.Apply(in.frequency)) == 0;
}

WireAntenna ComputeWireAntenna(const WireInputs& in, Real waveSpeed, std::string_view factorText,
                               bool factorEnabled) {
  const Real a = in.horizontal;
  const Real h = in.vertical;
  const Real d = kWireDiameterUnit.Apply(in.diameter);
  const Real f = kWireFrequencyUnit.Apply(in.frequency);

  WireAntenna out;
  const Real spread = Check(h + a);
  out.effectiveHeight = Div(Check(h * Check(Check(2 * a) + h)), Check(2 * spread));

  const Real cv = WireCapacitance(h, 1.15L, h, d);
  const Real ch = a != 0 ? WireCapacitance(a, 4, h, d) : Real{0};
  out.capacitance = Check(cv + ch);

  const Real lambda = Div(waveSpeed, f);
  const Real loading = Div(Check(Check(2 * ch) + cv), Check(ch + cv));
  out.radiationResistance = Div(Check(Check(kFortyPiSquared * Square(loading)) * Square(h)), Square(lambda));

  Real natural = Check(4 * spread);
  if (const auto k = ShorteningAsTyped(factorText, factorEnabled))
    natural = Div(natural, *k);
  const Real f0 = Div(waveSpeed, natural);

  out.inductance = TuningInductance(f0, out.capacitance);
  out.loadingCoil = Check(TuningInductance(f, out.capacitance) - out.inductance);
  return out;
}

WireTexts WireAntennaTexts(const WireAntenna& a) {
  WireTexts t;
  t.effectiveHeight = quelm::FormatRounded(a.effectiveHeight, 1) + " ｍ";
  t.capacitance = quelm::FormatRounded(a.capacitance, 1) + " pF";
  t.radiationResistance = OneDecimal(a.radiationResistance, " Ω", " ｍΩ");
  t.inductance = OneDecimal(a.inductance, " ｍH", " μH");
  t.loadingCoil = OneDecimal(a.loadingCoil, " ｍH", " μH");
  return t;
}

WireTexts WireAntennaResult(const WireInputs& in, Real waveSpeed, std::string_view factorText,
                            bool factorEnabled) {
  if (WireAntennaRejected(in))
    return WireResetTexts();
  return WireAntennaTexts(ComputeWireAntenna(in, waveSpeed, factorText, factorEnabled));
}

} // namespace antenna
