#pragma once
// The program's command line: a memory file to open at start, --help,
// --version, --eval (one line worked out and printed, engine/line_evaluation.h),
// --accuracy, and the options every Qt program takes (QApplication reads
// those). It is read before any window exists, so that what opens no window
// (help, version, an evaluation, a mistake) needs no display either.
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
#include <optional>

namespace mezura {

struct CommandLine {
  enum class Action {
    Run,      ///< open the calculator (with memoryFile, if any)
    Help,     ///< print the usage and where the help file is
    Version,  ///< print the program's name and version
    Mistake,  ///< print `mistake` on the error output
    Evaluate, ///< print what `expression` comes to
  };
  Action action = Action::Run;
  /// The memory file named on the command line, as given; empty for none.
  QString memoryFile;
  /// Why the command line was not understood (Mistake only).
  QString mistake;
  /// Qt's -platform option as given; empty when the command line names none.
  QString platform;
  /// The line --eval works out (Evaluate only).
  QString expression;
  /// --accuracy: for the evaluation, or for the window in this run only.
  std::optional<int> accuracy;
};

/// Exit status for an --eval line that cannot be worked out.
inline constexpr int kExitCannotEvaluate = 1;
/// Exit status for a command line that was not understood.
inline constexpr int kExitUsage = 2;

/// Reads `arguments` (the program's name first, as in argv).
CommandLine ParseCommandLine(const QStringList& arguments);

/// Prints what Help, Version, Evaluate or Mistake print and gives the exit
/// status: 0, kExitCannotEvaluate or kExitUsage. Needs a QCoreApplication (no
/// display).
int AnswerWithoutWindow(const CommandLine& command);

}  // namespace mezura
