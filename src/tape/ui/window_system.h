#pragma once
// What the window system lets the program do with its windows. On Wayland
// the compositor places every window and a program's move does nothing, so a
// window cannot dock on another; the windows that would dock ask here.

#include <QGuiApplication>

namespace mezura {

/// False on Wayland (Qt's wayland platforms), true on X11.
inline bool CanPlaceWindows() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace mezura
