#include "memory/ui/mdi_form1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "memory/ui/memory_controller.h"
#include "tape/ui/design_metrics.h"

namespace mezura {

MDIForm1::MDIForm1(MemoryController& controller, QWidget* parent)
    : QWidget(parent, Qt::Window), m_controller(controller), m_area(new QMdiArea(this)) {
  setObjectName(QStringLiteral("MDIForm1"));
  setWindowTitle(tr("Memory"));
  m_area->setObjectName(QStringLiteral("MdiArea"));
  m_area->setBackground(palette().brush(QPalette::Dark));
  m_area->setFrameShape(QFrame::NoFrame);
  // The cells' captions and everything in them.
  setFont(DesignFont(8.25));
  // The area's own size hint would keep the container wider than one cell.
  m_area->setMinimumSize(1, 1);
  m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_area);
  resize(TwipsToPixels(1935), TwipsToPixels(630));
  move(TwipsToPixels(1635), TwipsToPixels(1980));
}

ContainerMetrics MDIForm1::Metrics() const {
  ContainerMetrics m;
  // A hidden window lays out its area only when asked to.
  if (!isVisible() && layout()) layout()->activate();
  const QRect frame = frameGeometry();
  m.width = PixelsToTwips(frame.width());
  m.height = PixelsToTwips(frame.height());
  // The area, not its viewport: a scroll bar left from before the cells were
  // placed goes away once they are, and must not shrink the grid meanwhile.
  m.innerWidth = PixelsToTwips(m_area->contentsRect().width());
  m.innerHeight = PixelsToTwips(m_area->contentsRect().height());
  m.normalState = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect available = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
  m.screenWidth = PixelsToTwips(available.width());
  m.screenHeight = PixelsToTwips(available.height());
  return m;
}

QRect MDIForm1::FrameTwips() const {
  // The place is the client area's top-left: the frame's is not known until
  // the window manager has framed the window, so a place read and restored
  // through the frame would drift by the title bar each time. The size is
  // the outer size, as the layout arithmetic expects.
  const QRect frame = frameGeometry();
  return QRect(PixelsToTwips(geometry().x()), PixelsToTwips(geometry().y()), PixelsToTwips(frame.width()),
               PixelsToTwips(frame.height()));
}

void MDIForm1::ResizeFrameTwips(int widthTwips, int heightTwips) {
  // resize() sets the client size; the frame's share stays what it is.
  const int extraWidth = frameGeometry().width() - width();
  const int extraHeight = frameGeometry().height() - height();
  resize(std::max(1, TwipsToPixels(widthTwips) - extraWidth), std::max(1, TwipsToPixels(heightTwips) - extraHeight));
}

void MDIForm1::MoveFrameTwips(int leftTwips, int topTwips) {
  setGeometry(QRect(QPoint(TwipsToPixels(leftTwips), TwipsToPixels(topTwips)), size()));
}

void MDIForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  m_controller.MDIForm_Resize();
}

void MDIForm1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) m_controller.MDIForm_Resize();
}

void MDIForm1::closeEvent(QCloseEvent* event) {
  // The container is never destroyed: closing it erases the cells and hides it.
  event->ignore();
  m_controller.MDIForm_Unload();
}

}  // namespace mezura
