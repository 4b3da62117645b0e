#pragma once
// Checked arithmetic. Faults are detected by value, never through the
// floating-point status flags (the optimiser may move arithmetic across
// fetestexcept), and reported as CalcError at the step that made them.
#include <cstdint>

#include "core/errors.h"
#include "core/real.h"

namespace quelm {

// An infinite value is an overflow, a NaN an invalid operation; else x.
Real Check(Real x);
double CheckD(double x);

// The same checks for calculations held in double precision, computed in
// double arithmetic.
double DivD(double a, double b); // b == 0: 0/0 invalid, else division by zero
double LnD(double x);            // x < 0: invalid; x == 0: division by zero
double ExpD(double x);           // overflow checked

Real Div(Real a, Real b); // b == 0: 0/0 invalid, else division by zero
Real Sqrt(Real x);        // x < 0: invalid
Real Ln(Real x);          // x < 0: invalid; x == 0: division by zero
Real Log10(Real x);       // as Ln
Real Exp(Real x);         // overflow checked
Real Pow(Real x, Real y); // checked result

// a * b * c * ... formed left to right, each step checked: the product that
// calculators test against zero before they divide by it.
template <class... More> Real Product(Real a, Real b, More... more) {
  Real p = Check(a * b);
  ((p = Check(p * static_cast<Real>(more))), ...);
  return p;
}

// Round to the nearest 64-bit integer, ties to even; beyond the range of a
// 64-bit integer (or NaN) it is an invalid operation.
std::int64_t Round64(Real x);

// 10^n in extended precision; exact for 0 <= n <= 27.
Real Pow10(int n);

} // namespace quelm
