#include "memory/value_drag_data.h"

#include <charconv>

#include "measure/outside_text.h"

namespace mezura {
namespace {

constexpr std::string_view kReadoutId = "readout";
constexpr std::string_view kMemoryIdPrefix = "memory ";

std::string_view TrimAsciiSpace(std::string_view text) {
  constexpr std::string_view kSpace = " \t\r\n\v\f";
  const std::size_t first = text.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

}  // namespace

std::string SourceId(DragSource source) {
  switch (source.kind) {
    case DragSource::Kind::Readout: return std::string(kReadoutId);
    case DragSource::Kind::Cell: return std::string(kMemoryIdPrefix) + std::to_string(source.cell);
    case DragSource::Kind::External: break;
  }
  return {};
}

DragSource SourceFromId(std::string_view id) {
  id = TrimAsciiSpace(id);
  if (id == kReadoutId) return DragSource::Readout();
  if (id.starts_with(kMemoryIdPrefix)) {
    const std::string_view digits = TrimAsciiSpace(id.substr(kMemoryIdPrefix.size()));
    int n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec == std::errc() && end == digits.data() + digits.size() && n > 0) return DragSource::Cell(n);
  }
  return DragSource::External();
}

std::string InstanceId(std::int64_t processId) { return std::to_string(processId); }

std::optional<ValueDrag> DecodeValueDrag(const ValueDragFormats& formats, std::int64_t ownProcessId) {
  std::string_view outside;
  if (formats.value) {
    const bool ours = formats.instance && *formats.instance == InstanceId(ownProcessId);
    const DragSource from = ours && formats.source ? SourceFromId(*formats.source) : DragSource::External();
    if (from.kind != DragSource::Kind::External) return ValueDrag{std::string(*formats.value), from};
    // Another Mezura's "memory 1" is not our cell 1, and its text is not
    // vouched for by us.
    outside = *formats.value;
  } else if (formats.text) {
    outside = *formats.text;
  } else {
    return std::nullopt;
  }
  std::optional<std::string> value = ReadOutsideText(outside);
  if (!value) return std::nullopt;
  return ValueDrag{std::move(*value), DragSource::External()};
}

}  // namespace mezura
