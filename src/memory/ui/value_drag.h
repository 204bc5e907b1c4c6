#pragma once
// Dragging a measurement value between our windows (the calculator's display,
// the memory cells, the converter) and to or from other programs.
//
// A value drag carries
//   application/x-mezura-value   the value text, UTF-8
//   application/x-mezura-source  "readout" or "memory <n>"
//   text/plain                   the value text, for other programs
//   application/x-mezura-instance  the dragging process's id
// What a drop makes of these formats is DecodeValueDrag's business
// (memory/value_drag_data.h); this layer moves them in and out of QMimeData.
//
// Use from a label that is a drag source:
//   mousePressEvent: remember the press position;
//   mouseMoveEvent:  forget the press, then StartValueDrag(this, pressPos,
//                    event->position().toPoint(), text(), DragSource::Readout()),
//                    and keep the press again if no drag started (too short
//                    a move, or another value drag still running);
// and from a drop target: CarriesValue() in dragEnterEvent, DecodeValueDrag()
// in dropEvent. A QDrag's pixmap is fixed for the whole drag, so a target that
// wants to show "adds" or "subtracts" paints DragImagePixmap() itself over the
// half under the pointer (ValueLabel does).

#include <QMimeData>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

#include "memory/drag_image.h"
#include "memory/memory_transfers.h"
#include "memory/value_drag_data.h"

class QDrag;
class QWidget;

namespace mezura {

/// A new QMimeData holding the value; the caller (or QDrag) owns it.
QMimeData* EncodeValueDrag(const QString& value, DragSource source);
/// The value and its source (DecodeValueDrag of memory/value_drag_data.h on
/// the data's formats), or nothing: no value, or outside text that is none.
std::optional<ValueDrag> DecodeValueDrag(const QMimeData* mime);
/// True when a drop of this data could be a value (ours, or any plain text).
bool CarriesValue(const QMimeData* mime);

/// One of the five drag images, drawn by the program.
QPixmap DragImagePixmap(DragImage image);

/// Runs a drag to its end; the default is QDrag::exec. Tests stand in for
/// the platform's drag loop with their own.
using DragRunner = std::function<void(QDrag& drag)>;

/// Starts a copy drag of `value` once the pointer has moved at least
/// QApplication::startDragDistance() from `pressPos`, unless a value drag is
/// still running; returns whether it did. The drag runs to its end before
/// this returns.
bool StartValueDrag(QWidget* source, QPoint pressPos, QPoint currentPos, const QString& value,
                    DragSource from, const DragRunner& run = {});
/// True while a value drag started by StartValueDrag runs.
bool ValueDragRunning();

}  // namespace mezura
