#include "tuning/resonance.h"

#include <cstdlib>

#include "core/checked.h"
#include "core/format.h"

namespace tuning {

using quelm::Product;

namespace {

Resonance Make(Real value, int decimals, int unitIndex, const char* unit) {
  return {quelm::FormatPlain(quelm::RoundDecimals(value, decimals)), unitIndex, unit};
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

} // namespace tuning
