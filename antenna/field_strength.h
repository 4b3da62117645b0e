#pragma once
// The ground-wave field strength of a medium-wave broadcast station over flat
// ground, by the numerical-distance approximation:
//   E0 = K·√P / d                     (mV/m, P in kW, d in km)
//   x  = 18000·σ / (f / 1000)         (f in kHz)
//   b  = arctan((εr + 1) / x)         the phase angle of the ground
//   λ  = 300000 / f  (299792.458 / f with the exact speed of light), metres
//   p  = π·(1000·d)·cos b / (x·λ)     the numerical distance
//   A  = B^(−0.43·p + 0.01·p²) − √(p/2)·sin b·B^(−0.625·p)    for p < 4.5
//   A  = 1 / (2·p − 3.7)     − √(p/2)·sin b·B^(−0.625·p)      for p ≥ 4.5
//   E  = E0·A
// with the base B = 2.71827 taken as written (five decimals, not e), its
// powers formed as exp(y·ln B). E falls with d on either side of p = 4.5 and
// jumps up by a few per cent where p crosses 4.5.
//
// The calculation reads only the speed choice of the antenna options panel
// (the approximate 300 000 km/s or the exact speed), never the shortening
// factor, and does not normalise the panel.
#include <array>
#include <string>
#include <string_view>

#include "core/real.h"

namespace antenna {

using quelm::Real;

// K of the station's antenna, in the order of the antenna list: the 0.53-
// wavelength and the quarter-wave (λ/4) grounded vertical antenna.
inline constexpr std::array<Real, 2> kStationAntennaFactors = {396, 313};
inline constexpr int kDefaultStationAntenna = 1;

// The ground list: the item's caption, and the relative permittivity and
// conductivity (S/m) texts written into the two ground fields while their
// override boxes are unchecked.
struct GroundType {
  std::string_view name;
  std::string_view permittivity;
  std::string_view conductivity;
};
inline constexpr std::array<GroundType, 4> kGroundTypes = {{
    {"山岳地帯", "15", "0.001"},
    {"丘陵地帯", "15", "0.002"},
    {"平野地帯", "15", "0.005"},
    {"海上", "80", "5"},
}};
inline constexpr int kDefaultGroundType = 2;

// The station and its path, as read from the fields (empty reads as 0).
struct FieldPath {
  Real antennaFactor = 313; // K
  Real frequency = 0;       // f, kHz
  Real power = 0;           // P, kW
  Real permittivity = 0;    // εr
  Real conductivity = 0;    // σ, S/m
  bool approximateSpeed = true;
};

// f·εr·σ·P·last = 0, where `last` is the distance (field strength at a
// distance) or the target (distance for a field strength).
bool FieldPathRejected(const FieldPath& path, Real last);

// The field strength model of one path, with the parts that do not depend on
// the distance formed once. At(d) gives the same value, bit for bit, as
// forming every step anew for that d.
class GroundWave {
public:
  explicit GroundWave(const FieldPath& path);

  // E at d kilometres, mV/m. Faults (d = 0 divides by zero) throw CalcError.
  Real At(Real km) const;
  // p at d kilometres, checked.
  Real NumericalDistance(Real km) const;
  // Whether p at d is 4.5 or more, without faulting (an overflowing p is).
  bool BeyondKnee(Real km) const;

private:
  Real Attenuation(Real p) const;

  Real sourceField_; // K·√P
  Real lnB_;
  Real sinB_;
  Real cosB_;
  Real xLambda_; // x·λ
};

// E at d kilometres, every step formed in the calculation's order.
Real FieldStrength(const FieldPath& path, Real km);

inline constexpr const char* kFieldStrengthStart = "[mV/m] ";
inline constexpr const char* kFieldStrengthReset = "[mV/m]";

// "173.52 [mV/m] ": E to 2 decimals, a blank before and after the bracket.
std::string FieldStrengthText(Real millivoltsPerMetre);

// The text of Label264: the reset caption when rejected, else the field
// strength at the distance.
std::string FieldStrengthResult(const FieldPath& path, Real km);

} // namespace antenna
