// The program's entry point: the Qt application, the session that owns the
// shared state, and the calculator window, started and then left to the
// event loop until the calculator window closes.

#include <QApplication>
#include <QIcon>
#include <memory>

#include "app/calculator.h"
#include "app/help/frm_about.h"
#include "app/session.h"
#include "storage/io/settings_store.h"
#include "tape/ui/design_metrics.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Mezura"));
  QApplication::setApplicationVersion(QStringLiteral(MEZURA_VERSION));
  QApplication::setFont(mezura::DesignFont(8.25));
  QIcon icon;
  for (int size : {16, 32, 48, 64}) icon.addPixmap(mezura::ProgramIconPixmap(size));
  QApplication::setWindowIcon(icon);

  // Settings live in the user's configuration folder (Mezura/Mezura.ini).
  mezura::Session session(std::make_unique<mezura::SettingsStore>());
  mezura::Calculator calculator(session);
  calculator.StartUp();
  return QApplication::exec();
}
