// Fuzzes the measurement texts: every parser and LeadingNumber on arbitrary
// bytes, the formatters on whatever those read, and adding or subtracting two
// texts. Invariants: nothing ever writes "inf" or "nan"; a finite value of
// moderate size formats to a text that reads back as the value rounded to the
// text's fraction; ShortNumber reads back to 15 significant digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <string_view>

#include "measure/measurement.h"

namespace {

using namespace mezura;

void Fail(const char* what, std::string_view text, double value) {
  std::fprintf(stderr, "%s: [%.*s] value %.17g\n", what, static_cast<int>(text.size()), text.data(),
               value);
  std::abort();
}

// Only these characters make up a formatted text (the suffix and "ERROR" aside).
bool WrittenFormOnly(std::string_view text) {
  if (text == kNotANumberText) return true;
  if (text.ends_with(" sq.") || text.ends_with(" cu.")) text.remove_suffix(4);
  return !text.empty() && text.find_first_not_of("0123456789 '-/\"E+.") == std::string_view::npos;
}

double RoundedToGrid(double value, int denominator) {
  return std::copysign(std::nearbyint(std::fabs(value) * denominator) / denominator, value);
}

void CheckFormatted(double value, Dimension dimension, int accuracy) {
  const std::string text = FormatWithSuffix(value, dimension, accuracy);
  if (!WrittenFormOnly(text)) Fail("not a measurement text", text, value);
  if (!std::isfinite(value)) {
    if (text != kNotANumberText) Fail("non-finite value not shown as ERROR", text, value);
    return;
  }
  if (text == kNotANumberText) Fail("finite value shown as ERROR", text, value);
  if (DimensionOf(text) != dimension) Fail("dimension lost", text, value);
  const double back = ParseByDimension(text);
  if (std::fabs(value) < 1e12) {
    const int denominator = dimension == Dimension::Linear ? accuracy : kAccuracy16;
    if (back != RoundedToGrid(value, denominator)) Fail("round trip", text, value);
  } else if (std::fabs(value) < 1e300 && std::fabs(back / value - 1) > 1e-13) {
    Fail("huge value does not read back", text, value);
  }
}

void CheckShortNumber(double value) {
  const std::string text = ShortNumber(value);
  if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos)
    Fail("ShortNumber wrote inf/nan", text, value);
  if (!std::isfinite(value) || std::fabs(value) < 1e-300) return;
  const double back = LeadingNumber(text);
  if (std::fabs(back / value - 1) > 1e-14) Fail("ShortNumber does not read back", text, value);
}

void CheckValue(double value) {
  for (Dimension d : {Dimension::Linear, Dimension::Square, Dimension::Cubic})
    for (int accuracy : {kAccuracy16, kAccuracy32}) CheckFormatted(value, d, accuracy);
  CheckShortNumber(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  CheckValue(LeadingNumber(input));
  CheckValue(ParseLinear(input));
  CheckValue(ParseSquare(input));
  CheckValue(ParseCubic(input));
  CheckValue(ParseByDimension(input));
  const std::string_view trimmed = TrimBlanks(input);
  if (!trimmed.empty() && (trimmed.front() == ' ' || trimmed.back() == ' ')) Fail("TrimBlanks", input, 0);

  // Two texts, split at the first newline, added and subtracted.
  const size_t newline = input.find('\n');
  if (newline != std::string_view::npos) {
    const std::string_view first = input.substr(0, newline);
    const std::string_view second = input.substr(newline + 1);
    for (AddSubtract op : {AddSubtract::Add, AddSubtract::Subtract}) {
      for (int accuracy : {kAccuracy16, kAccuracy32}) {
        const AddSubtractResult r = AddSubtractMeasurements(first, second, op, accuracy);
        if (r.refused != (r.text == kNotANumberText)) Fail("refused and ERROR disagree", r.text, r.value);
        if (r.refused) continue;
        if (!std::isfinite(r.value)) Fail("non-finite result not refused", r.text, r.value);
        if (!WrittenFormOnly(r.text)) Fail("sum not a measurement text", r.text, r.value);
        if (r.text != FormatWithSuffix(r.value, DimensionOf(r.text), accuracy))
          Fail("sum text is not its value's text", r.text, r.value);
      }
    }
  }
  return 0;
}
