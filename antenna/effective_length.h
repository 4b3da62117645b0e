#pragma once
// The result text shared by the loop and dipole calculators of the
// effective-length page: "実効長 : <he to 3 decimals> ｍ", and the caption
// their labels go back to when an input is rejected.
#include <string>

#include "core/real.h"

namespace antenna {

inline constexpr const char* kEffectiveLengthCaption = "実効長";

// "実効長 : " + he rounded to 3 decimals + " ｍ" (full-width ｍ).
std::string EffectiveLengthText(quelm::Real metres);

} // namespace antenna
