// The platform the program asks Qt for, from the session's environment and
// the command line: XWayland on a Wayland session that offers it, otherwise
// Qt's own choice, and never over a platform the user named.

#include <QTest>

#include "app/command_line.h"
#include "app/platform_choice.h"

namespace mezura {

class TestPlatformChoice : public QObject {
  Q_OBJECT

 private slots:
  void choosesXWaylandUnlessTold_data();
  void choosesXWaylandUnlessTold();
};

void TestPlatformChoice::choosesXWaylandUnlessTold_data() {
  QTest::addColumn<QString>("sessionType");
  QTest::addColumn<QString>("waylandDisplay");
  QTest::addColumn<QString>("display");
  QTest::addColumn<QString>("qpaPlatform");
  QTest::addColumn<QStringList>("options");
  QTest::addColumn<QString>("platform");

  const QString xwayland = QStringLiteral("xcb;wayland");
  QTest::newRow("Wayland session with XWayland") << "wayland" << "wayland-0" << ":0" << ""
                                                << QStringList{"job.mem"} << xwayland;
  QTest::newRow("Wayland socket, no session type") << "" << "wayland-0" << ":1" << "" << QStringList{} << xwayland;
  QTest::newRow("Wayland without XWayland") << "wayland" << "wayland-0" << "" << "" << QStringList{} << "";
  QTest::newRow("X11 session") << "x11" << "" << ":0" << "" << QStringList{} << "";
  QTest::newRow("QT_QPA_PLATFORM named") << "wayland" << "wayland-0" << ":0" << "wayland" << QStringList{} << "";
  QTest::newRow("-platform named") << "wayland" << "wayland-0" << ":0" << ""
                                   << QStringList{"-platform", "wayland", "job.mem"} << "";
  QTest::newRow("--platform= named") << "wayland" << "wayland-0" << ":0" << ""
                                     << QStringList{"--platform=offscreen"} << "";
}

void TestPlatformChoice::choosesXWaylandUnlessTold() {
  QFETCH(QString, sessionType);
  QFETCH(QString, waylandDisplay);
  QFETCH(QString, display);
  QFETCH(QString, qpaPlatform);
  QFETCH(QStringList, options);
  QFETCH(QString, platform);

  const CommandLine command = ParseCommandLine(QStringList{QStringLiteral("mezura")} + options);
  QCOMPARE(command.action, CommandLine::Action::Run);
  const SessionEnvironment session{sessionType, waylandDisplay, display, qpaPlatform};
  QCOMPARE(ChoosePlatform(session, command.platform), platform);
}

}  // namespace mezura

QTEST_GUILESS_MAIN(mezura::TestPlatformChoice)
#include "tst_platform_choice.moc"
