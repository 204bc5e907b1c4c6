#pragma once
// Keeping windows above other applications. KeepOnTop is a thin layer over
// Qt's stay-on-top hint that changes the native window's flag only when it
// differs: changing a QWidget's window flags would hide and re-create the
// window, which flickers and loses its place.
//
// KeepDialogsOnTop keeps what the user opens from a window (dialogs, message
// boxes, the help window) above that window and its topmost companions:
// otherwise they would open beneath them. Installed on the
// application, it lifts each such window as it is shown:
//   qApp->installEventFilter(new KeepDialogsOnTop(calculator));

#include <QObject>

class QWidget;

namespace mezura {

void KeepOnTop(QWidget* window, bool onTop);

class KeepDialogsOnTop : public QObject {
 public:
  /// Watches the windows `owner` opens; `owner` also becomes the parent.
  explicit KeepDialogsOnTop(QWidget* owner);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* m_owner;
};

}  // namespace mezura
