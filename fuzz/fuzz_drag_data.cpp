// Fuzzes decoding a drop from the formats a drag offers: each of the value,
// source id, instance (process id) and text formats present or absent with
// any bytes, and any process id of our own.
// Invariants: a drop with neither value nor text gives nothing; a value is
// ours (display or cell) only when our format carries exactly our process id
// and a source id that names it, and then it is the value's bytes untouched;
// every other value is the outside rule's reading of the value or the text;
// a source id read and written again names the same source.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_checks.h"
#include "measure/outside_text.h"
#include "memory/value_drag_data.h"

namespace {

using namespace mezura;
using fuzz::Check;

std::optional<std::string> Format(FuzzedDataProvider& in) {
  if (!in.ConsumeBool()) return std::nullopt;
  return in.ConsumeRandomLengthString(64);
}

bool SameSource(DragSource a, DragSource b) { return a.kind == b.kind && a.cell == b.cell; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::int64_t ownProcess = in.ConsumeIntegral<std::int64_t>();
  std::optional<std::string> instance = Format(in);
  if (instance && in.ConsumeBool()) *instance = InstanceId(ownProcess);
  const std::optional<std::string> source = Format(in);
  const std::optional<std::string> value = Format(in);
  const std::optional<std::string> text = Format(in);

  ValueDragFormats formats;
  if (value) formats.value = *value;
  if (source) formats.source = *source;
  if (instance) formats.instance = *instance;
  if (text) formats.text = *text;
  const std::optional<ValueDrag> drag = DecodeValueDrag(formats, ownProcess);

  if (source) {
    const DragSource named = SourceFromId(*source);
    Check(named.kind != DragSource::Kind::Cell || named.cell > 0, "cell number not positive", *source);
    Check(SameSource(SourceFromId(SourceId(named)), named), "source id does not read back", *source);
  }
  if (!value && !text) {
    Check(!drag, "a value from no value");
    return 0;
  }
  const bool ours = value && instance && *instance == InstanceId(ownProcess) && source &&
                    SourceFromId(*source).kind != DragSource::Kind::External;
  if (ours) {
    Check(drag && drag->text == *value && SameSource(drag->source, SourceFromId(*source)), "our value", *value);
    return 0;
  }
  const std::optional<std::string> outside = ReadOutsideText(value ? *value : *text);
  Check(drag.has_value() == outside.has_value(), "outside text taken against the rule", value ? *value : *text);
  if (drag) {
    Check(drag->source.kind == DragSource::Kind::External, "outside text given a source of ours", drag->text);
    Check(drag->text == *outside, "outside text not read by the rule", drag->text);
  }
  return 0;
}
