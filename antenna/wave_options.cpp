#include "antenna/wave_options.h"

#include "core/numtext.h"

namespace antenna {

Real WaveSpeed(bool approximate) { return approximate ? Real{300} : 299.792458L; }

Shortening NormaliseShortening(std::string_view factorText, bool enabled) {
  if (factorText.empty())
    return {true, std::nullopt};
  const Real k = quelm::ReadNumber(factorText);
  if (k == 0)
    return {true, std::nullopt};
  if (!enabled)
    return {false, std::nullopt};
  return {false, k};
}

std::optional<Real> ShorteningAsTyped(std::string_view factorText, bool enabled) {
  if (!enabled)
    return std::nullopt;
  const Real k = quelm::ReadNumberStrict(factorText);
  if (k == 0)
    return std::nullopt;
  return k;
}

} // namespace antenna
