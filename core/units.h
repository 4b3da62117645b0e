#pragma once
// Unit lists. Each list is a small table, one row per item in list order,
// holding a power of ten and whether the calculation multiplies or divides
// the value by it. The two differ in the last bit (v / 1000000 is not
// v * 1e-6), so each table says exactly what its calculation writes.
#include <cstddef>
#include <span>

#include "core/checked.h"
#include "core/real.h"

namespace quelm {

struct UnitFactor {
  enum Op { Multiply, Divide };
  Op op;
  int power; // the factor is 10^power (a negative power: the number 1/10^-power)

  // Applies the factor to v, checking for overflow.
  Real Apply(Real v) const { return Check(op == Multiply ? v * Pow10(power) : v / Pow10(power)); }
  // Applies the inverse of the factor (to bring a base value into the unit).
  Real Unapply(Real v) const { return Check(op == Multiply ? v / Pow10(power) : v * Pow10(power)); }
};

constexpr UnitFactor Times(int power) { return {UnitFactor::Multiply, power}; }
constexpr UnitFactor Over(int power) { return {UnitFactor::Divide, power}; }
constexpr UnitFactor One() { return {UnitFactor::Multiply, 0}; }

// The factor of item `index` of a list's table (index clamped to the table).
inline UnitFactor FactorAt(std::span<const UnitFactor> table, int index) {
  if (table.empty())
    return One();
  if (index < 0)
    index = 0;
  if (static_cast<std::size_t>(index) >= table.size())
    index = static_cast<int>(table.size() - 1);
  return table[static_cast<std::size_t>(index)];
}

} // namespace quelm
