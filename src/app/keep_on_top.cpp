#include "app/keep_on_top.h"

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

}  // namespace mezura
