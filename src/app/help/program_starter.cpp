// Detached start through QProcess.
#include "app/help/program_starter.h"

#include <QProcess>

namespace mezura {

bool ProgramStarter::Start(const QString& program) {
  return !program.isEmpty() && QProcess::startDetached(program, {});
}

}  // namespace mezura
