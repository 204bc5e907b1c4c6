// The program's entry point: the command line, the Qt application, the
// session that owns the shared state, and the calculator window, started and
// then left to the event loop until the calculator window closes.

#include <QApplication>
#include <QTimer>
#include <memory>
#include <vector>

#include "app/calculator.h"
#include "app/command_line.h"
#include "app/help/program_icon.h"
#include "app/platform_choice.h"
#include "app/session.h"
#include "storage/io/kept_cells.h"
#include "storage/io/settings_store.h"

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

  // The platform goes to Qt as its own -platform option rather than through
  // QT_QPA_PLATFORM, which programs started from here would inherit.
  QByteArray platform =
      mezura::ChoosePlatform(mezura::SessionEnvironment::FromProcess(), command.platform).toLocal8Bit();
  char platformOption[] = "-platform";
  std::vector<char*> qtArguments(argv, argv + argc);
  if (!platform.isEmpty()) qtArguments.insert(qtArguments.end(), {platformOption, platform.data()});
  int qtArgumentCount = static_cast<int>(qtArguments.size());
  qtArguments.push_back(nullptr);

  // No application font: the program's own windows set the design's fonts,
  // so that dialogs, menus and the help keep the desktop's.
  QApplication app(qtArgumentCount, qtArguments.data());
  // Lets the desktop match the windows to the installed launcher.
  QGuiApplication::setDesktopFileName(QStringLiteral(MEZURA_APP_ID));

  // Settings live in the user's configuration folder (Mezura/Mezura.ini).
  mezura::Session session(std::make_unique<mezura::SettingsStore>());
  // Memory cells kept after Exit, when the user asks for it (~/.local/share/Mezura).
  session.SetKept(std::make_unique<mezura::KeptCells>());
  mezura::Calculator calculator(session);
  calculator.StartUp();
  if (command.accuracy) calculator.SetAccuracyForThisRun(*command.accuracy);
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
