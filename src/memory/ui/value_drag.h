#pragma once
// Dragging a measurement value between our windows (the calculator's display,
// the memory cells, the converter) and to or from other programs.
//
// A value drag carries
//   application/x-mezura-value   the value text, UTF-8
//   application/x-mezura-source  "readout" or "memory <n>"
//   text/plain                   the value text, for other programs
//   application/x-mezura-instance  the dragging process's id
// A drop that carries only text/plain comes from another program; whether it
// is taken is decided by ReadOutsideText (measure/outside_text.h). A value
// dragged from another running Mezura counts as such text too: its "memory 1"
// is not our cell 1 (a drop of a cell onto itself clears it).
//
// Use from a label that is a drag source:
//   mousePressEvent: remember the press position;
//   mouseMoveEvent:  StartValueDrag(this, pressPos, event->position().toPoint(),
//                                   text(), DragSource::Readout());
// and from a drop target: CarriesValue() in dragEnterEvent, DecodeValueDrag()
// in dropEvent. A QDrag's pixmap is fixed for the whole drag, so a target that
// wants to show "adds" or "subtracts" paints DragImagePixmap() itself over the
// half under the pointer (ValueLabel does).

#include <QMimeData>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <optional>

#include "memory/drag_image.h"
#include "memory/memory_transfers.h"

class QWidget;

namespace mezura {

inline constexpr char kValueMimeType[] = "application/x-mezura-value";
inline constexpr char kValueSourceMimeType[] = "application/x-mezura-source";
inline constexpr char kValueInstanceMimeType[] = "application/x-mezura-instance";

struct ValueDrag {
  QString text;
  DragSource source;
};

/// "readout", "memory <n>", or "" for another program.
QString SourceId(DragSource source);
DragSource SourceFromId(const QString& id);

/// A new QMimeData holding the value; the caller (or QDrag) owns it.
QMimeData* EncodeValueDrag(const QString& value, DragSource source);
/// The value and its source, or nothing when the data carries no text at all.
std::optional<ValueDrag> DecodeValueDrag(const QMimeData* mime);
/// True when a drop of this data could be a value (ours, or any plain text).
bool CarriesValue(const QMimeData* mime);

/// One of the five drag images, drawn by the program.
QPixmap DragImagePixmap(DragImage image);

/// Starts a copy drag of `value` once the pointer has moved at least
/// QApplication::startDragDistance() from `pressPos`; returns whether it did.
/// The drag runs to its end before this returns.
bool StartValueDrag(QWidget* source, QPoint pressPos, QPoint currentPos, const QString& value,
                    DragSource from);

}  // namespace mezura
