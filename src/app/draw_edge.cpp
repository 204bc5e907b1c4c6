#include "app/draw_edge.h"

#include <QPainter>
#include <QWidget>
#include <qdrawutil.h>

namespace mezura {

void DrawEdge(QPainter& painter, const QWidget& control, int edge) {
  const QRect frame = control.geometry().adjusted(-2, -2, 2, 2);
  // Qt's Windows-style panel is exactly the two-pixel 3-D border; the classic
  // colours keep it looking the same whatever the widget style.
  QPalette classic;
  classic.setColor(QPalette::Light, QColor(255, 255, 255));
  classic.setColor(QPalette::Midlight, QColor(223, 223, 223));
  classic.setColor(QPalette::Mid, QColor(160, 160, 160));
  classic.setColor(QPalette::Dark, QColor(128, 128, 128));
  classic.setColor(QPalette::Shadow, QColor(0, 0, 0));
  classic.setColor(QPalette::Button, QColor(192, 192, 192));
  qDrawWinPanel(&painter, frame, classic, edge == kEdgeSunken, nullptr);
}

}  // namespace mezura
