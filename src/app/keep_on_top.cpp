#include "app/keep_on_top.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace mezura {

void KeepOnTop(QWidget* window, bool onTop) {
  if (!window) return;
  window = window->window();
  const bool now = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  QWindow* handle = window->windowHandle();
  if (!handle) {
    // Not created yet: the flag is simply taken along when it is.
    if (now != onTop) window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    return;
  }
  if (handle->flags().testFlag(Qt::WindowStaysOnTopHint) != onTop) handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
  // Keep the widget's idea of its flags in step without touching the window.
  if (now != onTop) window->overrideWindowFlags(window->windowFlags() ^ Qt::WindowStaysOnTopHint);
}

KeepDialogsOnTop::KeepDialogsOnTop(QWidget* owner) : QObject(owner), m_owner(owner) {}

bool KeepDialogsOnTop::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
  auto* window = static_cast<QWidget*>(watched);
  if (!window->isWindow() || window == m_owner || !window->parentWidget()) return false;
  // Dialogs and plain windows opened from the owner; its tool windows (tape,
  // converter), menus and tooltips keep their own stacking.
  const Qt::WindowType type = window->windowType();
  if (type != Qt::Dialog && type != Qt::Window && type != Qt::Sheet) return false;
  if (window->parentWidget()->window() != m_owner) return false;
  // The native window exists but is not mapped yet: it maps on the top layer,
  // and as the newest window there it is above the owner and its companions
  // (some of which stay on top while the owner steps down for a dialog).
  KeepOnTop(window, true);
  return false;
}

}  // namespace mezura
