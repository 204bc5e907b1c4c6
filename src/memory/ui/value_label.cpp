#include "memory/ui/value_label.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>

#include "memory/ui/value_drag.h"

namespace mezura {

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {
  setAcceptDrops(true);
  m_imageRule = [this](int x) -> std::optional<DragImage> {
    return MemoryTransfers::CellDragImage(x, 0, width());
  };
}

void ValueLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_pressPos = event->position().toPoint();
  QLabel::mousePressEvent(event);
}

void ValueLabel::mouseMoveEvent(QMouseEvent* event) {
  if (m_pressPos && (event->buttons() & Qt::LeftButton)) {
    // The drag's own loop may hand this label further moves before it ends;
    // without the press they cannot start the drag a second time.
    const QPoint press = *m_pressPos;
    m_pressPos.reset();
    // Not started (too short a move, or another value drag still ending):
    // the press waits for the next move.
    if (!StartValueDrag(this, press, event->position().toPoint(), text(), m_source, m_dragRunner)) m_pressPos = press;
    return;
  }
  QLabel::mouseMoveEvent(event);
}

void ValueLabel::mouseReleaseEvent(QMouseEvent* event) {
  m_pressPos.reset();
  QLabel::mouseReleaseEvent(event);
}

void ValueLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  m_pressPos.reset();
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void ValueLabel::dragEnterEvent(QDragEnterEvent* event) {
  // Entering is the first move: the same acceptance and the same badge.
  dragMoveEvent(event);
}

void ValueLabel::dragMoveEvent(QDragMoveEvent* event) {
  if (!CarriesValue(event->mimeData())) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  SetHover(m_imageRule(event->position().toPoint().x()), event->position().toPoint().x());
}

void ValueLabel::dragLeaveEvent(QDragLeaveEvent* event) {
  SetHover(std::nullopt, 0);
  QLabel::dragLeaveEvent(event);
}

void ValueLabel::dropEvent(QDropEvent* event) {
  SetHover(std::nullopt, 0);
  if (!CarriesValue(event->mimeData())) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  emit valueDropped(event->mimeData(), event->position().toPoint().x());
}

void ValueLabel::SetHover(std::optional<DragImage> image, int x) {
  if (image == m_hover && (!image || (x < width() / 2) == (m_hoverX < width() / 2))) return;
  m_hover = image;
  m_hoverX = x;
  update();
}

void ValueLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!m_hover) return;
  // The QDrag's own image cannot change during the drag, so the target shows
  // what a drop here would do: the half under the pointer, with its sign.
  QPainter p(this);
  const bool leftHalf = 2 * m_hoverX < width();
  const bool wholeLabel = *m_hover == DragImage::Multiply || *m_hover == DragImage::Divide;
  QRect band = rect();
  if (!wholeLabel) band = leftHalf ? QRect(0, 0, width() / 2, height()) : QRect(width() / 2, 0, width() - width() / 2, height());
  p.fillRect(band, QColor(0, 0, 0, 40));
  const QPixmap badge = DragImagePixmap(*m_hover);
  const QRect target(QPoint(0, 0), badge.size().scaled(band.size(), Qt::KeepAspectRatio));
  p.drawPixmap(QRect(band.center() - target.center(), target.size()), badge);
}

}  // namespace mezura
