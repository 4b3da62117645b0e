#pragma once
// The antenna options: the speed of the waves and the shortening (velocity)
// factor of the antenna wire, shared by the antenna calculators.
#include <optional>
#include <string_view>

#include "core/real.h"

namespace antenna {

using quelm::Real;

// The speed of light in metre × megahertz, so that a wavelength in metres is
// WaveSpeed / frequency in megahertz: 300 when approximated, else the exact
// 299.792458.
Real WaveSpeed(bool approximate);

// What the panel's shortening factor comes to for one calculation.
struct Shortening {
  bool uncheck = false;       // the "enable" box must be cleared
  std::optional<Real> factor; // the factor k to apply, if any
};

// The shortening factor's rule. The factor's text (UTF-8) is read whenever
// it is not empty, enabled or not, so a text that is not a number throws the
// conversion error even while the factor is off. An empty text or one that
// reads as 0 clears the enable box and applies nothing; otherwise k applies
// only while the box is checked. A factor of 0 is never applied.
Shortening NormaliseShortening(std::string_view factorText, bool enabled);

// The factor as the short-wire calculation reads it, without normalising the
// panel: nothing while the box is unchecked; while it is checked, the text
// converted without the empty test (an empty text is a conversion error too)
// and applied unless it is 0. The box is never cleared here.
std::optional<Real> ShorteningAsTyped(std::string_view factorText, bool enabled);

} // namespace antenna
