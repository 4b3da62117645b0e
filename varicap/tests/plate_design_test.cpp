#include <gtest/gtest.h>

#include <ostream>

#include "core/errors.h"
#include "varicap/plate_design.h"

namespace varicap {
namespace {

using Q = Quantity;

// The page's defaults: N 1, S 300 c㎡, d 1 mm, C 300 ｐＦ, εr 1.00059.
PlateDesignInput Defaults() {
  PlateDesignInput in;
  in.multiplicity = 1;
  in.area = 300;
  in.spacing = 1;
  in.capacitance = 300;
  in.permittivity = 1.00059L;
  in.areaUnit = kAreaUnits[1];
  in.spacingUnit = kSpacingUnits[0];
  in.capacitanceUnit = kCapacitanceUnits[0];
  return in;
}

struct SolveCase {
  const char* name;
  Q target;
  PlateDesignInput in;
  const char* text;
  const char* unit;
};

void PrintTo(const SolveCase& c, std::ostream* os) { *os << c.name; }

PlateDesignInput With(void (*change)(PlateDesignInput&)) {
  PlateDesignInput in = Defaults();
  change(in);
  return in;
}

class SolveTest : public ::testing::TestWithParam<SolveCase> {};

TEST_P(SolveTest, WritesRoundedValueAndUnitOfTheList) {
  const SolveCase& c = GetParam();
  const PlateDesignResult r = SolvePlateDesign(c.target, c.in);
  ASSERT_TRUE(r.solved);
  EXPECT_EQ(r.text, c.text);
  EXPECT_EQ(r.unit, c.unit);
}

const SolveCase kSolveCases[] = {
    {"CapacitancePicofarads", Q::Capacitance, Defaults(), "265.7824", " ｐＦ"},
    {"CapacitanceNanofarads", Q::Capacitance,
     With([](auto& in) { in.capacitanceUnit = kCapacitanceUnits[1]; }), "0.2658", " ｎＦ"},
    {"CapacitanceMicrofarads", Q::Capacitance,
     With([](auto& in) { in.capacitanceUnit = kCapacitanceUnits[2]; }), "0.0003", " μＦ"},
    // The typed capacitance is ignored when C is solved.
    {"CapacitanceIgnoresOwnField", Q::Capacitance, With([](auto& in) { in.capacitance = 0; }), "265.7824",
     " ｐＦ"},
    {"FourPlatesHalfMillimetreNanofarads", Q::Capacitance, With([](auto& in) {
       in.multiplicity = 4;
       in.area = 12.5L;
       in.spacing = 0.5L;
       in.capacitanceUnit = kCapacitanceUnits[1];
     }),
     "0.0886", " ｎＦ"},
    {"SpacingMillimetres", Q::Spacing, Defaults(), "0.8859", " mm"},
    {"SpacingCentimetres", Q::Spacing, With([](auto& in) { in.spacingUnit = kSpacingUnits[1]; }), "0.0886",
     " cm"},
    // The metre unit string has an ASCII m although the list item is full-width.
    {"SpacingMetres", Q::Spacing, With([](auto& in) { in.spacingUnit = kSpacingUnits[2]; }), "0.0009", " m"},
    {"MultiplicityHasNoUnit", Q::Multiplicity, Defaults(), "1.1287", ""},
    {"AreaSquareCentimetres", Q::Area, Defaults(), "338.6229", " c㎡"},
    {"AreaSquareMillimetres", Q::Area, With([](auto& in) { in.areaUnit = kAreaUnits[0]; }), "33862.2932",
     " m㎡"},
    {"AreaSquareMetres", Q::Area, With([](auto& in) { in.areaUnit = kAreaUnits[2]; }), "0.0339", " ㎡"},
    // Below 0.00005 ㎡ an area rounds to 0 in square metres.
    {"AreaBelowHalfStepReadsZero", Q::Area, With([](auto& in) {
       in.areaUnit = kAreaUnits[2];
       in.capacitance = 0.4L;
     }),
     "0", " ㎡"},
    {"AreaAboveHalfStepReadsOneStep", Q::Area, With([](auto& in) {
       in.areaUnit = kAreaUnits[2];
       in.capacitance = 0.5L;
     }),
     "0.0001", " ㎡"},
    // Just inside the 64-bit range of the 4-decimal rounding: the value keeps
    // its plain decimal form (15 significant digits).
    {"CapacitanceLargestRoundable", Q::Capacitance, With([](auto& in) { in.area = 1e15L; }),
     "885941178843240", " ｐＦ"},
    {"PermittivityHasNoUnit", Q::Permittivity, Defaults(), "1.1294", ""},
    // εr chosen so that C·10^4 lies within a bit of 2657824.5: ε0 formed as
    // 8.85418781762 times the reciprocal of 10^12 rounds up here, the single
    // literal 8.85418781762e-12 would round down to 265.7824.
    {"EpsilonZeroFormedFromPowerOfTen", Q::Capacitance,
     With([](auto& in) { in.permittivity = 1.0005903627173570690748L; }), "265.7825", " ｐＦ"},
    // Here dividing the area by 10^4 gives 265.7824; multiplying it by 1e-4
    // would give 265.7825.
    {"AreaUnitDivides", Q::Capacitance, With([](auto& in) { in.permittivity = 1.0005903627173570689664L; }),
     "265.7824", " ｐＦ"},
};

INSTANTIATE_TEST_SUITE_P(PlateDesign, SolveTest, ::testing::ValuesIn(kSolveCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ZeroCase {
  const char* name;
  Q target;
  void (*zero)(PlateDesignInput&);
};

void PrintTo(const ZeroCase& c, std::ostream* os) { *os << c.name; }

class ZeroKnownTest : public ::testing::TestWithParam<ZeroCase> {};

TEST_P(ZeroKnownTest, LeavesNothingSolved) {
  const ZeroCase& c = GetParam();
  PlateDesignInput in = Defaults();
  c.zero(in);
  const PlateDesignResult r = SolvePlateDesign(c.target, in);
  EXPECT_FALSE(r.solved);
  EXPECT_EQ(r.text, "");
}

const ZeroCase kZeroCases[] = {
    {"MultiplicityWithoutArea", Q::Multiplicity, [](auto& in) { in.area = 0; }},
    {"MultiplicityWithoutPermittivity", Q::Multiplicity, [](auto& in) { in.permittivity = 0; }},
    {"AreaWithoutMultiplicity", Q::Area, [](auto& in) { in.multiplicity = 0; }},
    {"AreaWithoutSpacing", Q::Area, [](auto& in) { in.spacing = 0; }},
    {"SpacingWithoutCapacitance", Q::Spacing, [](auto& in) { in.capacitance = 0; }},
    {"CapacitanceWithoutSpacing", Q::Capacitance, [](auto& in) { in.spacing = 0; }},
    {"CapacitanceWithoutMultiplicity", Q::Capacitance, [](auto& in) { in.multiplicity = 0; }},
    {"PermittivityWithoutCapacitance", Q::Permittivity, [](auto& in) { in.capacitance = 0; }},
    {"PermittivityWithoutArea", Q::Permittivity, [](auto& in) { in.area = 0; }},
};

INSTANTIATE_TEST_SUITE_P(PlateDesign, ZeroKnownTest, ::testing::ValuesIn(kZeroCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlateDesignConstant, EpsilonZeroIsNotTheSingleLiteral) {
  EXPECT_EQ(Epsilon0(), 8.85418781762L * (1.0L / 1e12L));
  EXPECT_NE(Epsilon0(), 8.85418781762e-12L);
}

struct FaultCase {
  const char* name;
  Q target;
  void (*change)(PlateDesignInput&);
  quelm::FaultKind kind;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class FaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultTest, RaisesTheFault) {
  const FaultCase& c = GetParam();
  PlateDesignInput in = Defaults();
  c.change(in);
  try {
    SolvePlateDesign(c.target, in);
    FAIL() << "no fault";
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), c.kind);
  }
}

const FaultCase kFaultCases[] = {
    // 8.85E23 ｐＦ: beyond the 64-bit range of the 4-decimal rounding.
    {"CapacitanceTooLargeToRound", Q::Capacitance,
     [](auto& in) {
       in.area = 1e20L;
       in.areaUnit = kAreaUnits[2];
     },
     quelm::FaultKind::InvalidOperation},
    // The product of the known quantities overflows before anything else.
    {"ProductOfKnownsOverflows", Q::Capacitance,
     [](auto& in) {
       in.area = 1e4000L;
       in.spacing = 1e4000L;
     },
     quelm::FaultKind::Overflow},
    {"QuotientOverflows", Q::Multiplicity,
     [](auto& in) {
       in.capacitance = 1e4900L;
       in.spacing = 1e40L;
       in.area = 1e-40L;
     },
     quelm::FaultKind::Overflow},
};

INSTANTIATE_TEST_SUITE_P(PlateDesign, FaultTest, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace varicap
