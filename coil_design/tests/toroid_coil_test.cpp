#include "coil_design/toroid_coil.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/errors.h"
#include "core/format.h"

namespace coil_design {
namespace {

constexpr ToroidMaterial kMaterials[] = {ToroidMaterial::Iron2, ToroidMaterial::Iron6,
                                         ToroidMaterial::Ferrite43, ToroidMaterial::Ferrite61};

ToroidCore Catalogue(ToroidMaterial material, std::size_t index) {
  return CatalogueToroidCore(ToroidCoreTable(material)[index]);
}

struct LabelCase {
  const char* name;
  ToroidMaterial material;
  std::size_t index;
  const char* labels; // item, AL label, dimension label
};

class ToroidCoreLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(ToroidCoreLabelTest, Labels) {
  const ToroidCoreRow& row = ToroidCoreTable(GetParam().material)[GetParam().index];
  EXPECT_EQ(std::string(row.item) + "|" + ToroidAlText(row) + "|" + ToroidDimensionText(row),
            GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ToroidCoreLabelTest,
    ::testing::Values(
        // each tab at start
        LabelCase{"Iron2", ToroidMaterial::Iron2, 0, "T-200|ＡL値 ： 12|寸法 ： a＝50.8 b＝31.8 c＝14"},
        LabelCase{"Iron6", ToroidMaterial::Iron6, 0, "T-200|ＡL値 ： 10|寸法 ： a＝50.8 b＝31.8 c＝14"},
        LabelCase{"Ferrite43", ToroidMaterial::Ferrite43, 0,
                  "FT-240|ＡL値 ： 1160|寸法 ： a＝61 b＝35.55 c＝12.7"},
        LabelCase{"Ferrite61", ToroidMaterial::Ferrite61, 0,
                  "FT-240|ＡL値 ： 170|寸法 ： a＝61 b＝35.55 c＝12.7"},
        // picks
        LabelCase{"Iron6T94", ToroidMaterial::Iron6, 3, "T-94|ＡL値 ： 7|寸法 ： a＝23.9 b＝14.2 c＝7.92"},
        LabelCase{"Ferrite61FT37", ToroidMaterial::Ferrite61, 5,
                  "FT-37|ＡL値 ： 55|寸法 ： a＝9.5 b＝4.75 c＝3.3"},
        LabelCase{"Iron2T37", ToroidMaterial::Iron2, 7, "T-37|ＡL値 ： 4|寸法 ： a＝9.53 b＝5.21 c＝3.25"}),
    [](const auto& info) { return std::string(info.param.name); });

// The two iron powders and the two ferrites share their sizes; every
// dimension times 1000 shows the catalogue's millimetres without stray
// digits of its binary value.
TEST(ToroidCoreTable, Sizes) {
  for (std::size_t m = 0; m < 4; ++m) {
    const auto rows = ToroidCoreTable(kMaterials[m]);
    const auto twin = ToroidCoreTable(kMaterials[m ^ 1]);
    ASSERT_EQ(rows.size(), m < 2 ? 8U : 6U);
    ASSERT_EQ(twin.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].item, twin[i].item);
      EXPECT_EQ(ToroidDimensionText(rows[i]), ToroidDimensionText(twin[i]));
      for (const Real metres : {rows[i].a, rows[i].b, rows[i].c})
        EXPECT_EQ(quelm::FormatGeneral(metres * 1000), quelm::FormatRounded(metres * 1000, 2))
            << rows[i].item;
    }
  }
  EXPECT_EQ(ToroidMaterialCaption(ToroidMaterial::Iron2), " ＃２");
  EXPECT_EQ(ToroidMaterialCaption(ToroidMaterial::Ferrite61), "＃６１");
}

struct CoilCase {
  const char* name;
  ToroidCore core;
  const char* inductance; // 50 turns, with the wire and estimate lines (0.5 mm wire)
  const char* turns;      // 30 μH, likewise
};

class ToroidCoilTest : public ::testing::TestWithParam<CoilCase> {};

TEST_P(ToroidCoilTest, BothCalculations) {
  const ToroidCore& core = GetParam().core;
  const auto lines = [&](Real turns) {
    const Real length = ToroidWireLength(core, turns);
    return LengthLine(length) + "|" + WeightLine(CopperWeight(0.5L, length, 2)) + "|" +
           MaxTurnsEstimate(core.b, 0.5L);
  };
  ASSERT_FALSE(ToroidInductanceRejected(core, 50));
  EXPECT_EQ(ToroidInductanceText(ToroidInductance(core, 50)) + "|" + lines(50), GetParam().inductance);
  ASSERT_FALSE(ToroidTurnsRejected(core, 30));
  const Real turns = ToroidTurns(core, 30);
  EXPECT_EQ(TurnsText(turns) + "|" + lines(turns), GetParam().turns);
}

INSTANTIATE_TEST_SUITE_P(
    Cores, ToroidCoilTest,
    ::testing::Values(CoilCase{"T200", Catalogue(ToroidMaterial::Iron2, 0),
                               "30 μH|長さ ： 2.36 m|重量 ： 4.15 g|推定最大巻数 ： 約 169 巻",
                               "50 巻|長さ ： 2.36 m|重量 ： 4.15 g|推定最大巻数 ： 約 169 巻"},
                      // 7.0447 mH rounded up
                      CoilCase{"General", GeneralToroidCore(7.5L, 2.25L, 7.55L, 1550),
                               "7.05 mH|長さ ： 1.02 m|重量 ： 1.79 g|推定最大巻数 ： 約 9 巻",
                               "3.26 巻|長さ ： 0.07 m|重量 ： 0.12 g|推定最大巻数 ： 約 9 巻"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToroidCoil, CatalogueCountsAreNotBounded) {
  // √(10^12/1160) turns on an FT-240 of ＃４３ for 1000 H
  EXPECT_EQ(TurnsText(ToroidTurns(Catalogue(ToroidMaterial::Ferrite43, 0), 1e9L)), "29361.01 巻");
}

TEST(ToroidInductanceText, OnlyMillihenriesRoundUp) {
  EXPECT_EQ(ToroidInductanceText(1.0049e-3L), "1.01 mH"); // 100.49 hundredths go up
  EXPECT_EQ(ToroidInductanceText(1), "1000 mH");
  EXPECT_EQ(ToroidInductanceText(2.345678L), "2.35 H");
  EXPECT_EQ(ToroidInductanceText(0.999996e-3L), "1000 μH");
  EXPECT_EQ(ToroidInductanceText(298.9137e-6L), "298.91 μH");
  EXPECT_EQ(ToroidInductanceText(0), "0 nH");
}

TEST(MaxTurnsEstimate, AcrossOrAroundTheHole) {
  EXPECT_EQ(MaxTurnsEstimate(0.0012L, 0.5L), "推定最大巻数 ： 2 巻"); // 2.4 diameters
  EXPECT_EQ(MaxTurnsEstimate(0.0004L, 0.5L), "推定最大巻数 ： 0 巻");
  EXPECT_EQ(MaxTurnsEstimate(0.0014L, 0.5L), "推定最大巻数 ： 約 4 巻"); // (1.4 − 0.5)·0.86·π/0.5 = 4.86
}

TEST(ToroidCoil, GeneralCoreChecks) {
  EXPECT_TRUE(ToroidInductanceRejected(GeneralToroidCore(7.5L, 7.5L, 7.55L, 1550), 50));
  EXPECT_TRUE(ToroidTurnsRejected(GeneralToroidCore(7.5L, 8, 7.55L, 1550), 30));
  EXPECT_TRUE(ToroidInductanceRejected(GeneralToroidCore(7.5L, 2.25L, 0, 1550), 50));
  EXPECT_TRUE(ToroidTurnsRejected(GeneralToroidCore(7.5L, 2.25L, 7.55L, 0), 30));
  EXPECT_TRUE(ToroidInductanceRejected(GeneralToroidCore(7.5L, 2.25L, 7.55L, 1550), 0));
  EXPECT_FALSE(ToroidInductanceRejected(Catalogue(ToroidMaterial::Iron2, 0), 0));
}

// Nothing is checked on a catalogue core: the result is written, then the
// wire length divides by zero; a wire of 0 weighs nothing, then the estimate
// divides by zero.
TEST(ToroidCoil, FaultsAfterTheEarlierLines) {
  const auto kind = [](const std::function<void()>& f) {
    try {
      f();
    } catch (const quelm::CalcError& e) {
      return e.kind();
    }
    return quelm::FaultKind::Conversion;
  };
  const ToroidCore core = Catalogue(ToroidMaterial::Ferrite61, 2);
  EXPECT_EQ(ToroidInductanceText(ToroidInductance(core, 0)), "0 nH");
  EXPECT_EQ(TurnsText(ToroidTurns(core, 0)), "0 巻");
  EXPECT_EQ(kind([&] { ToroidWireLength(core, 0); }), quelm::FaultKind::DivisionByZero);
  EXPECT_EQ(WeightLine(CopperWeight(0, ToroidWireLength(core, 50), 2)), "重量 ： 0 g");
  EXPECT_EQ(kind([&] { MaxTurnsEstimate(core.b, 0); }), quelm::FaultKind::DivisionByZero);
}

} // namespace
} // namespace coil_design
