#include "coil_design/toroid_coil.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/errors.h"
#include "core/format.h"

namespace coil_design {
namespace {

quelm::FaultKind FaultOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const quelm::CalcError& e) {
    return e.kind();
  }
  ADD_FAILURE() << "no fault";
  return quelm::FaultKind::Conversion;
}

const ToroidCoreRow& Row(ToroidMaterial material, std::size_t index) {
  return ToroidCoreTable(material)[index];
}

// ---- The catalogue ----

struct LabelCase {
  const char* name;
  ToroidMaterial material;
  std::size_t index;
  const char* item;
  const char* al;
  const char* dimensions;
};

class ToroidCoreLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(ToroidCoreLabelTest, Labels) {
  const auto& c = GetParam();
  const ToroidCoreRow& row = Row(c.material, c.index);
  EXPECT_EQ(row.item, c.item);
  EXPECT_EQ(ToroidAlText(row), c.al);
  EXPECT_EQ(ToroidDimensionText(row), c.dimensions);
}

INSTANTIATE_TEST_SUITE_P(Rows, ToroidCoreLabelTest,
                         ::testing::Values(
                             // what each tab shows at start
                             LabelCase{"Iron2First", ToroidMaterial::Iron2, 0, "T-200", "ＡL値 ： 12",
                                       "寸法 ： a＝50.8 b＝31.8 c＝14"},
                             LabelCase{"Iron6First", ToroidMaterial::Iron6, 0, "T-200", "ＡL値 ： 10",
                                       "寸法 ： a＝50.8 b＝31.8 c＝14"},
                             LabelCase{"Ferrite43First", ToroidMaterial::Ferrite43, 0, "FT-240",
                                       "ＡL値 ： 1160", "寸法 ： a＝61 b＝35.55 c＝12.7"},
                             LabelCase{"Ferrite61First", ToroidMaterial::Ferrite61, 0, "FT-240",
                                       "ＡL値 ： 170", "寸法 ： a＝61 b＝35.55 c＝12.7"},
                             // picks
                             LabelCase{"Iron6T94", ToroidMaterial::Iron6, 3, "T-94", "ＡL値 ： 7",
                                       "寸法 ： a＝23.9 b＝14.2 c＝7.92"},
                             LabelCase{"Ferrite61FT37", ToroidMaterial::Ferrite61, 5, "FT-37", "ＡL値 ： 55",
                                       "寸法 ： a＝9.5 b＝4.75 c＝3.3"},
                             LabelCase{"Iron2T37", ToroidMaterial::Iron2, 7, "T-37", "ＡL値 ： 4",
                                       "寸法 ： a＝9.53 b＝5.21 c＝3.25"},
                             LabelCase{"Iron2T106HalfAL", ToroidMaterial::Iron2, 2, "T-106", "ＡL値 ： 13.5",
                                       "寸法 ： a＝26.9 b＝14.5 c＝11.1"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ToroidCoreTable, MaterialsShareTheirSizes) {
  const auto check = [](ToroidMaterial one, ToroidMaterial other, std::size_t sizes) {
    const auto a = ToroidCoreTable(one);
    const auto b = ToroidCoreTable(other);
    ASSERT_EQ(a.size(), sizes);
    ASSERT_EQ(b.size(), sizes);
    for (std::size_t i = 0; i < sizes; ++i) {
      EXPECT_EQ(a[i].item, b[i].item);
      EXPECT_EQ(ToroidDimensionText(a[i]), ToroidDimensionText(b[i]));
      EXPECT_NE(a[i].al, b[i].al);
    }
  };
  check(ToroidMaterial::Iron2, ToroidMaterial::Iron6, 8);
  check(ToroidMaterial::Ferrite43, ToroidMaterial::Ferrite61, 6);
  EXPECT_EQ(ToroidMaterialCaption(ToroidMaterial::Iron2), " ＃２");
  EXPECT_EQ(ToroidMaterialCaption(ToroidMaterial::Ferrite61), "＃６１");
}

// The metres times 1000 show the catalogue's millimetres, with no stray
// digits of the binary values.
TEST(ToroidCoreTable, DimensionsShowWholeHundredthsOfAMillimetre) {
  for (const auto material :
       {ToroidMaterial::Iron2, ToroidMaterial::Iron6, ToroidMaterial::Ferrite43, ToroidMaterial::Ferrite61}) {
    for (const ToroidCoreRow& row : ToroidCoreTable(material)) {
      for (const Real metres : {row.a, row.b, row.c}) {
        EXPECT_EQ(quelm::FormatGeneral(metres * 1000), quelm::FormatRounded(metres * 1000, 2)) << row.item;
      }
      EXPECT_GT(row.a, row.b) << row.item;
    }
  }
}

// ---- The coil ----

TEST(ToroidCoil, CatalogueT200) {
  const ToroidCore core = CatalogueToroidCore(Row(ToroidMaterial::Iron2, 0));
  ASSERT_FALSE(ToroidInductanceRejected(core, 50));
  EXPECT_EQ(ToroidInductanceText(ToroidInductance(core, 50)), "30 μH");
  ASSERT_FALSE(ToroidTurnsRejected(core, 30));
  EXPECT_EQ(TurnsText(ToroidTurns(core, 30)), "50 巻");
  const Real length = ToroidWireLength(core, 50);
  EXPECT_EQ(LengthLine(length), "長さ ： 2.36 m");
  EXPECT_EQ(WeightLine(CopperWeight(0.5L, length, 2)), "重量 ： 4.15 g");
  EXPECT_EQ(MaxTurnsEstimate(core.b, 0.5L), "推定最大巻数 ： 約 169 巻");
}

TEST(ToroidCoil, GeneralCoreDefaults) {
  const ToroidCore core = GeneralToroidCore(7.5L, 2.25L, 7.55L, 1550);
  ASSERT_FALSE(ToroidInductanceRejected(core, 50));
  // 7.0447 mH, rounded up
  EXPECT_EQ(ToroidInductanceText(ToroidInductance(core, 50)), "7.05 mH");
  const Real length = ToroidWireLength(core, 50);
  EXPECT_EQ(LengthLine(length), "長さ ： 1.02 m");
  EXPECT_EQ(WeightLine(CopperWeight(0.5L, length, 2)), "重量 ： 1.79 g");
  EXPECT_EQ(MaxTurnsEstimate(core.b, 0.5L), "推定最大巻数 ： 約 9 巻");

  ASSERT_FALSE(ToroidTurnsRejected(core, 30));
  const Real turns = ToroidTurns(core, 30);
  EXPECT_EQ(TurnsText(turns), "3.26 巻");
  const Real turnsLength = ToroidWireLength(core, turns);
  EXPECT_EQ(LengthLine(turnsLength), "長さ ： 0.07 m");
  EXPECT_EQ(WeightLine(CopperWeight(0.5L, turnsLength, 2)), "重量 ： 0.12 g");
}

TEST(ToroidCoil, CatalogueCountsAreNotBounded) {
  // √(10^12/1160) turns on an FT-240 of ＃４３ for 1000 H.
  const ToroidCore core = CatalogueToroidCore(Row(ToroidMaterial::Ferrite43, 0));
  EXPECT_EQ(TurnsText(ToroidTurns(core, 1e9L)), "29361.01 巻");
}

struct TextCase {
  const char* name;
  Real henries;
  const char* text;
};

class ToroidInductanceTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ToroidInductanceTextTest, Text) {
  EXPECT_EQ(ToroidInductanceText(GetParam().henries), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Units, ToroidInductanceTextTest,
                         ::testing::Values(TextCase{"Zero", 0, "0 nH"},
                                           TextCase{"Henries", 2.345678L, "2.35 H"},
                                           // 100.49 hundredths go up to 101, not down to 100
                                           TextCase{"MillihenriesRoundUp", 1.0049e-3L, "1.01 mH"},
                                           TextCase{"OneHenryIsMillihenries", 1, "1000 mH"},
                                           TextCase{"JustBelowOneMillihenry", 0.999996e-3L, "1000 μH"},
                                           TextCase{"MicrohenriesToNearest", 298.9137e-6L, "298.91 μH"},
                                           TextCase{"NanohenriesToNearest", 2.5e-7L, "250 nH"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct EstimateCase {
  const char* name;
  Real innerMetres;
  Real wire;
  const char* text;
};

class MaxTurnsEstimateTest : public ::testing::TestWithParam<EstimateCase> {};

TEST_P(MaxTurnsEstimateTest, Text) {
  EXPECT_EQ(MaxTurnsEstimate(GetParam().innerMetres, GetParam().wire), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Holes, MaxTurnsEstimateTest,
                         ::testing::Values(
                             // 2.4 wire diameters: the wires across the hole
                             EstimateCase{"AcrossTheHole", 0.0012L, 0.5L, "推定最大巻数 ： 2 巻"},
                             EstimateCase{"SmallerThanTheWire", 0.0004L, 0.5L, "推定最大巻数 ： 0 巻"},
                             // 2.8: (1.4 − 0.5)·0.86·π/0.5 = 4.86
                             EstimateCase{"AroundTheHole", 0.0014L, 0.5L, "推定最大巻数 ： 約 4 巻"},
                             EstimateCase{"T200", 0.0318L, 0.5L, "推定最大巻数 ： 約 169 巻"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RejectCase {
  const char* name;
  ToroidCore core;
  Real value; // the turns, resp. the target
  bool rejected;
};

class ToroidRejectTest : public ::testing::TestWithParam<RejectCase> {};

TEST_P(ToroidRejectTest, Checks) {
  const auto& c = GetParam();
  EXPECT_EQ(ToroidInductanceRejected(c.core, c.value), c.rejected);
  EXPECT_EQ(ToroidTurnsRejected(c.core, c.value), c.rejected);
}

INSTANTIATE_TEST_SUITE_P(
    Cores, ToroidRejectTest,
    ::testing::Values(RejectCase{"GeneralDefaults", GeneralToroidCore(7.5L, 2.25L, 7.55L, 1550), 50, false},
                      RejectCase{"EqualDiameters", GeneralToroidCore(7.5L, 7.5L, 7.55L, 1550), 50, true},
                      RejectCase{"InnerLarger", GeneralToroidCore(7.5L, 8, 7.55L, 1550), 50, true},
                      RejectCase{"NoHeight", GeneralToroidCore(7.5L, 2.25L, 0, 1550), 50, true},
                      RejectCase{"NoPermeability", GeneralToroidCore(7.5L, 2.25L, 7.55L, 0), 50, true},
                      RejectCase{"NoTurnsOrTarget", GeneralToroidCore(7.5L, 2.25L, 7.55L, 1550), 0, true},
                      RejectCase{"CatalogueNeverRejected", CatalogueToroidCore(Row(ToroidMaterial::Iron2, 0)),
                                 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

// On a catalogue core nothing is checked: the result line is written, then
// the wire length divides by zero.
TEST(ToroidCoil, CatalogueZeroTurnsFaultsAfterTheResult) {
  const ToroidCore core = CatalogueToroidCore(Row(ToroidMaterial::Ferrite61, 2));
  EXPECT_EQ(ToroidInductanceText(ToroidInductance(core, 0)), "0 nH");
  EXPECT_EQ(TurnsText(ToroidTurns(core, 0)), "0 巻");
  EXPECT_EQ(FaultOf([&] { ToroidWireLength(core, 0); }), quelm::FaultKind::DivisionByZero);
}

// A wire diameter of 0 weighs nothing, then the estimate divides by zero.
TEST(ToroidCoil, NoWireFaultsAtTheEstimate) {
  const ToroidCore core = CatalogueToroidCore(Row(ToroidMaterial::Iron2, 0));
  EXPECT_EQ(WeightLine(CopperWeight(0, ToroidWireLength(core, 50), 2)), "重量 ： 0 g");
  EXPECT_EQ(FaultOf([&] { MaxTurnsEstimate(core.b, 0); }), quelm::FaultKind::DivisionByZero);
}

} // namespace
} // namespace coil_design
