// Distributed capacitance by the three methods: the listed cases, each
// method's own unit conversions, the F/μF/pF choice and the equal-frequency
// faults.
#include "coil_eval/distributed_capacitance.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "coil_eval/tests/fault_of.h"

namespace coil_eval {
namespace {

using quelm::FaultKind;

// A value typed in a unit, brought into the method's units by its list.
Real In(Real v, quelm::UnitFactor unit) { return unit.Apply(v); }
Real KHz(Real v) { return In(v, kKilohertzUnits[1]); }
Real PF(Real v) { return In(v, kFaradUnits[0]); }

struct Row {
  const char* name;
  std::function<std::string()> text;
  const char* expected;
};
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class CdTest : public ::testing::TestWithParam<Row> {};

TEST_P(CdTest, Text) { EXPECT_EQ(GetParam().text(), GetParam().expected); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(DistributedCapacitance, CdTest, ::testing::Values(
  // (40 − 0.25·165)/(0.25 − 1) pF; then as 1.4 MHz, 0.00004 μF, 700000 Hz, 0.000165 μF.
  Row{"Two", [] { return TwoResonancesText(KHz(1400), PF(40), KHz(700), PF(165)); }, "1.67 pF"},
  Row{"TwoOtherUnits", [] { return TwoResonancesText(In(1.4L, kKilohertzUnits[2]), In(0.00004L, kFaradUnits[1]),
                                                     In(700000, kKilohertzUnits[0]), In(0.000165L, kFaradUnits[1])); },
      "1.67 pF"},
  Row{"TwoNegative", [] { return TwoResonancesText(KHz(1400), PF(50), KHz(700), PF(165)); }, "-11.67 pF"},
  // 1000²·100/(10000² − 1000²) in the unit of C, which is not converted.
  Row{"Self", [] { return SelfResonanceAndCapacitorText(In(10, kKilohertzUnits[2]), 100, KHz(1000), " pF"); },
      "1.01 pF"},
  Row{"SelfMicrofarads", [] { return SelfResonanceAndCapacitorText(KHz(10000), 100, KHz(1000), " μF"); }, "1.01 μF"},
  // 1/((2π·10⁷)²·250·10⁻⁶): this method works in Hz and H.
  Row{"Inductance", [] { return SelfResonanceAndInductanceText(In(10000, kHertzUnits[1]), In(250, kHenryUnits[1])); },
      "1.01 pF"},
  // F from 1 mF up, μF from 1 nF up, two decimals: 1 to 5 nF read 0 μF.
  Row{"OneMillifarad", [] { return FaradsText(0.001L); }, "0 F"},
  Row{"OneNanofarad", [] { return FaradsText(1e-9L); }, "0 μF"},
  Row{"ThreeNanofarads", [] { return FaradsText(3e-9L); }, "0 μF"},
  Row{"SixNanofarads", [] { return FaradsText(6e-9L); }, "0.01 μF"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(DistributedCapacitance, RejectionsAndFaults) {
  EXPECT_FALSE(TwoResonancesRejected(KHz(1400), PF(40), KHz(700), PF(165)));
  EXPECT_TRUE(TwoResonancesRejected(KHz(1400), PF(40), KHz(700), PF(0)));
  EXPECT_TRUE(SelfResonanceAndCapacitorRejected(KHz(10000), 0, KHz(1000)));
  EXPECT_TRUE(SelfResonanceAndInductanceRejected(In(0, kHertzUnits[1]), In(250, kHenryUnits[1])));
  // Equal frequencies; 700000 Hz is 700 kHz exactly, and equal capacitances make it 0/0.
  EXPECT_EQ(FaultOf([] { TwoResonancesText(KHz(700), PF(40), KHz(700), PF(165)); }),
            FaultKind::DivisionByZero);
  EXPECT_EQ(FaultOf([] { TwoResonancesText(KHz(700), PF(40), In(700000, kKilohertzUnits[0]), PF(40)); }),
            FaultKind::InvalidOperation);
  EXPECT_EQ(FaultOf([] { SelfResonanceAndCapacitorText(KHz(1000), 100, KHz(1000), " pF"); }),
            FaultKind::DivisionByZero);
}

} // namespace
} // namespace coil_eval
