#include "converter/converter_model.h"

#include <algorithm>
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

// The short number form of `value` / 10^`shift` rounded to four decimals,
// halves to even: the sign place, every integer digit (a plain ShortNumber
// would stop at 15 significant digits), no leading "0" before ".", no
// trailing zeros.
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
// The shift divides by a power of ten in decimal, so a metric figure such as
// 1/32" in mm (25.4 × 1/32 = .79375 exactly) is rounded as that exact tie and
// not as the double below it that 25.4 / 32 would give.
std::string FourDecimalText(double value, int shift) {
  const double magnitude = std::fabs(value);
  // Every double is a 53-bit whole number times 2^(exponent − 53), which
  // 53 − exponent decimals write exactly (and none needs more than 1074).
  int exponent = 0;
  std::frexp(magnitude, &exponent);
  const int exactDecimals = std::clamp(53 - exponent, 0, 1074);
  char buffer[1500];  // 309 integer digits, the point and 1074 decimals
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, exactDecimals);
  if (ec != std::errc()) return ShortNumber(RoundHalfEven(value / PowerOfTen(shift), 4));
  const std::string_view exact(buffer, static_cast<size_t>(end - buffer));
  const size_t point = std::min(exact.find('.'), exact.size());
  std::string whole(exact.substr(0, point));
  std::string fraction(point < exact.size() ? exact.substr(point + 1) : std::string_view());

  // Dividing by 10^shift moves the last `shift` whole digits behind the point.
  if (whole.size() <= static_cast<size_t>(shift)) whole.insert(0, static_cast<size_t>(shift) + 1 - whole.size(), '0');
  fraction.insert(0, whole, whole.size() - static_cast<size_t>(shift));
  whole.resize(whole.size() - static_cast<size_t>(shift));

  // Round to four decimals, halves to even, on the digits themselves.
  if (fraction.size() < 4) fraction.append(4 - fraction.size(), '0');
  const std::string_view dropped = std::string_view(fraction).substr(4);
  std::string digits = whole + fraction.substr(0, 4);
  bool up = false;
  if (dropped.empty() || dropped.front() != '5') {
    up = !dropped.empty() && dropped.front() > '5';
  } else {
    const bool beyondHalf = dropped.find_first_not_of('0', 1) != std::string_view::npos;
    up = beyondHalf || (digits.back() - '0') % 2 == 1;
  }
  for (size_t i = digits.size(); up && i-- > 0;) {
    up = digits[i] == '9';
    digits[i] = up ? '0' : static_cast<char>(digits[i] + 1);
  }
  if (up) digits.insert(digits.begin(), '1');

  std::string decimals = digits.substr(digits.size() - 4);
  digits.resize(digits.size() - 4);
  while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
  const size_t firstSignificant = digits.find_first_not_of('0');
  digits.erase(0, firstSignificant == std::string::npos ? digits.size() : firstSignificant);
  if (digits.empty() && decimals.empty()) return " 0";  // also a negative value that rounds to nothing
  if (!decimals.empty()) digits += "." + decimals;
  return (value < 0 ? "-" : " ") + digits;
}

std::optional<std::string> Formatted(double value, std::string text) {
  if (!std::isfinite(value)) return std::nullopt;
  return text;
}

}  // namespace

std::optional<std::string> ConverterFigure(double value, std::string_view suffix) {
  return ConverterFigure(value, DecimalFactor{}, suffix);
}

std::optional<std::string> ConverterFigure(double value, DecimalFactor factor, std::string_view suffix) {
  const double scaled = value * factor.digits;
  if (!(std::fabs(scaled) / PowerOfTen(factor.decimals) <= kLargestFigure)) return std::nullopt;  // also NaN
  return FourDecimalText(scaled, factor.decimals) + std::string(suffix);
}

ConversionTexts ConvertMeasurement(std::string_view text, int accuracy) {
  ConversionTexts out;
  out.dropCaption = std::string(TrimBlanks(text)) + " ";
  out.dimension = DimensionOf(out.dropCaption);
  auto& r = out.results;  // r[0] is lblLabel(2)
  auto* metric = &r[kFirstMetricLabel - kFirstResultLabel];  // lblLabel(7) on
  // The metric units' texts carry the superscript or the word, never a mark
  // that could be taken for feet or inches.
  switch (out.dimension) {
    case Dimension::Cubic: {
      const double v = ParseCubic(text);
      r[1] = ConverterFigure(v, "\"cu ");
      r[0] = Formatted(v, FormatCubic(v) + "cu ");
      r[2] = ConverterFigure(v / kCubicInchesPerCubicFoot, "'cu ");
      r[3] = ConverterFigure(v / kCubicInchesPerCubicYard, " cy ");
      r[4] = std::string();
      metric[0] = ConverterFigure(v, kCubicCentimetresPerCubicInch, " cm\u00b3 ");
      metric[1] = ConverterFigure(v, kCubicMetresPerCubicInch, " m\u00b3 ");
      metric[2] = ConverterFigure(v, kLitresPerCubicInch, " litres ");
      break;
    }
    case Dimension::Square: {
      const double v = ParseSquare(text);
      r[1] = ConverterFigure(v, "\"sq ");
      r[0] = Formatted(v, FormatSquare(v) + "sq ");
      r[2] = ConverterFigure(v / kSquareInchesPerSquareFoot, "'sq ");
      r[4] = ConverterFigure(v / kSquareInchesPerSquareFoot / kSquareFeetPerAcre, " acres ");
      r[3] = ConverterFigure(v / kSquareInchesPerSquareYard, " sy ");
      metric[0] = ConverterFigure(v, kSquareCentimetresPerSquareInch, " cm\u00b2 ");
      metric[1] = ConverterFigure(v, kSquareMetresPerSquareInch, " m\u00b2 ");
      metric[2] = std::string();
      break;
    }
    case Dimension::Linear: {
      const double v = ParseLinear(text);
      r[1] = ConverterFigure(v, "\" ");
      r[0] = Formatted(v, FormatLinear(v, accuracy) + " ");
      r[2] = ConverterFigure(v / kInchesPerFoot, "' ");
      r[3] = ConverterFigure(v / kInchesPerYard, " yds ");
      r[4] = ConverterFigure(v / kInchesPerFoot / kFeetPerMile, " miles ");
      metric[0] = ConverterFigure(v, kMillimetresPerInch, " mm ");
      metric[1] = ConverterFigure(v, kCentimetresPerInch, " cm ");
      metric[2] = ConverterFigure(v, kMetresPerInch, " m ");
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
