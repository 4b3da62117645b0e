#include "core/checked.h"

#include <cmath>

namespace quelm {

namespace {

[[noreturn]] void Fault(FaultKind kind) { throw CalcError(kind); }

} // namespace

Real Check(Real x) {
  if (std::isnan(x))
    Fault(FaultKind::InvalidOperation);
  if (std::isinf(x))
    Fault(FaultKind::Overflow);
  return x;
}

double CheckD(double x) {
  if (std::isnan(x))
    Fault(FaultKind::InvalidOperation);
  if (std::isinf(x))
    Fault(FaultKind::Overflow);
  return x;
}

double DivD(double a, double b) {
  CheckD(a);
  CheckD(b);
  if (b == 0)
    Fault(a == 0 ? FaultKind::InvalidOperation : FaultKind::DivisionByZero);
  return CheckD(a / b);
}

double LnD(double x) {
  CheckD(x);
  if (x < 0)
    Fault(FaultKind::InvalidOperation);
  if (x == 0)
    Fault(FaultKind::DivisionByZero);
  return std::log(x);
}

double ExpD(double x) { return CheckD(std::exp(CheckD(x))); }

Real Div(Real a, Real b) {
  Check(a);
  Check(b);
  if (b == 0)
    Fault(a == 0 ? FaultKind::InvalidOperation : FaultKind::DivisionByZero);
  return Check(a / b);
}

Real Sqrt(Real x) {
  Check(x);
  if (x < 0)
    Fault(FaultKind::InvalidOperation);
  return std::sqrt(x);
}

Real Ln(Real x) {
  Check(x);
  if (x < 0)
    Fault(FaultKind::InvalidOperation);
  if (x == 0)
    Fault(FaultKind::DivisionByZero);
  return std::log(x);
}

Real Log10(Real x) {
  Check(x);
  if (x < 0)
    Fault(FaultKind::InvalidOperation);
  if (x == 0)
    Fault(FaultKind::DivisionByZero);
  return std::log10(x);
}

Real Exp(Real x) { return Check(std::exp(Check(x))); }

Real Pow(Real x, Real y) {
  Check(x);
  Check(y);
  if (x == 0 && y < 0)
    Fault(FaultKind::DivisionByZero);
  return Check(std::pow(x, y));
}

std::int64_t Round64(Real x) {
  // 2^63 is exact in extended precision; the valid range is [-2^63, 2^63).
  constexpr Real kLimit = 9223372036854775808.0L;
  if (std::isnan(x) || !(x >= -kLimit) || !(x < kLimit))
    Fault(FaultKind::InvalidOperation);
  return static_cast<std::int64_t>(std::llrint(x));
}

Real Pow10(int n) {
  Real r = 1;
  Real base = 10;
  bool negative = n < 0;
  unsigned e = negative ? static_cast<unsigned>(-n) : static_cast<unsigned>(n);
  while (e) {
    if (e & 1U)
      r *= base;
    base *= base;
    e >>= 1U;
  }
  return negative ? 1 / r : r;
}

} // namespace quelm
