#include "tuning/resonance.h"

#include <cstdlib>

#include "core/checked.h"
#include "core/format.h"

namespace tuning {

namespace {

Resonance Make(Real value, int decimals, int unitIndex, const char* unit) {
  return {PlainDigits(quelm::FormatRounded(value, decimals)), unitIndex, unit};
}

} // namespace

std::optional<Resonance> SolveResonance(Solved solved, Real f, Real l, Real c) {
  switch (solved) {
  case Solved::Frequency: {
    if (Product(l, c) == 0)
      return std::nullopt;
    const Real hz = ResonantFrequency(l, c);
    if (hz >= 1000) {
      const Real khz = hz / 1000;
      if (khz >= 10000)
        return Make(khz / 1000, 3, 2, " MHz");
      return Make(khz, 3, 1, " kHz");
    }
    return Make(hz, 3, 0, " Hz");
  }
  case Solved::Inductance: {
    if (Product(f, c) == 0)
      return std::nullopt;
    const Real microhenries = quelm::Div(1000000, OmegaSquaredTimes(f, c));
    if (microhenries >= 1000)
      return Make(microhenries / 1000, 3, 1, " ｍＨ");
    return Make(microhenries, 3, 0, " μＨ");
  }
  case Solved::Capacitance: {
    if (Product(f, l) == 0)
      return std::nullopt;
    const Real picofarads = quelm::Div(1000000000000, OmegaSquaredTimes(f, l));
    if (picofarads >= 10000)
      return Make(picofarads / 1000000, 4, 1, " μＦ");
    return Make(picofarads, 3, 0, " ｐＦ");
  }
  }
  return std::nullopt;
}

std::string PlainDigits(const std::string& general) {
  const auto e = general.find('E');
  if (e == std::string::npos)
    return general;
  const bool negative = !general.empty() && general[0] == '-';
  std::string digits;
  for (std::size_t i = negative ? 1 : 0; i < e; ++i)
    if (general[i] != '.')
      digits += general[i];
  // The general form writes d.ddd×10^exp: one digit before the point.
  const int exponent = std::atoi(general.c_str() + e + 1);
  std::string text = negative ? "-" : "";
  if (exponent >= 0) {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      text += digits + std::string(whole - digits.size(), '0');
    } else {
      text += digits.substr(0, whole) + "." + digits.substr(whole);
    }
  } else {
    text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  return text;
}

} // namespace tuning
