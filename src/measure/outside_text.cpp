#include "measure/outside_text.h"

#include <array>
#include <cmath>

#include "measure/measurement.h"

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

// The feet-and-inches form, as the formatters write it and the keys type it,
// with numbers in exponent form where the program writes those.
std::optional<std::string> FeetAndInchesForm(std::string_view value) {
  bool digit = false;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (IsDigit(c)) {
      digit = true;
    } else if (c == 'E') {
      // Only right after a number: "6.25E-05", never "E5" or "'E".
      const bool afterNumber = i > 0 && (IsDigit(value[i - 1]) || value[i - 1] == '.');
      const std::size_t length = ExponentLength(value.substr(i));
      if (!digit || !afterNumber || length == 0) return std::nullopt;
      i += length - 1;
    } else if (c != ' ' && c != '.' && c != '\'' && c != '"' && c != '-' && c != '/') {
      return std::nullopt;
    }
  }
  if (!digit) return std::nullopt;
  return std::string(value);
}

// Each written form a value from outside may take; the first that reads the
// value gives the program's text for it. New forms (builders' notations,
// metric lengths) belong in this list.
using ValueForm = std::optional<std::string> (*)(std::string_view value);
constexpr std::array<ValueForm, 1> kValueForms = {FeetAndInchesForm};

}  // namespace

std::optional<std::string> ReadOutsideText(std::string_view text) {
  text = TrimOutsideSpace(text);
  if (text.empty() || text.size() > kMaxOutsideTextBytes) return std::nullopt;
  const Marked marked = SplitMark(text);
  if (marked.value.empty()) return std::nullopt;
  for (const ValueForm form : kValueForms) {
    std::optional<std::string> value = form(marked.value);
    if (!value) continue;
    *value += marked.mark;
    // A value the program cannot compute with is no value (a fraction over
    // zero, an exponent beyond a double's range).
    if (!std::isfinite(ParseByDimension(*value))) return std::nullopt;
    return value;
  }
  return std::nullopt;
}

}  // namespace mezura
