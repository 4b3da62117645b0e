// The characteristics captions: each result's own inputs, the units by size
// and the wording for impedances of 1000 ＭΩ and more.
#include <gtest/gtest.h>

#include <ostream>

#include "tuning/characteristics.h"
#include "tuning/lc.h"
#include "tuning/resonance.h"

namespace tuning {
namespace {

using quelm::Real;

struct Row {
  const char* name;
  Real kHz, microhenries, picofarads;
  const char *xl, *xc, *zs, *zp, *z0;
};
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class CaptionsTest : public ::testing::TestWithParam<Row> {};

TEST_P(CaptionsTest, AllFive) {
  const Row& row = GetParam();
  const Real f = kFrequencyUnits[1].Apply(row.kHz);
  const Real l = kSolverInductanceUnits[0].Apply(row.microhenries);
  const Real c = kCapacitanceUnits[0].Apply(row.picofarads);
  EXPECT_EQ(SeriesImpedanceCaption(f, l, c), row.zs);
  EXPECT_EQ(ParallelImpedanceCaption(f, l, c), row.zp);
  EXPECT_EQ(CharacteristicImpedanceCaption(l, c), row.z0);
  EXPECT_EQ(CoilReactanceCaption(f, l), row.xl);
  EXPECT_EQ(CapacitorReactanceCaption(f, c), row.xc);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Characteristics, CaptionsTest, ::testing::Values(
  Row{"Defaults", 1000, 360, 300,
      "（コイル XL） 　　　2.262 ｋΩ", "（コンデンサ XC）　530.516 Ω",
      "（直列共振 Zs） 1.731 ｋΩ", "（並列共振 Zp） 693.069 Ω", "特性インピーダンス　1.095 ｋΩ"},
  Row{"AtSolvedResonance", 484.293L, 360, 300,
      "（コイル XL） 　　　1.095 ｋΩ", "（コンデンサ XC）　1.095 ｋΩ",
      "（直列共振 Zs） 0 Ω", "（並列共振 Zp）  １ＴΩ以上（無限大）", "特性インピーダンス　1.095 ｋΩ"},
  Row{"NearResonance", 484.29L, 360, 300,
      "（コイル XL） 　　　1.095 ｋΩ", "（コンデンサ XC）　1.095 ｋΩ",
      "（直列共振 Zs） 0.014 Ω", "（並列共振 Zp） 86.423 ＭΩ", "特性インピーダンス　1.095 ｋΩ"},
  // Each result tests only its own inputs.
  Row{"NoFrequency", 0, 360, 300,
      "（コイル XL）", "（コンデンサ XC）",
      "（直列共振 Zs） ", "（並列共振 Zp） ", "特性インピーダンス　1.095 ｋΩ"},
  Row{"NoCapacitor", 1000, 360, 0,
      "（コイル XL） 　　　2.262 ｋΩ", "（コンデンサ XC）",
      "（直列共振 Zs） ", "（並列共振 Zp） ", "特性インピーダンス"},
  Row{"NoCoil", 1000, 0, 300,
      "（コイル XL）", "（コンデンサ XC）　530.516 Ω",
      "（直列共振 Zs） ", "（並列共振 Zp） ", "特性インピーダンス"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ImpedanceRow {
  const char* name;
  Real l, c; // henries and farads; Z0 = √(L/C)
  const char* z0;
};
void PrintTo(const ImpedanceRow& row, std::ostream* os) { *os << row.name; }

class CharacteristicImpedanceTest : public ::testing::TestWithParam<ImpedanceRow> {};

TEST_P(CharacteristicImpedanceTest, Thresholds) {
  EXPECT_EQ(CharacteristicImpedanceCaption(GetParam().l, GetParam().c), GetParam().z0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Characteristics, CharacteristicImpedanceTest, ::testing::Values(
  // The unit is chosen before rounding.
  ImpedanceRow{"JustBelowKiloohm", 999999.8L, 1, "特性インピーダンス　1000 Ω"},
  ImpedanceRow{"Kiloohm", 1000000, 1, "特性インピーダンス　1 ｋΩ"},
  ImpedanceRow{"Megohm", 1000000000000, 1, "特性インピーダンス　1 ＭΩ"},
  // 999999999 Ω is still a number; 10^9 Ω is the wording, with no blank
  // between the caption's ideographic space and the wording.
  ImpedanceRow{"JustBelowWording", 999999998000000001, 1, "特性インピーダンス　1000 ＭΩ"},
  ImpedanceRow{"Wording", 1000000000000000000, 1, "特性インピーダンス　１ＴΩ以上（無限大）"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Reactances keep megohms however large; Zs and Zp turn into the wording from
// 10^9 Ω although that is far below 1 TΩ.
TEST(Characteristics, ReactancesHaveNoUpperWording) {
  EXPECT_EQ(CoilReactanceCaption(795774715.4594767L, 1), "（コイル XL） 　　　5000 ＭΩ");
  EXPECT_EQ(CapacitorReactanceCaption(1, 1e-18L), "（コンデンサ XC）　159154943091.895 ＭΩ");
  EXPECT_EQ(SeriesImpedanceCaption(1, 1, 1e-10L), "（直列共振 Zs）  １ＴΩ以上（無限大）");
  // ω = 1 with 1 H and (1 − 2·10^-10) F: Zp is 5·10^9 Ω.
  EXPECT_EQ(ParallelImpedanceCaption(0.15915494309189533577L, 1, 0.9999999998L),
            "（並列共振 Zp）  １ＴΩ以上（無限大）");
}

// At exact parallel resonance 1/(ωL) equals ωC in the arithmetic: the
// parallel impedance is unbounded and reads like any other from 1000 ＭΩ up,
// instead of failing with a division by zero; the other results go on.
TEST(Characteristics, ExactParallelResonanceReadsUnbounded) {
  const Real f = 484293.0692771226850937L;
  const Real l = kSolverInductanceUnits[0].Apply(360);
  const Real c = kCapacitanceUnits[0].Apply(300);
  const Real omega = kTwoPi * f;
  ASSERT_EQ(1 / (omega * l), omega * c) << "not an exact parallel resonance";
  EXPECT_EQ(SeriesImpedanceCaption(f, l, c), "（直列共振 Zs） 0 Ω");
  EXPECT_EQ(ParallelImpedanceCaption(f, l, c), "（並列共振 Zp）  １ＴΩ以上（無限大）");
  EXPECT_EQ(CharacteristicImpedanceCaption(l, c), "特性インピーダンス　1.095 ｋΩ");
}

} // namespace
} // namespace tuning
