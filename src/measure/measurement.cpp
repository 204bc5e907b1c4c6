#include "measure/measurement.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <system_error>

namespace mezura {
namespace {

constexpr char kFootMark = '\'';
constexpr char kInchMark = '"';

bool IsNumberBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimLeadingBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

// Both parsers and formatters must ignore the process locale (a German
// locale would turn "2.5" into "2,5"), hence from_chars/to_chars throughout.
// `number` is what LeadingNumber collected: digits with at most one point,
// then optionally "e", an optional "-" and exponent digits.
double ParseCollectedNumber(const std::string& number) {
  double value = 0.0;
  const char* first = number.data();
  const char* last = first + number.size();
  const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  (void)ptr;
  if (ec == std::errc()) return value;
  if (ec != std::errc::result_out_of_range) return 0.0;

  // Out of range: too large gives an infinity, too small gives zero. Which one
  // is decided by the decimal order of the first significant digit, since a
  // long run of zeros after the point underflows without any exponent.
  const size_t e = number.find('e');
  const std::string_view mantissa = std::string_view(number).substr(0, e);
  const size_t significant = mantissa.find_first_of("123456789");
  if (significant == std::string_view::npos) return 0.0;
  const size_t point = std::min(mantissa.find('.'), mantissa.size());
  long long order = significant < point ? static_cast<long long>(point - significant - 1)
                                        : -static_cast<long long>(significant - point);
  if (e != std::string::npos) {
    long long exponent = 0;
    bool exponentNegative = false;
    for (size_t i = e + 1; i < number.size(); ++i) {
      if (number[i] == '-') exponentNegative = true;
      // Saturates far beyond any double's range; only the sign of the total matters.
      else if (exponent < 1'000'000'000'000LL) exponent = exponent * 10 + (number[i] - '0');
    }
    order += exponentNegative ? -exponent : exponent;
  }
  return order < 0 ? 0.0 : HUGE_VAL;
}

bool IsExponentMark(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// The "-" at `at` follows an exponent mark that directly follows the digits
// or the point of a number ("1E-5", "2.D-3").
bool IsExponentSign(std::string_view text, size_t at) {
  return at >= 2 && IsExponentMark(text[at - 1]) && (IsDigit(text[at - 2]) || text[at - 2] == '.');
}

double ParseWithFactor(std::string_view text, double factor) {
  std::string_view t = TrimBlanks(text);
  bool negative = false;
  if (!t.empty() && t.front() == '-') {
    negative = true;
    // Trimming again keeps "- 6\"" (the form the formatters write) at -6.
    t = TrimBlanks(t.substr(1));
  }

  double feet = 0.0;
  std::string_view restView = t;
  if (auto mark = t.find(kFootMark); mark != std::string_view::npos) {
    feet = LeadingNumber(t.substr(0, mark)) * factor;
    restView = TrimLeadingBlanks(t.substr(mark + 1));
  }

  std::string rest(restView);
  if (rest.size() >= 2 && rest.front() == '-') {
    const auto firstNonBlank = rest.find_first_not_of(' ', 1);
    rest.erase(0, firstNonBlank == std::string::npos ? rest.size() : firstNonBlank);
  }
  // "3-1/2" reads like "3 1/2", but the sign of an exponent stays: a plain
  // number the program wrote (" 6.25E-05") must read back as itself.
  for (size_t i = 0; i < rest.size(); ++i)
    if (rest[i] == '-' && !IsExponentSign(rest, i)) rest[i] = ' ';
  if (auto inch = rest.find(kInchMark); inch != std::string::npos) rest.resize(inch);

  std::string_view restSv(rest);
  std::string_view whole = restSv;
  std::string_view fraction;
  if (auto blank = restSv.find(' '); blank != std::string_view::npos) {
    whole = restSv.substr(0, blank);
    fraction = restSv.substr(blank + 1);
  } else if (auto bar = restSv.find('/'); bar != std::string_view::npos && bar >= 1) {
    whole = "0";
    fraction = restSv;
  }

  const double wholeValue = LeadingNumber(whole);
  double numerator = 0.0;
  double denominator = 1.0;
  if (auto bar = fraction.find('/'); bar != std::string_view::npos) {
    numerator = RoundHalfEven(LeadingNumber(fraction.substr(0, bar)), 4);
    denominator = RoundHalfEven(LeadingNumber(fraction.substr(bar + 1)), 4);
  }
  const double value = feet + wholeValue + numerator / denominator;
  return negative ? -value : value;
}

std::string FractionText(long numerator, long denominator) {
  if (numerator == 0) return {};
  const long divisor = std::gcd(numerator, denominator);
  return std::to_string(numerator / divisor) + "/" + std::to_string(denominator / divisor);
}

std::string FeetText(double feet) {
  // Beyond 10^15 feet the digits stop meaning anything; the exponent form
  // stays readable and reads back through LeadingNumber.
  if (feet >= 1e15) return ShortNumber(feet).substr(1);
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, feet, std::chars_format::fixed, 0);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

std::string FormatWithFactor(double value, double factor, int denominator) {
  if (!std::isfinite(value)) return std::string(kNotANumberText);
  const double magnitude = std::fabs(value);
  double remainder = std::fmod(magnitude, factor);
  double feet = std::nearbyint((magnitude - remainder) / factor);
  long whole = 0;
  long numerator = 0;
  if (feet < 1e15) {
    whole = static_cast<long>(std::floor(remainder));
    numerator = static_cast<long>(std::nearbyint((remainder - static_cast<double>(whole)) * denominator));
    if (numerator == denominator) {
      numerator = 0;
      whole += 1;
      if (whole == static_cast<long>(factor)) {
        whole = 0;
        feet += 1;
      }
    }
  }

  const std::string fraction = FractionText(numerator, denominator);
  // Built by appending: fewer temporaries, and GCC 12 at -O3 warns falsely
  // (-Wrestrict) on " " + fraction.
  std::string text;
  text.reserve(32);
  if (feet != 0) {
    text += ' ';
    text += FeetText(feet);
    text += "'-";  // the inches bring their own leading blank
  }
  if (feet != 0 || whole != 0) {
    text += ' ';
    text += std::to_string(whole);
    if (!fraction.empty()) text += ' ';
  }
  text += fraction;
  if (text.empty()) text = " 0";
  text += kInchMark;
  if (value < 0) text.insert(text.begin(), '-');
  return text;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return TrimTrailingBlanks(text);
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool IsSquareText(std::string_view text) { return text.find("sq") != std::string_view::npos; }
bool IsCubicText(std::string_view text) { return text.find("cu") != std::string_view::npos; }

Dimension DimensionOf(std::string_view text) {
  if (IsCubicText(text)) return Dimension::Cubic;
  if (IsSquareText(text)) return Dimension::Square;
  return Dimension::Linear;
}

double LeadingNumber(std::string_view text) {
  const size_t n = text.size();
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < n && IsNumberBlank(text[i])) ++i;
  };

  skipBlanks();
  bool negative = false;
  if (i < n && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }

  std::string number;
  bool sawDigit = false;
  bool sawPoint = false;
  for (;; ++i) {
    skipBlanks();
    if (i >= n) break;
    const char c = text[i];
    if (IsDigit(c)) {
      number += c;
      sawDigit = true;
    } else if (c == '.' && !sawPoint) {
      number += c;
      sawPoint = true;
    } else {
      break;
    }
  }
  if (!sawDigit) return 0.0;

  bool exponentNegative = false;
  if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    size_t j = i + 1;
    while (j < n && IsNumberBlank(text[j])) ++j;
    std::string exponent;
    if (j < n && (text[j] == '-' || text[j] == '+')) {
      exponentNegative = text[j] == '-';
      ++j;
    }
    for (; j < n; ++j) {
      if (IsNumberBlank(text[j])) continue;
      if (!IsDigit(text[j])) break;
      exponent += text[j];
    }
    if (!exponent.empty()) number += (exponentNegative ? "e-" : "e") + exponent;
  }

  const double value = ParseCollectedNumber(number);
  return negative ? -value : value;
}

double ParseLinear(std::string_view text) { return ParseWithFactor(text, kInchesPerFoot); }
double ParseSquare(std::string_view text) { return ParseWithFactor(text, kSquareInchesPerSquareFoot); }
double ParseCubic(std::string_view text) { return ParseWithFactor(text, kCubicInchesPerCubicFoot); }

double ParseByDimension(std::string_view text) {
  switch (DimensionOf(text)) {
    case Dimension::Cubic: return ParseCubic(text);
    case Dimension::Square: return ParseSquare(text);
    case Dimension::Linear: break;
  }
  return ParseLinear(text);
}

std::string FormatLinear(double inches, int accuracy) {
  return FormatWithFactor(inches, kInchesPerFoot, IsAccuracy(accuracy) ? accuracy : kAccuracy16);
}

std::string FormatSquare(double squareInches) {
  return FormatWithFactor(squareInches, kSquareInchesPerSquareFoot, kAccuracy16);
}

std::string FormatCubic(double cubicInches) {
  return FormatWithFactor(cubicInches, kCubicInchesPerCubicFoot, kAccuracy16);
}

std::string FormatWithSuffix(double value, Dimension dimension, int accuracy) {
  // "ERROR sq." would read back as a square value; the error has no dimension.
  if (!std::isfinite(value)) return std::string(kNotANumberText);
  switch (dimension) {
    case Dimension::Square: return FormatSquare(value) + " sq.";
    case Dimension::Cubic: return FormatCubic(value) + " cu.";
    case Dimension::Linear: break;
  }
  return FormatLinear(value, accuracy);
}

std::string ShortNumber(double value) {
  if (!std::isfinite(value)) return std::string(kNotANumberText);
  if (value == 0) return " 0";
  // Fifteen significant digits, correctly rounded: "d.dddddddddddddde±x".
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                 std::chars_format::scientific, 14);
  if (ec != std::errc()) return std::string(kNotANumberText);
  const std::string_view scientific(buffer, static_cast<size_t>(end - buffer));
  const size_t e = scientific.find('e');
  std::string digits;
  for (const char c : scientific.substr(0, e))
    if (c != '.') digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  int exponent = 0;
  const std::string_view exponentText = scientific.substr(e + 1);
  std::from_chars(exponentText.data() + (exponentText.front() == '+'),
                  exponentText.data() + exponentText.size(), exponent);

  // Fixed form as long as fifteen digits write it: the integer digits of a
  // large value, or the zeros after the point and the significant digits of
  // a small one (1/20000 is " .00005", not " 5E-05"); the exponent form only
  // beyond that.
  const int significant = static_cast<int>(digits.size());
  std::string text;
  if (exponent >= 15 || (exponent < 0 && -exponent - 1 + significant > 15)) {
    text = digits.substr(0, 1);
    if (significant > 1) text += "." + digits.substr(1);
    text += exponent < 0 ? "E-" : "E+";
    const std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
    if (magnitude.size() < 2) text += '0';
    text += magnitude;
  } else if (exponent < 0) {
    text = "." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  } else if (significant > exponent + 1) {
    text = digits.substr(0, static_cast<size_t>(exponent) + 1) + "." + digits.substr(static_cast<size_t>(exponent) + 1);
  } else {
    text = digits + std::string(static_cast<size_t>(exponent + 1 - significant), '0');
  }
  return (value < 0 ? "-" : " ") + text;
}

double RoundHalfEven(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double scaled = value * scale;
  if (!std::isfinite(scaled)) return value;
  return std::nearbyint(scaled) / scale;
}

AddSubtractResult AddSubtractMeasurements(std::string_view first, std::string_view second,
                                          AddSubtract operation, int accuracy) {
  const bool firstSquare = IsSquareText(first), secondSquare = IsSquareText(second);
  const bool firstCubic = IsCubicText(first), secondCubic = IsCubicText(second);

  Dimension dimension = Dimension::Linear;
  if (firstSquare && secondSquare) {
    dimension = Dimension::Square;
  } else if (firstCubic && secondCubic) {
    dimension = Dimension::Cubic;
  } else if (firstSquare || firstCubic || secondSquare || secondCubic) {
    // An empty or zero first operand takes the dimension of the second.
    if (LeadingNumber(first) != 0) return {std::string(kNotANumberText), 0.0, true};
    dimension = secondSquare ? Dimension::Square : secondCubic ? Dimension::Cubic : Dimension::Linear;
  }

  auto parse = [dimension](std::string_view text) {
    switch (dimension) {
      case Dimension::Square: return ParseSquare(text);
      case Dimension::Cubic: return ParseCubic(text);
      case Dimension::Linear: break;
    }
    return ParseLinear(text);
  };
  const double a = parse(first);
  const double b = parse(second);
  const double value = operation == AddSubtract::Add ? a + b : a - b;
  if (!std::isfinite(value)) return {std::string(kNotANumberText), 0.0, true};
  return {FormatWithSuffix(value, dimension, accuracy), value, false};
}

}  // namespace mezura
