// Exit, Help Contents and About (see the header).
#include "app/help/shell_commands.h"

#include <QCoreApplication>
#include <QWidget>

#include "app/help/frm_about.h"

namespace mezura {

void ShellCommands::Exit_Click() {
  if (m_calculator) m_calculator->close();
  QCoreApplication::quit();
}

void ShellCommands::mnuHelpContents_Click() {
  if (!m_help) m_help = new HelpWindow(m_calculator);
  m_help->ShowContents();
}

void ShellCommands::mnuAbout_Click() {
  if (liftTopmost) liftTopmost();
  {
    FrmAbout box(m_calculator);
    box.exec();
  }
  if (restoreTopmost) restoreTopmost();
}

}  // namespace mezura
