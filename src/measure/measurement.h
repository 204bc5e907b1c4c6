#pragma once
// Measurement texts: feet, inches and fractions of an inch as the user reads
// them (" 5'- 3 1/2\""), and the numbers behind them (inches, square inches,
// cubic inches). This module turns one into the other and adds or subtracts
// two texts of the same dimension. It has no state: the accuracy travels as an
// argument, and what a refused operation does to the calculator is the
// engine's business.

#include <string>
#include <string_view>

namespace mezura {

/// Linear values are inches, square values square inches, cubic values cubic inches.
enum class Dimension { Linear, Square, Cubic };

inline constexpr double kInchesPerFoot = 12.0;
inline constexpr double kSquareInchesPerSquareFoot = kInchesPerFoot * kInchesPerFoot;   // 144
inline constexpr double kCubicInchesPerCubicFoot = kSquareInchesPerSquareFoot * kInchesPerFoot;  // 1728

/// Denominators of the finest fraction a linear result shows. 16 is the
/// default; 4 and 8 suit rough framing, 64 fine work.
inline constexpr int kAccuracy4 = 4;
inline constexpr int kAccuracy8 = 8;
inline constexpr int kAccuracy16 = 16;
inline constexpr int kAccuracy32 = 32;
inline constexpr int kAccuracy64 = 64;
/// Every accuracy offered, coarsest first: the formatter, the engine and the
/// command line take these and no others.
inline constexpr int kAccuracies[] = {kAccuracy4, kAccuracy8, kAccuracy16, kAccuracy32, kAccuracy64};

constexpr bool IsAccuracy(int accuracy) {
  for (const int offered : kAccuracies)
    if (offered == accuracy) return true;
  return false;
}

/// What formatting a value that is not a number or infinite gives; never "inf" or "nan".
inline constexpr std::string_view kNotANumberText = "ERROR";

/// True when the text names an area ("sq" anywhere).
bool IsSquareText(std::string_view text);
/// True when the text names a volume ("cu" anywhere).
bool IsCubicText(std::string_view text);
/// The dimension a text carries: cubic wins over square, as the engine tests it.
Dimension DimensionOf(std::string_view text);

/// The number at the start of a text: blanks anywhere in it are skipped, then an
/// optional sign, digits with at most one decimal point and an optional exponent
/// (E or D). A text with no number reads 0; an exponent beyond the range of a
/// double gives an infinity with the number's sign.
double LeadingNumber(std::string_view text);

/// Text to value. Accepts any bytes; never fails. A fraction over zero gives a
/// value that is not finite, which callers must check for.
double ParseLinear(std::string_view text);
double ParseSquare(std::string_view text);
double ParseCubic(std::string_view text);
/// The parser of the text's own dimension.
double ParseByDimension(std::string_view text);

/// Value to text, without a dimension suffix. `accuracy` is one of kAccuracies
/// (anything else counts as 16): the remainder rounds to the nearest
/// 1/accuracy, halves to even, and the fraction is written in lowest terms
/// (32/64 as 1/2). Square and cubic texts always use sixteenths.
std::string FormatLinear(double inches, int accuracy);
std::string FormatSquare(double squareInches);
std::string FormatCubic(double cubicInches);
/// The formatter of `dimension`, with " sq." or " cu." appended where it applies.
std::string FormatWithSuffix(double value, Dimension dimension, int accuracy);

/// The standard number-to-text form with a sign place: " 2.5", " .5", "-2.5",
/// " 0", " .00005", rounded to 15 significant digits. The exponent form only
/// where fixed form would need more than 15 digits: over 15 integer digits
/// (" 1E+16"), or zeros after the point and significant digits together over
/// 15 (" 1.66666666666667E-07", " 1E-16").
std::string ShortNumber(double value);

/// Round to `decimals` places, halves to the even digit.
double RoundHalfEven(double value, int decimals);

enum class AddSubtract { Add, Subtract };

struct AddSubtractResult {
  /// The sum or difference formatted in the dimension of the operands, or
  /// "ERROR" when the operands' dimensions clash or the result is not finite.
  std::string text;
  double value = 0.0;      ///< the number behind `text` (0 when refused)
  bool refused = false;    ///< true when `text` is "ERROR"
};

/// first ± second. Texts of different dimensions are refused unless the first
/// reads as zero, in which case the result takes the second's dimension.
AddSubtractResult AddSubtractMeasurements(std::string_view first, std::string_view second,
                                          AddSubtract operation, int accuracy);

/// Blanks (spaces) removed at both ends, or only at the end.
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);

}  // namespace mezura
