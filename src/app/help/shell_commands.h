#pragma once
// The three commands of the calculator's menus that belong to no other
// window: E&xit, Help &Contents and &About. The menu tree and keep-on-top
// belong to the calculator window; it hands its keep-on-top steps in as the
// two hooks around the modal About box.
//
// Use (in the calculator window):
//   ShellCommands commands(this);
//   commands.liftTopmost = [..] { KeepOnTop(tape, false); ... };     // before the About box
//   commands.restoreTopmost = [..] { KeepOnTop(this, true); ... };   // after it
//   commands.Exit_Click();    // from Calculator::Exit_Click, and so on for
//                             // mnuHelpContents_Click and mnuAbout_Click

#include <QPointer>
#include <functional>

#include "app/help/help_window.h"

class QWidget;

namespace mezura {

class ShellCommands {
 public:
  explicit ShellCommands(QWidget* calculator) : m_calculator(calculator) {}

  /// Closes the calculator window (its close handler saves the settings and
  /// closes the other windows) and ends the program.
  void Exit_Click();
  /// Opens the help window, created at first use, at the help's contents.
  void mnuHelpContents_Click();
  /// Shows the About box modally between the two hooks.
  void mnuAbout_Click();

  /// The help window, once the help was opened (null before).
  HelpWindow* Help() const { return m_help; }

  std::function<void()> liftTopmost;
  std::function<void()> restoreTopmost;

 private:
  QWidget* m_calculator;
  QPointer<HelpWindow> m_help;
};

}  // namespace mezura
