#include "memory/ui/mdi_form1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "memory/ui/memory_controller.h"
#include "measure/twips.h"
#include "tape/ui/design_metrics.h"

namespace mezura {

MDIForm1::MDIForm1(MemoryController& controller, QWidget* parent)
    : QWidget(parent, Qt::Window), m_controller(controller), m_area(new QMdiArea(this)) {
  setObjectName(QStringLiteral("MDIForm1"));
  setWindowTitle(tr("Memory"));
  // The container appears when a cell is made from the calculator, whose
  // keyboard it must not take: the user goes on typing there.
  setAttribute(Qt::WA_ShowWithoutActivating);
  m_area->setObjectName(QStringLiteral("MdiArea"));
  m_area->setAccessibleName(tr("Memory cells"));
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
  resize(TwipsToPixels(kStartTwips.width), TwipsToPixels(kStartTwips.height));
  move(TwipsToPixels(kStartTwips.left), TwipsToPixels(kStartTwips.top));
}

ContainerMetrics MDIForm1::Metrics() const {
  ContainerMetrics m;
  const QRect frame = frameGeometry();
  m.width = PixelsToTwips(frame.width());
  m.height = PixelsToTwips(frame.height());
  // The area fills the window, less its own frame; it is read from the
  // window's size because the area takes a new size only when the layout
  // next runs. The area, not its viewport: a scroll bar left from before the
  // cells were placed goes away once they are, and must not shrink the grid.
  const QSize areaFrame = m_area->size() - m_area->contentsRect().size();
  m.innerWidth = PixelsToTwips(width() - areaFrame.width());
  m.innerHeight = PixelsToTwips(height() - areaFrame.height());
  m.normalState = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect available = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
  m.screenWidth = PixelsToTwips(available.width());
  m.screenHeight = PixelsToTwips(available.height());
  return m;
}

TwipRect MDIForm1::FrameTwips() const {
  // The place is the client area's top-left: the frame's is not known until
  // the window manager has framed the window, so a place read and restored
  // through the frame would drift by the title bar each time. The size is
  // the outer size, as the layout arithmetic expects.
  return ToTwips(QRect(geometry().topLeft(), frameGeometry().size()));
}

void MDIForm1::ResizeFrameTwips(double widthTwips, double heightTwips) {
  // resize() sets the client size; the frame's share stays what it is.
  const int extraWidth = frameGeometry().width() - width();
  const int extraHeight = frameGeometry().height() - height();
  m_size = QSize(std::max(1, TwipsToPixels(widthTwips) - extraWidth), std::max(1, TwipsToPixels(heightTwips) - extraHeight));
  resize(m_size);
  // A resize asked for while the window is being shown (from its first
  // resize event) sends no resize event of its own, so the layout would leave
  // the area at the old size, with scroll bars over the cells.
  if (layout()) layout()->setGeometry(rect());
}

void MDIForm1::MoveFrameTwips(double leftTwips, double topTwips) {
  setGeometry(QRect(QPoint(TwipsToPixels(leftTwips), TwipsToPixels(topTwips)), size()));
}

void MDIForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // While the window is being mapped, a size that is not ours is the window
  // manager's first placement (it may come after ours and undo it), not the
  // user's: it is put right when the window shows.
  if (isVisible() && windowHandle() && !windowHandle()->isExposed() && event->size() != m_size) return;
  m_size = event->size();
  m_controller.MDIForm_Resize();
}

void MDIForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (QWindow* handle = windowHandle(); handle && !m_watchingHandle) {
    handle->installEventFilter(this);
    m_watchingHandle = true;
  }
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed() &&
      size() != m_size && m_size.isValid()) {
    resize(m_size);
    if (layout()) layout()->setGeometry(rect());
  }
  return QWidget::eventFilter(watched, event);
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
