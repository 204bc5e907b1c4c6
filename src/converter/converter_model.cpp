#include "converter/converter_model.h"

#include <charconv>
#include <cmath>

namespace mezura {
namespace {

// The figures were four-decimal fixed-point numbers, whose range ends at
// 922337203685477.5807; beyond it a figure cannot be written, and its label
// keeps what it showed. Doubles there lie 1/8 apart, so this is the largest
// one inside the range.
constexpr double kLargestFigure = 922337203685477.5;

constexpr double kInchesPerYard = 36;
constexpr double kFeetPerMile = 5280;
constexpr double kSquareInchesPerSquareYard = kInchesPerYard * kInchesPerYard;  // 1296
constexpr double kSquareFeetPerAcre = 43560;
constexpr double kCubicInchesPerCubicYard = kSquareInchesPerSquareYard * kInchesPerYard;  // 46656

// The short number form of `value` rounded to four decimals, halves to even:
// the sign place, every integer digit (a plain ShortNumber would stop at 15
// significant digits), no leading "0" before ".", no trailing zeros.
//
// The rounding is of the double's exact value, in decimal: scaling by 10^4
// in binary loses the last digits once the scaled value passes 2^53 (about
// 9E+11), and rounding the shortest decimal form instead would round twice
// where doubles are far apart (700000000000000.375 is held exactly, but its
// shortest form is ...000.4). A decimal that no double holds (1.00005) is
// rounded as the double nearest to it, a little above or below the tie.
// Above about 5.5E+11 doubles lie further apart than a ten-thousandth (1/8192
// there, 1/8 near the end of the range), so the figures show the double's
// own digits: as close to the measured value as the double is, no closer.
std::string FourDecimalText(double value) {
  const double magnitude = std::fabs(value);
  // Halfway between two ten-thousandths is an odd number of thirty-seconds:
  // (2k + 1) / 20000 is a double only when 625 divides 2k + 1. Those ties
  // are written with their fifth decimal, exactly, and rounded here, so the
  // result does not hang on how to_chars breaks ties.
  const double thirtySeconds = magnitude * 32;
  const bool tie = thirtySeconds == std::floor(thirtySeconds) && std::fmod(thirtySeconds, 2) == 1;
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, tie ? 5 : 4);
  if (ec != std::errc()) return ShortNumber(RoundHalfEven(value, 4));
  std::string digits(buffer, end);  // "123.4567", or "123.45675" for a tie
  if (tie) {
    digits.pop_back();  // the 5 of the tie
    bool carry = (digits.back() - '0') % 2 == 1;
    for (size_t i = digits.size(); carry && i-- > 0;) {
      if (digits[i] == '.') continue;
      carry = digits[i] == '9';
      digits[i] = carry ? '0' : static_cast<char>(digits[i] + 1);
    }
    if (carry) digits.insert(digits.begin(), '1');
  }

  while (digits.back() == '0') digits.pop_back();
  if (digits.back() == '.') digits.pop_back();
  if (digits == "0") return " 0";  // also a negative value that rounds to nothing
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  return (value < 0 ? "-" : " ") + digits;
}

std::optional<std::string> Formatted(double value, std::string text) {
  if (!std::isfinite(value)) return std::nullopt;
  return text;
}

}  // namespace

std::optional<std::string> ConverterFigure(double value, std::string_view suffix) {
  if (!(std::fabs(value) <= kLargestFigure)) return std::nullopt;  // also what is not finite
  return FourDecimalText(value) + std::string(suffix);
}

ConversionTexts ConvertMeasurement(std::string_view text, int accuracy) {
  ConversionTexts out;
  out.dropCaption = std::string(TrimBlanks(text)) + " ";
  out.dimension = DimensionOf(out.dropCaption);
  auto& r = out.results;  // r[0] is lblLabel(2)
  switch (out.dimension) {
    case Dimension::Cubic: {
      const double v = ParseCubic(text);
      r[1] = ConverterFigure(v, "\"cu ");
      r[0] = Formatted(v, FormatCubic(v) + "cu ");
      r[2] = ConverterFigure(v / kCubicInchesPerCubicFoot, "'cu ");
      r[3] = ConverterFigure(v / kCubicInchesPerCubicYard, " cy ");
      r[4] = std::string();
      break;
    }
    case Dimension::Square: {
      const double v = ParseSquare(text);
      r[1] = ConverterFigure(v, "\"sq ");
      r[0] = Formatted(v, FormatSquare(v) + "sq ");
      r[2] = ConverterFigure(v / kSquareInchesPerSquareFoot, "'sq ");
      r[4] = ConverterFigure(v / kSquareInchesPerSquareFoot / kSquareFeetPerAcre, " acres ");
      r[3] = ConverterFigure(v / kSquareInchesPerSquareYard, " sy ");
      break;
    }
    case Dimension::Linear: {
      const double v = ParseLinear(text);
      r[1] = ConverterFigure(v, "\" ");
      r[0] = Formatted(v, FormatLinear(v, accuracy) + " ");
      r[2] = ConverterFigure(v / kInchesPerFoot, "' ");
      r[3] = ConverterFigure(v / kInchesPerYard, " yds ");
      r[4] = ConverterFigure(v / kInchesPerFoot / kFeetPerMile, " miles ");
      break;
    }
  }
  return out;
}

ConverterPlacement PlaceConverterBeside(int32_t calcLeft, int32_t calcTop, int32_t calcWidth,
                                        int32_t screenLeft, int32_t screenWidth,
                                        int32_t converterWidth) {
  ConverterPlacement place;
  place.top = calcTop;
  const double calcCentre = calcLeft + calcWidth / 2.0;
  const double screenCentre = screenLeft + screenWidth / 2.0;
  place.left = calcCentre < screenCentre ? calcLeft + calcWidth + kConverterGap
                                         : calcLeft - converterWidth - kConverterGap;
  return place;
}

int32_t ConverterLabelWidth(double windowWidthTwips) {
  return static_cast<int32_t>(std::nearbyint(windowWidthTwips - kConverterLabelMargin));
}

const std::string& ConverterModel::ResultCaption(int index) const {
  static const std::string kNone;
  if (index < kFirstResultLabel || index > kLastResultLabel) return kNone;
  return m_results[static_cast<size_t>(index - kFirstResultLabel)];
}

void ConverterModel::Drop(std::string_view text, int accuracy) {
  ConversionTexts texts = ConvertMeasurement(text, accuracy);
  m_dropCaption = std::move(texts.dropCaption);
  m_collapsed = false;
  for (size_t i = 0; i < m_results.size(); ++i)
    if (texts.results[i]) m_results[i] = std::move(*texts.results[i]);
}

void ConverterModel::Clear() {
  m_dropCaption = kDropHereClearedCaption;
  for (std::string& result : m_results) result.clear();
  ToggleCollapsed();
}

}  // namespace mezura
