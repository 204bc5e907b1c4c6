#include "measure/outside_text.h"

#include <array>
#include <charconv>
#include <cmath>

#include "measure/measurement.h"
#include "measure/metric_units.h"

namespace mezura {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Other programs add line ends and tabs freely; they mean nothing here.
bool IsOutsideSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view TrimOutsideSpace(std::string_view text) {
  while (!text.empty() && IsOutsideSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsOutsideSpace(text.back())) text.remove_suffix(1);
  return text;
}

// A text split into its value and its area or volume mark, written the
// program's way (" sq.", " cu.", or nothing for a length).
struct Marked {
  std::string_view value;
  std::string_view mark;
};

Marked SplitMark(std::string_view text) {
  struct Spelling {
    std::string_view written;
    std::string_view mark;
  };
  // The longer spellings first, so that "sq." does not leave a "." behind.
  static constexpr std::array<Spelling, 4> kSpellings = {
      {{"sq.", " sq."}, {"cu.", " cu."}, {"sq", " sq."}, {"cu", " cu."}}};
  for (const Spelling& s : kSpellings) {
    if (!text.ends_with(s.written)) continue;
    std::string_view value = text.substr(0, text.size() - s.written.size());
    return {TrimTrailingBlanks(value), s.mark};
  }
  return {text, {}};
}

// An exponent as the program writes one: "E", an optional sign, digits.
// Returns its length at the start of `text`, or 0.
std::size_t ExponentLength(std::string_view text) {
  if (text.empty() || text.front() != 'E') return 0;
  std::size_t i = 1;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t digits = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i > digits ? i : 0;
}

// A reader of the feet-and-inches form, one piece at a time, so that every
// digit of the text is part of a feet number, an inch number or a fraction:
// "5 3" (which the parser would read as 5) is refused, not half read.
class FeetAndInchesReader {
 public:
  explicit FeetAndInchesReader(std::string_view text) : m_text(text) {}

  // [-] [feet '] [inches [fraction] | fraction] ["], with blanks and one "-"
  // between the pieces as builders write them: " 5'- 3 1/2\"", "4'8-3/8\"",
  // "1-1/2\"", "- 6\"", "5'- " (the foot key's own text).
  bool Read() {
    SkipBlanks();
    if (Peek() == '-') ++m_at;
    SkipBlanks();
    // The foot key types its mark on an empty display too: "'- 4" is four
    // inches, as the engine reads it.
    const std::size_t start = m_at;
    const bool feetNumber = Number();
    SkipBlanks();
    bool feet = false;
    if (Peek() == '\'') {
      ++m_at;
      feet = true;
      SkipSeparator();
    } else {
      m_at = start;
    }
    const bool inches = Inches();
    if (!(feet && feetNumber) && !inches) return false;
    SkipBlanks();
    if (Peek() == '"') ++m_at;
    SkipBlanks();
    return m_at == m_text.size();
  }

 private:
  char Peek() const { return m_at < m_text.size() ? m_text[m_at] : '\0'; }
  void SkipBlanks() {
    while (Peek() == ' ') ++m_at;
  }
  // Blanks with at most one "-" among them.
  bool SkipSeparator() {
    const std::size_t start = m_at;
    SkipBlanks();
    if (Peek() == '-') ++m_at;
    SkipBlanks();
    return m_at > start;
  }

  bool Digits() {
    const std::size_t start = m_at;
    while (IsDigit(Peek())) ++m_at;
    return m_at > start;
  }

  // Digits with at most one point and at least one digit, then an exponent
  // as the program writes one.
  bool Number() {
    const std::size_t start = m_at;
    bool digit = Digits();
    if (Peek() == '.') {
      ++m_at;
      digit = Digits() || digit;
    }
    if (!digit) {
      m_at = start;
      return false;
    }
    m_at += ExponentLength(m_text.substr(m_at));
    return true;
  }

  // Plain digits, with a point at most: fractions are not written in
  // exponent form.
  bool FractionPart() {
    const std::size_t start = m_at;
    bool digit = Digits();
    if (Peek() == '.') {
      ++m_at;
      digit = Digits() || digit;
    }
    if (!digit) m_at = start;
    return digit;
  }

  bool Fraction() {
    const std::size_t start = m_at;
    if (FractionPart() && Peek() == '/') {
      ++m_at;
      if (FractionPart()) return true;
    }
    m_at = start;
    return false;
  }

  // A fraction alone, or a number and, after a separator, a fraction.
  bool Inches() {
    if (Fraction()) return true;
    if (!Number()) return false;
    const std::size_t afterWhole = m_at;
    if (!(SkipSeparator() && Fraction())) m_at = afterWhole;
    return true;
  }

  std::string_view m_text;
  std::size_t m_at = 0;
};

// The feet-and-inches form, as the formatters write it, the keys type it and
// builders write it elsewhere, with numbers in exponent form where the
// program writes those, and an area or volume mark.
std::optional<std::string> FeetAndInchesForm(std::string_view text) {
  const Marked marked = SplitMark(text);
  if (!FeetAndInchesReader(marked.value).Read()) return std::nullopt;
  return std::string(marked.value) + std::string(marked.mark);
}

struct MetricUnit {
  std::string_view written;
  DecimalFactor perInch;  // per inch, square inch or cubic inch
  std::string_view mark;  // the program's own mark for the dimension
};

// Symbols as SI writes them (case matters: "M" is no metre), and the litre's
// names. Areas and volumes may also put "sq" or "cu" before a length symbol.
constexpr std::string_view kSquare = " sq.";
constexpr std::string_view kCubic = " cu.";
constexpr MetricUnit kMetricLengths[] = {
    {"mm", kMillimetresPerInch, {}},
    {"cm", kCentimetresPerInch, {}},
    {"m", kMetresPerInch, {}},
};
constexpr MetricUnit kMetricAreasAndVolumes[] = {
    {"mm\u00b2", kSquareMillimetresPerSquareInch, kSquare},
    {"cm\u00b2", kSquareCentimetresPerSquareInch, kSquare},
    {"m\u00b2", kSquareMetresPerSquareInch, kSquare},
    {"mm\u00b3", kCubicMillimetresPerCubicInch, kCubic},
    {"cm\u00b3", kCubicCentimetresPerCubicInch, kCubic},
    {"m\u00b3", kCubicMetresPerCubicInch, kCubic},
    {"ml", kCubicCentimetresPerCubicInch, kCubic},
    {"mL", kCubicCentimetresPerCubicInch, kCubic},
    {"l", kLitresPerCubicInch, kCubic},
    {"L", kLitresPerCubicInch, kCubic},
    {"litre", kLitresPerCubicInch, kCubic},
    {"litres", kLitresPerCubicInch, kCubic},
    {"liter", kLitresPerCubicInch, kCubic},
    {"liters", kLitresPerCubicInch, kCubic},
};

// Blanks between a number and its unit, as word processors and web pages
// write them: spaces, no-break spaces, narrow no-break spaces.
std::string_view SkipMetricBlanks(std::string_view text) {
  for (;;) {
    if (text.starts_with(' ')) text.remove_prefix(1);
    else if (text.starts_with("\u00a0")) text.remove_prefix(2);
    else if (text.starts_with("\u202f")) text.remove_prefix(3);
    else return text;
  }
}

// The unit a metric text ends in: a symbol or word of the table, or "sq" or
// "cu" (with or without a point and blanks) before a length symbol.
std::optional<MetricUnit> MetricUnitOf(std::string_view unit) {
  for (const MetricUnit& u : kMetricLengths)
    if (unit == u.written) return u;
  for (const MetricUnit& u : kMetricAreasAndVolumes)
    if (unit == u.written) return u;
  const bool square = unit.starts_with("sq");
  if (!square && !unit.starts_with("cu")) return std::nullopt;
  std::string_view length = unit.substr(2);
  if (length.starts_with('.')) length.remove_prefix(1);
  length = SkipMetricBlanks(length);
  for (const MetricUnit& u : kMetricLengths) {
    if (length != u.written) continue;
    const DecimalFactor area = Times(u.perInch, u.perInch);
    return square ? MetricUnit{unit, area, kSquare} : MetricUnit{unit, Times(area, u.perInch), kCubic};
  }
  return std::nullopt;
}

// A decimal number of metric units: an optional "-", digits with at most one
// point, blanks, one unit. Written back as inches (square, cubic inches) in
// the program's short number form with the inch mark, which every reader of
// values takes as that many inches of that dimension.
std::optional<std::string> MetricForm(std::string_view text) {
  std::string_view rest = text;
  const bool negative = rest.starts_with('-');
  if (negative) rest.remove_prefix(1);
  std::size_t end = 0;
  bool digit = false, point = false;
  for (; end < rest.size(); ++end) {
    if (IsDigit(rest[end])) digit = true;
    else if (rest[end] == '.' && !point) point = true;
    else break;
  }
  if (!digit) return std::nullopt;
  const std::string_view number = rest.substr(0, end);
  const std::optional<MetricUnit> unit = MetricUnitOf(SkipMetricBlanks(rest.substr(end)));
  if (!unit) return std::nullopt;

  double units = 0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), units);
  if (ec != std::errc() || ptr != number.data() + number.size()) return std::nullopt;
  // One rounding for the exact power of ten, one for the division.
  const double inches = units * PowerOfTen(unit->perInch.decimals) / unit->perInch.digits;
  if (!std::isfinite(inches)) return std::nullopt;
  const std::string shown = ShortNumber(negative ? -inches : inches);
  return std::string(TrimBlanks(shown)) + "\"" + std::string(unit->mark);
}

// Each written form a value from outside may take; the first that reads the
// value gives the program's text for it. New forms (builders' notations)
// belong in this list.
using ValueForm = std::optional<std::string> (*)(std::string_view text);
constexpr std::array<ValueForm, 2> kValueForms = {FeetAndInchesForm, MetricForm};

}  // namespace

std::optional<std::string> ReadOutsideText(std::string_view text) {
  text = TrimOutsideSpace(text);
  if (text.empty() || text.size() > kMaxOutsideTextBytes) return std::nullopt;
  for (const ValueForm form : kValueForms) {
    std::optional<std::string> value = form(text);
    if (!value) continue;
    // A value the program cannot compute with is no value (a fraction over
    // zero, an exponent beyond a double's range).
    if (!std::isfinite(ParseByDimension(*value))) return std::nullopt;
    // Our own form can be longer than the text ("8cu" becomes "8 cu."): a
    // value that would not be taken back when copied out and pasted in again
    // is not taken now either.
    if (value->size() > kMaxOutsideTextBytes) return std::nullopt;
    return value;
  }
  return std::nullopt;
}

}  // namespace mezura
