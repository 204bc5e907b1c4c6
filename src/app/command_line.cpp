// The program's command line (see the header).
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/help/help_file.h"
#include "engine/line_evaluation.h"
#include "measure/measurement.h"

namespace mezura {

namespace {

// The options QGuiApplication and QApplication take for themselves; they are
// accepted here and left to them. Qt writes them with one dash.
struct QtOption {
  const char* name;
  bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qmljsdebugger", true}, {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true},
    {"session", true}, {"display", true}, {"geometry", true}, {"name", true},
    {"title", true}, {"visual", true}, {"style", true}, {"stylesheet", true},
    {"reverse", false}, {"widgetcount", false}, {"nograb", false}, {"dograb", false},
    {"sync", false}, {"testability", false},
};

QCommandLineOption HelpOption() {
  return {{QStringLiteral("h"), QStringLiteral("help")},
          QStringLiteral("Print this help and where the full help is, then exit.")};
}
QCommandLineOption VersionOption() {
  return {{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Print the program's version, then exit.")};
}

QCommandLineOption EvalOption() {
  return {QStringLiteral("eval"),
          QStringLiteral("Work out <expression> as the calculator does, print the result as the display shows it, "
                         "then exit. Values such as 5'3 1/2\", 4'-8 3/8\" or 38 mm are joined by + - x / with a "
                         "blank on each side and worked left to right; sqrt after a value takes the root of the "
                         "result so far."),
          QStringLiteral("expression")};
}

// "4, 8, 16, 32 or 64", from the list of accuracies the program offers.
QString AccuracyChoices() {
  QStringList choices;
  for (const int accuracy : kAccuracies) choices << QString::number(accuracy);
  const QString last = choices.takeLast();
  return choices.isEmpty() ? last : choices.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

QCommandLineOption AccuracyOption() {
  return {QStringLiteral("accuracy"),
          QStringLiteral("Show lengths to 1/<N> of an inch, N being %1: for --eval, or for the window in this run "
                         "only (the setting is not saved).")
              .arg(AccuracyChoices()),
          QStringLiteral("N")};
}

void DescribeOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QStringLiteral("Brellin Calculator: a calculator for feet, inches and fractions of an inch."));
  // "-style" is one option, as Qt's own options are written, not -s -t -y ...
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOption(HelpOption());
  parser.addOption(VersionOption());
  parser.addOption(EvalOption());
  parser.addOption(AccuracyOption());
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A memory file (.mem) to open, as File, Open does."),
                               QStringLiteral("[file]"));
  for (const QtOption& qt : kQtOptions) {
    QCommandLineOption option(QString::fromLatin1(qt.name));
    if (qt.takesValue) option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

void Print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// The line once more under the message, with carets under the part at fault.
std::string PointAt(const std::string& line, std::size_t offset, std::size_t length) {
  auto columns = [&](std::size_t from, std::size_t to) {
    std::size_t n = 0;
    for (std::size_t i = from; i < to && i < line.size(); ++i)
      n += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80;  // UTF-8: count lead bytes only
    return n;
  };
  std::string shown = line;
  for (char& c : shown)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';  // so that the carets stay under the part
  return "  " + shown + "\n  " + std::string(columns(0, offset), ' ') +
         std::string(std::max<std::size_t>(columns(offset, offset + length), 1), '^') + "\n";
}

int Evaluate(const CommandLine& command) {
  const std::string line = command.expression.toStdString();
  const LineEvaluation evaluation = EvaluateLine(line, command.accuracy.value_or(kAccuracy16));
  const std::string program = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
  if (evaluation.ok()) {
    // A script reading the result must not take a lost one for success.
    if (std::fputs((evaluation.result + "\n").c_str(), stdout) != EOF && std::fflush(stdout) == 0) return 0;
    std::fputs((program + ": cannot write the result: " + std::strerror(errno) + "\n").c_str(), stderr);
    return kExitCannotEvaluate;
  }
  std::string text = program + ": cannot evaluate: " + evaluation.message + "\n";
  if (!evaluation.part.empty()) text += PointAt(line, evaluation.offset, evaluation.part.size());
  std::fputs(text.c_str(), stderr);
  return kExitCannotEvaluate;
}

QString HelpFileLines() {
  const QString programDir = QCoreApplication::applicationDirPath();
  const QString found = LocateHelpFile(programDir);
  if (QFileInfo(found).isFile())
    return QStringLiteral("\nThe full help (Help, Contents) is read from:\n  %1\n").arg(QDir::toNativeSeparators(found));
  QString text = QStringLiteral("\nThe full help (%1) is not installed; it is looked for in:\n")
                     .arg(QString::fromLatin1(kHelpFileName));
  for (const QString& candidate : HelpFileCandidates(programDir))
    text += QStringLiteral("  %1\n").arg(QDir::toNativeSeparators(candidate));
  return text;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  DescribeOptions(parser);
  CommandLine command;
  const bool parsed = parser.parse(arguments);
  const bool accuracyGiven = parsed && parser.isSet(AccuracyOption());
  bool accuracyRead = false;
  const int accuracy = accuracyGiven ? parser.value(AccuracyOption()).toInt(&accuracyRead) : 0;
  if (!parsed) {
    command.action = CommandLine::Action::Mistake;
    command.mistake = parser.errorText();
  } else if (parser.isSet(HelpOption())) {
    command.action = CommandLine::Action::Help;
  } else if (parser.isSet(VersionOption())) {
    command.action = CommandLine::Action::Version;
  } else if (accuracyGiven && !(accuracyRead && IsAccuracy(accuracy))) {
    command.action = CommandLine::Action::Mistake;
    command.mistake = QStringLiteral("--accuracy takes %1, not '%2'.")
                          .arg(AccuracyChoices(), parser.value(AccuracyOption()));
  } else if (parser.values(EvalOption()).size() > 1) {
    command.action = CommandLine::Action::Mistake;
    command.mistake = QStringLiteral("Only one --eval expression at a time.");
  } else if (parser.isSet(EvalOption()) && !parser.positionalArguments().isEmpty()) {
    command.action = CommandLine::Action::Mistake;
    command.mistake = QStringLiteral("'%1' is left over: --eval takes the whole expression as one argument, in "
                                     "quotes, and opens no memory file.")
                          .arg(parser.positionalArguments().first());
  } else if (parser.isSet(EvalOption())) {
    command.action = CommandLine::Action::Evaluate;
    command.expression = parser.value(EvalOption());
  } else if (parser.positionalArguments().size() > 1) {
    command.action = CommandLine::Action::Mistake;
    command.mistake = QStringLiteral("Only one memory file can be opened.");
  } else if (!parser.positionalArguments().isEmpty()) {
    command.memoryFile = parser.positionalArguments().first();
  }
  command.platform = parser.value(QStringLiteral("platform"));
  if (accuracyGiven && command.action != CommandLine::Action::Mistake) command.accuracy = accuracy;
  return command;
}

int AnswerWithoutWindow(const CommandLine& command) {
  switch (command.action) {
    case CommandLine::Action::Help: {
      QCommandLineParser parser;
      DescribeOptions(parser);
      Print(stdout, parser.helpText() + HelpFileLines());
      return 0;
    }
    case CommandLine::Action::Version:
      Print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                  QCoreApplication::applicationVersion()));
      return 0;
    case CommandLine::Action::Mistake: {
      const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
      Print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, command.mistake));
      return kExitUsage;
    }
    case CommandLine::Action::Evaluate:
      return Evaluate(command);
    case CommandLine::Action::Run:
      break;
  }
  return 0;
}

}  // namespace mezura
