#include "antenna/wavelength.h"

#include "core/checked.h"
#include "core/format.h"

namespace antenna {

using quelm::Check;
using quelm::Div;
using quelm::FormatGeneral;

Real TypedWavelength(Real typed, int part) {
  static constexpr std::array<int, 4> kTimes = {1, 2, 4, 6};
  const int index = part < 0 ? 0 : (part > 3 ? 3 : part);
  return Check(typed * kTimes[static_cast<std::size_t>(index)]);
}

Real FrequencyMHz(Real waveSpeed, Real metres, std::optional<Real> factor) {
  Real lambda = metres;
  if (factor)
    lambda = Div(lambda, *factor);
  return Div(waveSpeed, lambda);
}

std::string FrequencyText(Real f) {
  if (f >= 10000)
    return FormatGeneral(f / 1000) + " GHz";
  if (f >= 10)
    return FormatGeneral(f) + " MHz";
  if (f < 0.01L)
    return FormatGeneral(Check(f * 1000000)) + " Hz";
  return FormatGeneral(f * 1000) + " kHz";
}

FrequencyUnit FrequencyUnitAt(int index) {
  switch (index) {
  case 0:
    return FrequencyUnit::Hz;
  case 2:
    return FrequencyUnit::MHz;
  case 3:
    return FrequencyUnit::GHz;
  default:
    return FrequencyUnit::kHz;
  }
}

Real WavelengthInUnit(Real waveSpeed, Real frequency) { return Div(waveSpeed, frequency); }

Real Shortened(Real wavelength, std::optional<Real> factor) {
  return factor ? Check(wavelength * *factor) : wavelength;
}

namespace {

// X, X/2, X/4, X/6 in X's own unit.
WavelengthTexts Divisions(Real x, const std::string& unit) {
  return {FormatGeneral(x) + unit, FormatGeneral(x / 2) + unit, FormatGeneral(x / 4) + unit,
          FormatGeneral(x / 6) + unit};
}

// The same in a unit `scale` times smaller (1000 or 100): X·scale,
// X·scale/2, X·scale/4, and X·(scale/2) divided by 3.
WavelengthTexts ScaledDivisions(Real x, int scale, const std::string& unit) {
  return {FormatGeneral(x * scale) + unit, FormatGeneral(x * (scale / 2)) + unit,
          FormatGeneral(x * (scale / 4)) + unit, FormatGeneral(x * (scale / 2) / 3) + unit};
}

} // namespace

WavelengthTexts WavelengthResult(Real x, FrequencyUnit unit) {
  switch (unit) {
  case FrequencyUnit::Hz:
    // Kilometres for every wavelength typed in Hz, 1000 km and more included:
    // a "Mm" (megametre) would too easily be read as millimetres.
    return ScaledDivisions(x, 1000, " km");
  case FrequencyUnit::kHz:
    return x < 1 ? ScaledDivisions(x, 1000, " m") : Divisions(x, " km");
  case FrequencyUnit::MHz:
    return x < 1 ? ScaledDivisions(x, 100, " cm") : Divisions(x, " m");
  case FrequencyUnit::GHz:
    break;
  }
  return Divisions(x, " mm");
}

} // namespace antenna
