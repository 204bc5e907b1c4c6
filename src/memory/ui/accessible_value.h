#pragma once
// How a screen reader meets a label that shows a measurement (the
// calculator's display, a memory cell, a converter figure): a label with a
// fixed name ("Display", the cell's name) whose value and text are the
// measurement without the blanks that pad it for the eye, and which tells the
// screen reader when the measurement changes. The owners choose the names.

#include <QString>

class QLabel;

namespace mezura {

/// Gives `label` its accessible name (and description) and exposes its text
/// as its accessible value. Call before anything asks for its accessible
/// interface, which is made once per widget.
void MakeAccessibleValue(QLabel* label, const QString& name, const QString& description = {});

/// Shows `text` in `label`; when the value a screen reader hears changes,
/// tells it with a text-update event.
void SetAccessibleValueText(QLabel* label, const QString& text);

/// What a screen reader is given for a label showing `text`.
QString AccessibleValueOf(const QString& text);

}  // namespace mezura
