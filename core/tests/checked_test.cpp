// Checked arithmetic and the messages of its faults.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "core/checked.h"
#include "core/errors.h"
#include "core/units.h"

using quelm::FaultKind;
using quelm::Real;

struct FaultCase {
  const char* name;
  friend void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }
  std::function<void()> step;
  FaultKind kind;
  const char* message;
};

class FaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(FaultTest, ReportsTheFaultWithItsMessage) {
  try {
    GetParam().step();
    FAIL() << "no fault";
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), GetParam().kind);
    EXPECT_EQ(e.Message(), GetParam().message);
  }
}

namespace {
constexpr const char* kInvalid = "不正な浮動小数点数演算命令.";
constexpr const char* kByZero = "0 による浮動小数点数除算.";
constexpr const char* kOverflow = "浮動小数点数のオーバーフロー.";
const Real kMax = std::numeric_limits<Real>::max();
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Steps, FaultTest,
    testing::Values(
        FaultCase{"DivByZero", [] { quelm::Div(1, 0); }, FaultKind::DivisionByZero, kByZero},
        FaultCase{"ZeroOverZero", [] { quelm::Div(0, 0); }, FaultKind::InvalidOperation, kInvalid},
        FaultCase{"DivOverflow", [] { quelm::Div(kMax, 0.5L); }, FaultKind::Overflow, kOverflow},
        FaultCase{"SqrtNegative", [] { quelm::Sqrt(-1); }, FaultKind::InvalidOperation, kInvalid},
        FaultCase{"LnZero", [] { quelm::Ln(0); }, FaultKind::DivisionByZero, kByZero},
        FaultCase{"LnNegative", [] { quelm::Ln(-2); }, FaultKind::InvalidOperation, kInvalid},
        FaultCase{"Log10Zero", [] { quelm::Log10(0); }, FaultKind::DivisionByZero, kByZero},
        FaultCase{"ExpOverflow", [] { quelm::Exp(20000); }, FaultKind::Overflow, kOverflow},
        // Double precision: the same faults at the double range.
        FaultCase{"DivDByZero", [] { quelm::DivD(1, 0); }, FaultKind::DivisionByZero, kByZero},
        FaultCase{"DivDZeroOverZero", [] { quelm::DivD(0, 0); }, FaultKind::InvalidOperation, kInvalid},
        FaultCase{"DivDOverflow", [] { quelm::DivD(1e300, 1e-300); }, FaultKind::Overflow, kOverflow},
        FaultCase{"LnDZero", [] { quelm::LnD(0); }, FaultKind::DivisionByZero, kByZero},
        FaultCase{"LnDNegative", [] { quelm::LnD(-2); }, FaultKind::InvalidOperation, kInvalid},
        FaultCase{"ExpDOverflow", [] { quelm::ExpD(710); }, FaultKind::Overflow, kOverflow},
        FaultCase{"ProductOverflow", [] { quelm::Check(kMax * 2); }, FaultKind::Overflow, kOverflow},
        // A later zero factor does not hide an overflow of an earlier step.
        FaultCase{"ProductOverflowBeforeZero", [] { quelm::Product(kMax, 2, 0); }, FaultKind::Overflow,
                  kOverflow},
        FaultCase{"InfMinusInf",
                  [] {
                    const Real inf = std::numeric_limits<Real>::infinity();
                    quelm::Check(inf - inf);
                  },
                  FaultKind::InvalidOperation, kInvalid},
        FaultCase{"UnitOverflow", [] { quelm::Times(12).Apply(kMax / 10); }, FaultKind::Overflow, kOverflow},
        FaultCase{"RoundNaN", [] { quelm::Round64(std::numeric_limits<Real>::quiet_NaN()); },
                  FaultKind::InvalidOperation, kInvalid}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(Checked, PassesOrdinaryValuesThrough) {
  EXPECT_EQ(quelm::Div(1, 4), 0.25L);
  EXPECT_EQ(quelm::Sqrt(0), 0);
  EXPECT_EQ(quelm::Ln(1), 0);
  EXPECT_EQ(quelm::Round64(2.5L), 2);
  EXPECT_EQ(quelm::Round64(-3.5L), -4);
}

TEST(Messages, GetAClosingPointOnlyAfterACharacterAboveThePoint) {
  EXPECT_EQ(quelm::WithClosingPoint("abc"), "abc.");
  EXPECT_EQ(quelm::WithClosingPoint("abc."), "abc.");
  EXPECT_EQ(quelm::WithClosingPoint("a "), "a ");
  EXPECT_EQ(quelm::WithClosingPoint("計算"), "計算.");
  EXPECT_EQ(quelm::CalcError(FaultKind::Conversion, "").Message(), "'' は浮動小数点数ではありません.");
  EXPECT_EQ(quelm::CalcError(FaultKind::WholeConversion, "1x").Message(), "'1x' は整数ではありません.");
}

TEST(Pow10, IsExactWhereTheSignificandHoldsIt) {
  Real exact = 1;
  for (int n = 0; n <= 27; ++n) {
    EXPECT_EQ(quelm::Pow10(n), exact) << n;
    exact *= 10;
  }
  EXPECT_EQ(quelm::Pow10(-3), 1 / 1000.0L);
}

// Dividing by 1000 and multiplying by 0.001 differ in the last bit; the unit
// tables apply the operation the calculation writes.
TEST(UnitFactor, AppliesTheOperationItNames) {
  const Real v = 30000;
  EXPECT_EQ(quelm::Over(3).Apply(v), v / 1000);
  EXPECT_EQ(quelm::Times(3).Apply(v), v * 1000);
  EXPECT_EQ(quelm::Over(6).Unapply(2), 2000000);
  int differ = 0;
  for (int i = 1; i <= 1000; ++i) {
    const Real x = i;
    ASSERT_EQ(quelm::Over(3).Apply(x), x / 1000);
    differ += quelm::Over(3).Apply(x) != x * 0.001L;
  }
  EXPECT_GT(differ, 0) << "the two forms should differ for some inputs";
}
