#pragma once
// Metric units per inch, square inch and cubic inch. The inch is 25.4 mm by
// definition, so every factor here is exact: a whole number over a power of
// ten, built from that one length. Keeping the two apart (rather than one
// double, which cannot hold 25.4) lets a figure be rounded as the exact
// decimal it is, and lets metric text be read back into inches with a single
// division. The converter shows figures in these units; text from outside is
// read in them (measure/outside_text.h).

namespace mezura {

/// A factor `digits` / 10^`decimals`.
struct DecimalFactor {
  double digits = 1;  ///< a whole number, exact in a double
  int decimals = 0;   ///< 0 to 22, where every power of ten is an exact double
};

/// 10^n as an exact double, for n from 0 to 22.
constexpr double PowerOfTen(int n) {
  double p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

constexpr DecimalFactor Times(DecimalFactor a, DecimalFactor b) {
  return {a.digits * b.digits, a.decimals + b.decimals};
}

/// The factor for a unit 10^n times as large.
constexpr DecimalFactor Shifted(DecimalFactor f, int n) { return {f.digits, f.decimals + n}; }

inline constexpr DecimalFactor kMillimetresPerInch{254, 1};  // 25.4
inline constexpr DecimalFactor kCentimetresPerInch = Shifted(kMillimetresPerInch, 1);
inline constexpr DecimalFactor kMetresPerInch = Shifted(kMillimetresPerInch, 3);

inline constexpr DecimalFactor kSquareMillimetresPerSquareInch = Times(kMillimetresPerInch, kMillimetresPerInch);
inline constexpr DecimalFactor kSquareCentimetresPerSquareInch = Times(kCentimetresPerInch, kCentimetresPerInch);
inline constexpr DecimalFactor kSquareMetresPerSquareInch = Times(kMetresPerInch, kMetresPerInch);

inline constexpr DecimalFactor kCubicMillimetresPerCubicInch =
    Times(kSquareMillimetresPerSquareInch, kMillimetresPerInch);
inline constexpr DecimalFactor kCubicCentimetresPerCubicInch =
    Times(kSquareCentimetresPerSquareInch, kCentimetresPerInch);
inline constexpr DecimalFactor kCubicMetresPerCubicInch = Times(kSquareMetresPerSquareInch, kMetresPerInch);
/// A litre is a thousand cubic centimetres.
inline constexpr DecimalFactor kLitresPerCubicInch = Shifted(kCubicCentimetresPerCubicInch, 3);

}  // namespace mezura
