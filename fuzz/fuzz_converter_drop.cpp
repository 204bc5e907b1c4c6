// Fuzzes the converter's drop path: a drag's formats built from the input
// (our own value format from this process, from another process or without
// an instance, and other programs' text), decoded as the converter's drop
// label decodes them, then converted by the converter's model.
// Invariants: no result ever shows "inf" or "nan", nor the drop caption of a
// value from outside (our own windows' values are shown as they come); the
// drop caption is the value trimmed and one blank; a value from outside is in
// the program's own form and always shows its measurement form; the inch
// figure reads back as the value rounded to four decimals, and each metric
// figure as the value times its factor, to within the rounding.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "converter/converter_model.h"
#include "fuzz_checks.h"
#include "measure/outside_text.h"
#include "memory/value_drag_data.h"

namespace {

using namespace mezura;
using fuzz::Check;
using fuzz::CheckShown;

constexpr std::int64_t kOwnProcess = 31337;

double ParseOfDimension(Dimension dimension, std::string_view text) {
  switch (dimension) {
    case Dimension::Cubic: return ParseCubic(text);
    case Dimension::Square: return ParseSquare(text);
    case Dimension::Linear: break;
  }
  return ParseLinear(text);
}

// A figure is off from `exact` by at most half a ten-thousandth, give or
// take what doubles and reading it back add.
bool WithinRounding(double shown, double exact) {
  return std::fabs(shown - exact) <= 0.00005 * (1 + 1e-9) + std::fabs(exact) * 1e-15;
}

// `value` lies at or next to a tie at the fourth decimal, where the exact
// decimal rounding of the figures and RoundHalfEven's rounding in binary may
// part (1.99995 is held as 1.99994999..., which the figure rounds down).
bool NearTie(double value) {
  const double scaled = std::fabs(value) * 10000;
  return std::fabs(scaled - std::floor(scaled) - 0.5) <= scaled * 1e-15;
}

// The factors of lblLabel(7) to lblLabel(9) (none for the empty one).
std::array<std::optional<DecimalFactor>, 3> MetricFactors(Dimension dimension) {
  switch (dimension) {
    case Dimension::Cubic: return {kCubicCentimetresPerCubicInch, kCubicMetresPerCubicInch, kLitresPerCubicInch};
    case Dimension::Square: return {kSquareCentimetresPerSquareInch, kSquareMetresPerSquareInch, std::nullopt};
    case Dimension::Linear: break;
  }
  return {kMillimetresPerInch, kCentimetresPerInch, kMetresPerInch};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int accuracy = in.ConsumeBool() ? kAccuracy32 : kAccuracy16;
  std::string instance;
  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: instance = InstanceId(kOwnProcess); break;
    case 1: instance = InstanceId(kOwnProcess + 1); break;  // another running Mezura
    case 2: instance = in.ConsumeRandomLengthString(24); break;
    default: break;  // none
  }
  const std::string source = in.ConsumeBool() ? "readout" : in.ConsumeRandomLengthString(24);
  const bool ours = in.ConsumeBool();
  const std::string text = in.ConsumeRemainingBytesAsString();

  ValueDragFormats formats;
  if (ours) {
    formats.value = text;
    formats.source = source;
    if (!instance.empty()) formats.instance = instance;
  } else {
    formats.text = text;
  }
  const std::optional<ValueDrag> drag = DecodeValueDrag(formats, kOwnProcess);
  if (!drag) return 0;
  const bool outside = drag->source.kind == DragSource::Kind::External;
  if (outside) Check(ReadOutsideText(drag->text) == drag->text, "outside value not in our form", drag->text);

  const ConversionTexts texts = ConvertMeasurement(drag->text, accuracy);
  Check(texts.dropCaption == std::string(TrimBlanks(drag->text)) + " ", "drop caption", texts.dropCaption);
  if (outside) CheckShown(texts.dropCaption, "drop caption");
  for (const auto& result : texts.results)
    if (result) CheckShown(*result, "result");
  const double value = ParseOfDimension(texts.dimension, drag->text);
  if (outside) Check(texts.results[0].has_value(), "an outside value shows no measurement form", drag->text);
  if (texts.results[1]) {
    const double shown = LeadingNumber(*texts.results[1]);
    // Past 2^53 ten-thousandths RoundHalfEven itself loses digits, so only
    // the distance to the exact value can be held against the figure there.
    const bool beyondBinary = std::fabs(value) * 10000 >= 9007199254740992.0;
    const bool readsBack = shown == RoundHalfEven(value, 4) ||
                           ((NearTie(value) || beyondBinary) && WithinRounding(shown, value));
    Check(readsBack, "inch figure does not read back", *texts.results[1]);
  }
  const auto factors = MetricFactors(texts.dimension);
  for (size_t i = 0; i < factors.size(); ++i) {
    const auto& figure = texts.results[kFirstMetricLabel - kFirstResultLabel + i];
    if (!factors[i]) {
      Check(figure == std::string(), "a metric label that should be empty", figure.value_or("(kept)"));
    } else if (figure) {
      const double exact = value * factors[i]->digits / PowerOfTen(factors[i]->decimals);
      Check(WithinRounding(LeadingNumber(*figure), exact), "metric figure is off", *figure);
    }
  }

  ConverterModel model;
  model.Drop(drag->text, accuracy);
  Check(!model.Collapsed(), "a drop did not expand the converter");
  Check(model.DropCaption() == texts.dropCaption, "model caption", model.DropCaption());
  return 0;
}
