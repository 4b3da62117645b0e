#pragma once
// Electrode plate area from the plate's dimensions and back, for a square,
// a rectangle and a half ring (a semicircular plate with a concentric
// semicircular cut-out; its two values are the radii of the outer and the
// inner semicircle). No unit conversion: lengths are in the length unit of
// the area unit (mm for m㎡, cm for c㎡, m for ㎡). Every result is rounded
// to 2 decimals.
#include <string>
#include <string_view>

#include "core/real.h"

namespace varicap {

using quelm::Real;

enum class PlateStatus {
  Ok,              // value and text hold the result
  NoResult,        // nothing to do, no message (a zero side)
  InnerNotSmaller, // half ring: the inner radius is not below the outer
  OuterTooSmall,   // half ring: the area does not fit in the outer radius
};

struct PlateResult {
  PlateStatus status = PlateStatus::NoResult;
  Real value = 0;   // rounded to 2 decimals
  std::string text; // FormatGeneral of value (FormatPlain for input fields)
};

// The page's message for a status that raises a dialog (UTF-8, line breaks
// as CR LF); empty for Ok and NoResult.
std::string_view PlateMessage(PlateStatus status);

// Area from dimensions. The area goes into an input field, which holds only
// digits and points, so a result of 10^15 or more is written with its digits
// in full rather than in the exponent form the field would mangle.
PlateResult SquareArea(Real side);
PlateResult RectangleArea(Real sideA, Real sideB);
PlateResult HalfRingArea(Real outerRadius, Real innerRadius);

// Dimensions from the area. The square's side and the rectangle's other
// side go into read-only fields and are written in any form.
PlateResult SquareSide(Real area);
PlateResult RectangleSide(Real area, Real sideA); // sideA == 0: NoResult
// The radii go into input fields (digits in full, as above).
PlateResult HalfRingInner(Real area, Real outerRadius);
PlateResult HalfRingOuter(Real area, Real innerRadius);

} // namespace varicap
