#pragma once
// Which of Qt's window-system platforms the program asks for. On a Wayland
// session a client can neither place its windows nor keep them above other
// programs' windows, so the tape window could not dock on the calculator and
// nothing would stay on top. Through XWayland (Qt's xcb platform) both work,
// so on a Wayland session that also offers an X display the program asks for
// xcb, with wayland as the fallback should that display not answer. A
// platform the user named (QT_QPA_PLATFORM, -platform) is always left alone,
// and without an X display Qt's own choice (wayland) stands.
//
// Use (in main, before QApplication exists):
//   const QString platform = ChoosePlatform(SessionEnvironment::FromProcess(), command.platform);
//   if (!platform.isEmpty()) ... pass "-platform" and `platform` to QApplication

#include <QString>

namespace mezura {

/// What the session tells a starting program about its window systems.
struct SessionEnvironment {
  QString sessionType;     ///< XDG_SESSION_TYPE: "wayland", "x11", "tty" or empty
  QString waylandDisplay;  ///< WAYLAND_DISPLAY: the Wayland socket; empty for none
  QString x11Display;      ///< DISPLAY: the X display (XWayland's on a Wayland session); empty for none
  QString qpaPlatform;     ///< QT_QPA_PLATFORM: the user's choice of Qt platform; empty for none

  /// This process's environment.
  static SessionEnvironment FromProcess();
};

/// The platform plugin list for QApplication's -platform option, or empty to
/// leave the choice to Qt. `platformOption` is the -platform the command line
/// gave, empty when it gave none.
QString ChoosePlatform(const SessionEnvironment& session, const QString& platformOption);

}  // namespace mezura
