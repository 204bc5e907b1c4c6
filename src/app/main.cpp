// The program's entry point: the command line, the Qt application, the
// session that owns the shared state, and the calculator window, started and
// then left to the event loop until the calculator window closes.

#include <QApplication>
#include <QTimer>
#include <memory>

#include "app/calculator.h"
#include "app/command_line.h"
#include "app/help/program_icon.h"
#include "app/session.h"
#include "storage/io/settings_store.h"
#include "tape/ui/design_metrics.h"

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("Mezura"));
  QCoreApplication::setApplicationVersion(QStringLiteral(MEZURA_VERSION));

  // Read before QApplication exists: help, version and a mistake open no
  // window, so they must not need a display.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const mezura::CommandLine command = mezura::ParseCommandLine(arguments);
  if (command.action != mezura::CommandLine::Action::Run) {
    QCoreApplication core(argc, argv);
    return mezura::AnswerWithoutWindow(command);
  }

  QApplication app(argc, argv);
  QApplication::setFont(mezura::DesignFont(8.25));
  // Lets the desktop match the windows to the installed launcher.
  QGuiApplication::setDesktopFileName(QStringLiteral(MEZURA_APP_ID));

  // Settings live in the user's configuration folder (Mezura/Mezura.ini).
  mezura::Session session(std::make_unique<mezura::SettingsStore>());
  mezura::Calculator calculator(session);
  calculator.StartUp();
  // The icon is drawn in eight sizes, and the window system takes each: that
  // waits until the calculator is on its way to the screen.
  QTimer::singleShot(0, &calculator, [] { QApplication::setWindowIcon(mezura::ProgramIcon()); });
  if (!command.memoryFile.isEmpty()) {
    // Once the window is up, so that a message about the file stands over it.
    QMetaObject::invokeMethod(
        &calculator, [&] { calculator.OpenMemoryFile(command.memoryFile); }, Qt::QueuedConnection);
  }
  return QApplication::exec();
}
