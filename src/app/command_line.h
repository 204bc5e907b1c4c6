#pragma once
// The program's command line: a memory file to open at start, --help,
// --version, and the options every Qt program takes (QApplication reads
// those). It is read before any window exists, so that what opens no window
// (help, version, a mistake) needs no display either.
//
// Use (in main):
//   const CommandLine command = ParseCommandLine(arguments);
//   if (command.action != CommandLine::Action::Run) {
//     QCoreApplication core(argc, argv);         // no display needed
//     return AnswerWithoutWindow(command);       // prints; the exit status
//   }
//   ... calculator.OpenMemoryFile(command.memoryFile) when there is one

#include <QString>
#include <QStringList>

namespace mezura {

struct CommandLine {
  enum class Action {
    Run,      ///< open the calculator (with memoryFile, if any)
    Help,     ///< print the usage and where the help file is
    Version,  ///< print the program's name and version
    Mistake,  ///< print `mistake` on the error output
  };
  Action action = Action::Run;
  /// The memory file named on the command line, as given; empty for none.
  QString memoryFile;
  /// Why the command line was not understood (Mistake only).
  QString mistake;
  /// Qt's -platform option as given; empty when the command line names none.
  QString platform;
};

/// Exit status for a command line that was not understood.
inline constexpr int kExitUsage = 2;

/// Reads `arguments` (the program's name first, as in argv).
CommandLine ParseCommandLine(const QStringList& arguments);

/// Prints what Help, Version or Mistake print and gives the exit status:
/// 0, or kExitUsage after a mistake. Needs a QCoreApplication (no display).
int AnswerWithoutWindow(const CommandLine& command);

}  // namespace mezura
