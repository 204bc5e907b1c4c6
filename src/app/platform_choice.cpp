// Which Qt platform the program asks for (see the header).
#include "app/platform_choice.h"

#include <QtGlobal>

namespace mezura {

SessionEnvironment SessionEnvironment::FromProcess() {
  return {qEnvironmentVariable("XDG_SESSION_TYPE"), qEnvironmentVariable("WAYLAND_DISPLAY"),
          qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("QT_QPA_PLATFORM")};
}

QString ChoosePlatform(const SessionEnvironment& session, const QString& platformOption) {
  if (!platformOption.isEmpty() || !session.qpaPlatform.isEmpty()) return {};
  // Qt takes a session for Wayland by either sign, and so does this.
  const bool wayland = session.sessionType == QLatin1String("wayland") || !session.waylandDisplay.isEmpty();
  if (!wayland || session.x11Display.isEmpty()) return {};
  // Qt tries the plugins in turn: a DISPLAY left over from elsewhere that
  // does not answer still ends on Wayland instead of ending the program.
  return QStringLiteral("xcb;wayland");
}

}  // namespace mezura
