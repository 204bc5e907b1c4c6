// The program's command line (see the header).
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "app/help/help_file.h"

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

void DescribeOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QStringLiteral("Brellin Calculator: a calculator for feet, inches and fractions of an inch."));
  // "-style" is one option, as Qt's own options are written, not -s -t -y ...
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOption(HelpOption());
  parser.addOption(VersionOption());
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
  if (!parser.parse(arguments)) {
    command.action = CommandLine::Action::Mistake;
    command.mistake = parser.errorText();
  } else if (parser.isSet(HelpOption())) {
    command.action = CommandLine::Action::Help;
  } else if (parser.isSet(VersionOption())) {
    command.action = CommandLine::Action::Version;
  } else if (parser.positionalArguments().size() > 1) {
    command.action = CommandLine::Action::Mistake;
    command.mistake = QStringLiteral("Only one memory file can be opened.");
  } else if (!parser.positionalArguments().isEmpty()) {
    command.memoryFile = parser.positionalArguments().first();
  }
  command.platform = parser.value(QStringLiteral("platform"));
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
    case CommandLine::Action::Run:
      break;
  }
  return 0;
}

}  // namespace mezura
