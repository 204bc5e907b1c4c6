#include "converter/converter_model.h"

#include <charconv>
#include <cmath>

namespace mezura {
namespace {

// The figures were four-decimal fixed-point numbers, whose range ends here;
// beyond it a figure cannot be written, and its label keeps what it showed.
constexpr double kFixedPointLimit = 922337203685477.5807;

constexpr double kInchesPerYard = 36;
constexpr double kFeetPerMile = 5280;
constexpr double kSquareInchesPerSquareYard = kInchesPerYard * kInchesPerYard;  // 1296
constexpr double kSquareFeetPerAcre = 43560;
constexpr double kCubicInchesPerCubicYard = kSquareInchesPerSquareYard * kInchesPerYard;  // 46656

// The short number form of a four-decimal fixed-point value: every digit up
// to the fourth decimal is kept (a plain ShortNumber would stop at 15
// significant digits), with the sign place and no leading "0" before ".".
std::string FourDecimalText(double rounded) {
  if (rounded == 0) return " 0";
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(rounded), std::chars_format::fixed, 4);
  if (ec != std::errc()) return ShortNumber(rounded);
  std::string digits(buffer, end);
  while (digits.back() == '0') digits.pop_back();
  if (digits.back() == '.') digits.pop_back();
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  return (rounded < 0 ? "-" : " ") + digits;
}

std::optional<std::string> Formatted(double value, std::string text) {
  if (!std::isfinite(value)) return std::nullopt;
  return text;
}

}  // namespace

std::optional<std::string> ConverterFigure(double value, std::string_view suffix) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = RoundHalfEven(value, 4);
  if (!(std::fabs(rounded) <= kFixedPointLimit)) return std::nullopt;
  return FourDecimalText(rounded) + std::string(suffix);
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
