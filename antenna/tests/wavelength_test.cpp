// Wavelength to frequency and back: exact result texts at every unit row,
// the boundaries between rows and the faults.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "antenna/wave_options.h"
#include "antenna/wavelength.h"
#include "core/errors.h"

namespace antenna {
namespace {

enum Length { mm, cm, m, km };
enum Part { Lambda, Half, Quarter, Sixth };

// The wavelength-to-frequency steps in the order a calculation takes them.
std::string Frequency(Real typed, Part part, Length unit, bool approximate = true,
                      std::optional<Real> k = std::nullopt) {
  const Real lambda = TypedWavelength(typed, part);
  const Real metres = kLengthUnits[unit].Apply(lambda);
  return FrequencyText(FrequencyMHz(WaveSpeed(approximate), metres, k));
}

struct ToFrequency {
  const char* name;
  Real typed;
  Part part;
  Length unit;
  bool approximate;
  std::optional<Real> k;
  const char* expected;
};

class WavelengthToFrequency : public ::testing::TestWithParam<ToFrequency> {};

TEST_P(WavelengthToFrequency, Text) {
  const ToFrequency& c = GetParam();
  EXPECT_EQ(Frequency(c.typed, c.part, c.unit, c.approximate, c.k), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WavelengthToFrequency,
    ::testing::Values(
        ToFrequency{"SixthWave", 50, Sixth, m, true, std::nullopt, "1000 kHz"},
        ToFrequency{"TenMHzIsMHz", 30, Lambda, m, true, std::nullopt, "10 MHz"},
        ToFrequency{"JustBelowTenMHz", 30.000001L, Lambda, m, true, std::nullopt, "9999.99966666668 kHz"},
        ToFrequency{"JustBelowTenKHz", 30000.001L, Lambda, m, true, std::nullopt, "9999.99966666668 Hz"},
        ToFrequency{"TenGHzIsGHz", 30, Lambda, mm, true, std::nullopt, "10 GHz"},
        ToFrequency{"JustBelowTenGHz", 30.000001L, Lambda, mm, true, std::nullopt, "9999.99966666668 MHz"},
        ToFrequency{"Kilometres", 1, Lambda, km, true, std::nullopt, "300 kHz"},
        ToFrequency{"ExactSpeedHertz", 3000, Quarter, km, false, std::nullopt, "24.9827048333333 Hz"},
        ToFrequency{"TwoMetresBand", 2, Lambda, m, true, std::nullopt, "150 MHz"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ToWavelength {
  const char* name;
  Real typed;
  FrequencyUnit unit;
  bool approximate;
  std::optional<Real> k;
  const char* lambda;
  const char* half;
  const char* quarter;
  const char* sixth;
};

class FrequencyToWavelength : public ::testing::TestWithParam<ToWavelength> {};

TEST_P(FrequencyToWavelength, Texts) {
  const ToWavelength& c = GetParam();
  const Real x = Shortened(WavelengthInUnit(WaveSpeed(c.approximate), c.typed), c.k);
  const WavelengthTexts t = WavelengthResult(x, c.unit);
  EXPECT_EQ(t.lambda, c.lambda);
  EXPECT_EQ(t.half, c.half);
  EXPECT_EQ(t.quarter, c.quarter);
  EXPECT_EQ(t.sixth, c.sixth);
}

using F = FrequencyUnit;
INSTANTIATE_TEST_SUITE_P(
    Rows, FrequencyToWavelength,
    ::testing::Values(ToWavelength{"ExactSpeed", 1000, F::kHz, false, std::nullopt, "299.792458 m",
                                   "149.896229 m", "74.9481145 m", "49.9654096666667 m"},
                      ToWavelength{"KiloHertzKilometres", 100, F::kHz, true, std::nullopt, "3 km", "1.5 km",
                                   "0.75 km", "0.5 km"},
                      ToWavelength{"OneKmIsKm", 300, F::kHz, true, std::nullopt, "1 km", "0.5 km", "0.25 km",
                                   "0.166666666666667 km"},
                      ToWavelength{"ThousandKmStaysInKm", 300, F::Hz, true, std::nullopt, "1000 km", "500 km",
                                   "250 km", "166.666666666667 km"},
                      ToWavelength{"JustBelowOneMegametre", 301, F::Hz, true, std::nullopt,
                                   "996.677740863787 km", "498.338870431894 km", "249.169435215947 km",
                                   "166.112956810631 km"},
                      ToWavelength{"OneMillimetre", 300, F::GHz, true, std::nullopt, "1 mm", "0.5 mm",
                                   "0.25 mm", "0.166666666666667 mm"},
                      ToWavelength{"CentimetresStayForTinyWaves", 300000, F::MHz, true, std::nullopt,
                                   "0.1 cm", "0.05 cm", "0.025 cm", "0.0166666666666667 cm"},
                      ToWavelength{"FarBelowOneMillimetre", 30000000, F::GHz, true, std::nullopt, "1E-5 mm",
                                   "5E-6 mm", "2.5E-6 mm", "1.66666666666667E-6 mm"}),
    [](const auto& info) { return std::string(info.param.name); });

void ExpectFault(quelm::FaultKind kind, const std::function<void()>& step) {
  try {
    step();
    ADD_FAILURE() << "no fault";
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), kind) << e.Message();
  }
}

TEST(Faults, ATinyFrequencyOverflowsTheWavelength) {
  ExpectFault(quelm::FaultKind::Overflow, [] { WavelengthInUnit(300, 1e-4930L); });
}

TEST(Faults, ATinyWavelengthOverflowsTheFrequency) {
  ExpectFault(quelm::FaultKind::Overflow, [] { FrequencyMHz(300, 1e-4930L, std::nullopt); });
}

TEST(Faults, AWavelengthLostToUnderflowDividesByZero) {
  // 1E-4950 mm underflows to 0 m on the way to metres.
  const Real metres = kLengthUnits[mm].Apply(1e-4950L);
  EXPECT_EQ(metres, 0.0L);
  ExpectFault(quelm::FaultKind::DivisionByZero, [&] { FrequencyMHz(300, metres, std::nullopt); });
}

TEST(Faults, AHugeLengthOverflowsOnItsWayToTheWavelength) {
  ExpectFault(quelm::FaultKind::Overflow, [] { TypedWavelength(1e4932L, Sixth); });
  ExpectFault(quelm::FaultKind::Overflow, [] { kLengthUnits[km].Apply(1e4932L); });
}

TEST(Faults, ATinyShorteningFactorOverflows) {
  ExpectFault(quelm::FaultKind::Overflow, [] { FrequencyMHz(300, 100, 1e-4931L); });
  ExpectFault(quelm::FaultKind::Overflow, [] { Shortened(1e4932L, 2); });
}

TEST(Units, FactorsDivideWhereTheCalculationDivides) {
  // 7 mm is 7 / 1000 m, not 7 × 0.001.
  EXPECT_EQ(kLengthUnits[mm].Apply(7), 7.0L / 1000);
  EXPECT_EQ(kLengthUnits[cm].Apply(7), 7.0L / 100);
  EXPECT_EQ(kLengthUnits[km].Apply(7), 7000.0L);
}

} // namespace
} // namespace antenna
