#pragma once
// Drags from another window, as the window system delivers them: enter, move
// and drop sent straight to the target widget.

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QStringList>
#include <QWidget>

#include "support/tape_lines.h"

namespace mezura::testing {

/// Sends enter, move and drop at `at`; `beforeDrop` runs while the drag hovers
/// (to look at what the target shows then). Returns whether the drop was
/// accepted; a drag the target refuses on enter is not dropped.
template <typename BeforeDrop>
bool SendDrop(QWidget* target, const QMimeData* mime, QPoint at, Qt::DropActions actions, BeforeDrop beforeDrop) {
  QDragEnterEvent enter(at, actions, mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDragMoveEvent move(at, actions, mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
  beforeDrop();
  QDropEvent drop(QPointF(at), actions, mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

inline bool SendDrop(QWidget* target, const QMimeData* mime, QPoint at, Qt::DropActions actions = Qt::CopyAction) {
  return SendDrop(target, mime, at, actions, [] {});
}

/// One tape's lines as the windows show them.
inline QStringList TapeLineTexts(const TapeStore& store, int tape) {
  QStringList lines;
  for (const std::string& line : TapeLinesOf(store, tape)) lines << QString::fromStdString(line);
  return lines;
}

}  // namespace mezura::testing
