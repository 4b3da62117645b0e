#pragma once
// The effective length of a half-wave dipole of total length L: the
// free-space wavelength is 2L / k, and he = λ / π = 2L / (k·π).
//
// The calculation's order, for the page: an empty length field resets the
// label to kEffectiveLengthCaption and ends (a "0" is not rejected); only
// then is the options panel normalised (an empty or zero factor clears its
// enable box), and only then is the length read.
#include <optional>
#include <string>

#include "core/real.h"

namespace antenna {

using quelm::Real;

// The text of Label227, "実効長 : 1.194 ｍ", from the length in metres and
// the normalised shortening factor (none: k = 1). A length of 0 gives
// "実効長 : 0 ｍ".
std::string DipoleEffectiveLength(Real length, std::optional<Real> factor);

} // namespace antenna
