#include <gtest/gtest.h>

#include <ostream>

#include <functional>

#include "core/errors.h"
#include "varicap/plate_dimensions.h"

namespace varicap {
namespace {

using S = PlateStatus;

struct PlateCase {
  const char* name;
  std::function<PlateResult()> run;
  PlateStatus status;
  const char* text; // the written text when status is Ok
};

void PrintTo(const PlateCase& c, std::ostream* os) { *os << c.name; }

class PlateTest : public ::testing::TestWithParam<PlateCase> {};

TEST_P(PlateTest, GivesStatusAndText) {
  const PlateCase& c = GetParam();
  const PlateResult r = c.run();
  EXPECT_EQ(r.status, c.status);
  EXPECT_EQ(r.text, c.text);
}

const PlateCase kPlateCases[] = {
    // Area from dimensions (the page's defaults).
    {"SquareDefault", [] { return SquareArea(50); }, S::Ok, "2500"},
    {"RectangleDefault", [] { return RectangleArea(25, 20); }, S::Ok, "500"},
    {"HalfRingDefault", [] { return HalfRingArea(58, 22); }, S::Ok, "4523.89"},
    {"EmptySideGivesZeroArea", [] { return SquareArea(0); }, S::Ok, "0"},
    // Two decimals, ties to even on the binary value.
    {"RectangleTieRoundsDown", [] { return RectangleArea(0.5L, 0.25L); }, S::Ok, "0.12"},
    {"RectangleTieRoundsUp", [] { return RectangleArea(0.5L, 0.75L); }, S::Ok, "0.38"},
    {"HalfRingEqualRadii", [] { return HalfRingArea(22, 22); }, S::InnerNotSmaller, ""},
    {"HalfRingInnerLarger", [] { return HalfRingArea(22, 58); }, S::InnerNotSmaller, ""},
    {"HalfRingBothEmpty", [] { return HalfRingArea(0, 0); }, S::InnerNotSmaller, ""},
    {"HalfRingWithoutHole", [] { return HalfRingArea(2, 0); }, S::Ok, "6.28"},
    // An input field shows no exponent: from 10^15 on the digits are written
    // out (15 significant, then zeros).
    {"SquareJustBelowExponentForm", [] { return SquareArea(31622776); }, S::Ok, "999999961946176"},
    {"SquareAtExponentForm", [] { return SquareArea(31622777); }, S::Ok, "1000000025191730"},
    {"RectangleAtExponentForm", [] { return RectangleArea(1000000, 1000000000); }, S::Ok, "1000000000000000"},
    {"HalfRingAtExponentForm", [] { return HalfRingArea(40000000, 0); }, S::Ok, "2513274122871830"},

    // Dimensions from an area of 300 (the page's defaults).
    {"SquareSide", [] { return SquareSide(300); }, S::Ok, "17.32"},
    {"RectangleOtherSide", [] { return RectangleSide(300, 25); }, S::Ok, "12"},
    {"HalfRingInnerFromOuter", [] { return HalfRingInner(300, 58); }, S::Ok, "56.33"},
    {"HalfRingOuterFromInner", [] { return HalfRingOuter(300, 22); }, S::Ok, "25.98"},
    {"HalfRingOuterFromComputedInner", [] { return HalfRingOuter(300, 56.33L); }, S::Ok, "58"},
    {"EmptyAreaGivesZeroSide", [] { return SquareSide(0); }, S::Ok, "0"},
    {"RectangleZeroSideDoesNothing", [] { return RectangleSide(300, 0); }, S::NoResult, ""},
    {"ZeroAreaKeepsOuterAsInner", [] { return HalfRingInner(0, 58); }, S::Ok, "58"},
    {"ZeroAreaZeroOuter", [] { return HalfRingInner(0, 0); }, S::OuterTooSmall, ""},
    // 2S/π = 3819.7 is more than 58² = 3364.
    {"AreaTooLargeForOuter", [] { return HalfRingInner(6000, 58); }, S::OuterTooSmall, ""},
    {"OuterFromInnerAtExponentForm", [] { return HalfRingOuter(0, 2000000000000000); }, S::Ok,
     "2000000000000000"},
    // The square's side goes into a read-only field, which shows exponent form.
    {"SquareSideInExponentForm", [] { return SquareSide(1.6e31L); }, S::Ok, "4E15"},
};

INSTANTIATE_TEST_SUITE_P(PlateDimensions, PlateTest, ::testing::ValuesIn(kPlateCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlateDimensions, MessagesAreThePagesTexts) {
  EXPECT_EQ(PlateMessage(S::InnerNotSmaller),
            "内径が外径より大きく、計算できません。\r\n正しい値を入力してください。");
  EXPECT_EQ(PlateMessage(S::OuterTooSmall), "外径が小さいため、面積が確保できません。\r\n");
  EXPECT_EQ(PlateMessage(S::Ok), "");
  EXPECT_EQ(PlateMessage(S::NoResult), "");
}

struct FaultCase {
  const char* name;
  std::function<PlateResult()> run;
  quelm::FaultKind kind;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class PlateFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(PlateFaultTest, RaisesTheFault) {
  const FaultCase& c = GetParam();
  try {
    c.run();
    FAIL() << "no fault";
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), c.kind);
  }
}

const FaultCase kFaultCases[] = {
    // 10^18 ·100 is beyond the 64-bit range of the rounding.
    {"AreaBeyondRounding", [] { return SquareArea(1000000000); }, quelm::FaultKind::InvalidOperation},
    {"SideSquaredOverflows", [] { return SquareArea(1e2500L); }, quelm::FaultKind::Overflow},
    {"OuterSquaredOverflows", [] { return HalfRingInner(300, 1e2500L); }, quelm::FaultKind::Overflow},
    {"RectangleSideOverflows", [] { return RectangleSide(1e4000L, 1e-4000L); }, quelm::FaultKind::Overflow},
};

INSTANTIATE_TEST_SUITE_P(PlateDimensions, PlateFaultTest, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace varicap
