#pragma once
// A label that holds a measurement value and takes part in value drag and
// drop: pressing the left button and moving starts a drag of its text; a value
// dragged over it shows, on the half under the pointer, the image that applies
// (by default + on the right half, - on the left half); a drop is handed to
// whoever owns the label through valueDropped. What a drop does is not its
// business.

#include <QLabel>
#include <functional>
#include <optional>

#include "memory/drag_image.h"
#include "memory/memory_transfers.h"
#include "memory/ui/value_drag.h"

#include <QMimeData>

namespace mezura {

class ValueLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ValueLabel(QWidget* parent = nullptr);

  /// Who this label is when it is the source of a drag.
  void SetDragSource(DragSource source) { m_source = source; }
  DragSource Source() const { return m_source; }

  /// The image to show for a value held at x (label coordinates); nothing
  /// shows no image. The default is the add/subtract rule of the halves.
  void SetDragImageRule(std::function<std::optional<DragImage>(int x)> rule) { m_imageRule = std::move(rule); }

  /// Stands in for the platform's drag loop (tests); none runs QDrag::exec.
  void SetDragRunner(DragRunner run) { m_dragRunner = std::move(run); }

  /// The image painted now, while a value is held over the label.
  std::optional<DragImage> HoverImage() const { return m_hover; }

 signals:
  void doubleClicked();
  /// A value was dropped at x (label coordinates; the label's left is 0).
  void valueDropped(const QMimeData* mime, int x);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void SetHover(std::optional<DragImage> image, int x);

  DragSource m_source = DragSource::External();
  std::function<std::optional<DragImage>(int x)> m_imageRule;
  DragRunner m_dragRunner;
  std::optional<QPoint> m_pressPos;
  std::optional<DragImage> m_hover;
  int m_hoverX = 0;
};

}  // namespace mezura
