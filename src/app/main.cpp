// The program's entry point: the Qt application, the session that owns the
// shared state, and the calculator window, started and then left to the
// event loop until the calculator window closes.

#include <QApplication>
#include <memory>

#include "app/calculator.h"
#include "app/help/program_icon.h"
#include "app/session.h"
#include "storage/io/settings_store.h"
#include "tape/ui/design_metrics.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Mezura"));
  QApplication::setApplicationVersion(QStringLiteral(MEZURA_VERSION));
  QApplication::setFont(mezura::DesignFont(8.25));
  QApplication::setWindowIcon(mezura::ProgramIcon());
  // Lets the desktop match the windows to the installed launcher.
  QGuiApplication::setDesktopFileName(QStringLiteral(MEZURA_APP_ID));

  // Settings live in the user's configuration folder (Mezura/Mezura.ini).
  mezura::Session session(std::make_unique<mezura::SettingsStore>());
  mezura::Calculator calculator(session);
  calculator.StartUp();
  return QApplication::exec();
}
