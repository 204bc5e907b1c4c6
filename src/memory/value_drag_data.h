#pragma once
// What a dragged value carries, and what a drop makes of it, apart from the
// toolkit: the windows hand in the bytes of each format the drag offers and
// get back the value and where it came from. A value from one of our own
// windows is taken as it is; anything else (another program's text, a value
// dragged from another running Mezura, a source this process cannot vouch
// for) is text from outside and is taken only as ReadOutsideText
// (measure/outside_text.h) reads it. The Qt side (memory/ui/value_drag.h)
// moves the formats in and out of QMimeData.
//
//   ValueDragFormats formats;
//   formats.value = ...; formats.source = ...; formats.instance = ...; formats.text = ...;
//   if (auto drag = DecodeValueDrag(formats, ownProcessId)) use(drag->text, drag->source);

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "memory/memory_transfers.h"

namespace mezura {

inline constexpr char kValueMimeType[] = "application/x-mezura-value";
inline constexpr char kValueSourceMimeType[] = "application/x-mezura-source";
inline constexpr char kValueInstanceMimeType[] = "application/x-mezura-instance";

/// The bytes of each format a drag offers; a format it lacks is nothing.
struct ValueDragFormats {
  std::optional<std::string_view> value;     ///< application/x-mezura-value: the value text, UTF-8
  std::optional<std::string_view> source;    ///< application/x-mezura-source: SourceId
  std::optional<std::string_view> instance;  ///< application/x-mezura-instance: InstanceId
  std::optional<std::string_view> text;      ///< text/plain, UTF-8
};

/// A dropped value and where it came from.
struct ValueDrag {
  std::string text;
  DragSource source;
};

/// "readout", "memory <n>", or "" for a value from outside.
std::string SourceId(DragSource source);
/// The source an id names; anything unreadable is External.
DragSource SourceFromId(std::string_view id);
/// The id that marks a drag as this process's: its process id in decimal.
std::string InstanceId(std::int64_t processId);

/// The value of a drop, or nothing when it carries no value or its text from
/// outside is not one. Our own format counts as ours only when its instance
/// is exactly `ownProcessId`; from another process, or without an instance,
/// its text is outside text like any other program's.
std::optional<ValueDrag> DecodeValueDrag(const ValueDragFormats& formats, std::int64_t ownProcessId);

}  // namespace mezura
