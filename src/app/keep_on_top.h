#pragma once
// Keeping a window above other applications. A thin layer over Qt's
// stay-on-top hint that changes the native window's flag only when it
// differs: changing a QWidget's window flags would hide and re-create the
// window, which flickers and loses its place.

class QWidget;

namespace mezura {

void KeepOnTop(QWidget* window, bool onTop);

}  // namespace mezura
