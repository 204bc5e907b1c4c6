#include "app/calculator_face.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/draw_edge.h"

namespace mezura {

CalculatorFace::CalculatorFace(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("CalculatorFace"));
  setAutoFillBackground(true);
}

void CalculatorFace::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!m_edgeControl) return;
  QPainter painter(this);
  DrawEdge(painter, *m_edgeControl, kEdgeSunken);
}

QWidget* CalculatorFace::Under(QPoint pos) {
  QWidget* child = childAt(pos);
  return child ? child : this;
}

void CalculatorFace::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(Under(event->position().toPoint()), event->button(), event->globalPosition().toPoint());
  event->accept();
}

void CalculatorFace::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked(Under(event->position().toPoint()));
  event->accept();
}

}  // namespace mezura
