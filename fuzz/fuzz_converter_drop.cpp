// Fuzzes the converter's drop path: a drag's formats built from the input
// (our own value format from this process, from another process or without
// an instance, and other programs' text), decoded as the converter's drop
// label decodes them, then converted by the converter's model.
// Invariants: no result ever shows "inf" or "nan", nor the drop caption of a
// value from outside (our own windows' values are shown as they come); the
// drop caption is the value trimmed and one blank; a value from outside is in
// the program's own form and always shows its measurement form; the inch
// figure reads back as the value rounded to four decimals.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
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
    const double rounded = RoundHalfEven(value, 4);
    Check(LeadingNumber(*texts.results[1]) == rounded, "inch figure does not read back", *texts.results[1]);
  }

  ConverterModel model;
  model.Drop(drag->text, accuracy);
  Check(!model.Collapsed(), "a drop did not expand the converter");
  Check(model.DropCaption() == texts.dropCaption, "model caption", model.DropCaption());
  return 0;
}
