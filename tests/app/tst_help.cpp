// The help window: where the help file is found, the file opened at its
// contents, every contents link landing on a section, the find box, a missing
// file, and the Help command (Exit is driven through the real menu in the
// integration test).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTemporaryDir>
#include <QtTest>

#include "app/help/help_file.h"
#include "app/help/help_window.h"
#include "app/help/shell_commands.h"

namespace mezura {
namespace {

QString HelpFileInSources() { return QFINDTESTDATA("../../data/mezura.hlp"); }

// An environment variable set for one scope, then put back as it was.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const QString& value)
      : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
    qputenv(name, value.toLocal8Bit());
  }
  ~ScopedEnvironment() { m_wasSet ? qputenv(m_name, m_old) : qunsetenv(m_name); }

 private:
  const char* m_name;
  bool m_wasSet;
  QByteArray m_old;
};

// Every anchor name the browser's document knows.
QSet<QString> AnchorNames(const QTextDocument& document) {
  QSet<QString> names;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      for (const QString& name : it.fragment().charFormat().anchorNames()) names.insert(name);
    }
  }
  return names;
}

// True when the "Contents" heading and the first entries of its list are on screen.
bool ContentsListInView(QTextBrowser& browser) {
  const QTextDocument& document = *browser.document();
  const QTextBlock heading = document.find(QStringLiteral("Contents"), 0, QTextDocument::FindCaseSensitively).block();
  if (!heading.isValid()) return false;
  const QTextBlock firstEntry = heading.next();
  const QRectF top = document.documentLayout()->blockBoundingRect(heading);
  const QRectF bottom = document.documentLayout()->blockBoundingRect(firstEntry.next().next());
  const int scrolled = browser.verticalScrollBar()->value();
  return top.top() >= scrolled && bottom.bottom() <= scrolled + browser.viewport()->height();
}

}  // namespace

class TstHelp : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY2(!HelpFileInSources().isEmpty(), "data/mezura.hlp not found"); }
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  // Each place that can hold the help file, and which of them wins.
  void installedHelpFileComesFirst_data() {
    QTest::addColumn<QStringList>("holders");
    QTest::addColumn<QString>("found");
    QTest::newRow("every place") << QStringList{"home", "system", "prefix", "beside"} << "home";
    QTest::newRow("installed for every user") << QStringList{"system", "prefix", "beside"} << "system";
    QTest::newRow("prefix the data folders miss") << QStringList{"prefix", "beside"} << "prefix";
    QTest::newRow("copied with the program") << QStringList{"beside"} << "beside";
    QTest::newRow("not installed") << QStringList{} << "sources";
  }
  void installedHelpFileComesFirst() {
    QFETCH(QStringList, holders);
    QFETCH(QString, found);
    QTemporaryDir dir;
    const QMap<QString, QString> places{{"home", dir.filePath("home/mezura/mezura.hlp")},
                                        {"system", dir.filePath("system/mezura/mezura.hlp")},
                                        {"prefix", dir.filePath("prefix/share/mezura/mezura.hlp")},
                                        {"beside", dir.filePath("prefix/bin/mezura.hlp")},
                                        {"sources", HelpFileInSources()}};
    QVERIFY(QDir().mkpath(dir.filePath("prefix/bin")));
    for (const QString& holder : holders) {
      QVERIFY(QDir().mkpath(QFileInfo(places[holder]).path()));
      QVERIFY(QFile::copy(HelpFileInSources(), places[holder]));
    }
    const ScopedEnvironment home("XDG_DATA_HOME", dir.filePath("home"));
    const ScopedEnvironment system("XDG_DATA_DIRS", dir.filePath("system"));
    QCOMPARE(QFileInfo(LocateHelpFile(dir.filePath("prefix/bin"))).canonicalFilePath(),
             QFileInfo(places[found]).canonicalFilePath());
  }

  void opensAtItsContents() {
    HelpWindow help(nullptr, HelpFileInSources());
    QStringList messages;
    help.SetMessageHandler([&](const QString& text) { messages << text; });
    QVERIFY(help.ShowContents());
    QVERIFY(messages.isEmpty());
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QCOMPARE(help.Browser()->source().fragment(), QStringLiteral("contents"));
    QVERIFY(help.Browser()->source().isLocalFile());
    // Read as HTML despite the file's name: the markup is gone, the title is text.
    const QString text = help.Browser()->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("Brellin Calculator Help")));
    QVERIFY(!text.contains(QStringLiteral("<h2>")));
    QVERIFY(ContentsListInView(*help.Browser()));

    // After reading further down, the command brings the contents back.
    help.Browser()->scrollToAnchor(QStringLiteral("keyboard"));
    QVERIFY(!ContentsListInView(*help.Browser()));
    QVERIFY(help.ShowContents());
    QVERIFY(ContentsListInView(*help.Browser()));
  }

  void everyContentsLinkHasItsSection() {
    QFile file(HelpFileInSources());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QSet<QString> targets;
    const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    for (auto it = link.globalMatch(html); it.hasNext();) targets.insert(it.next().captured(1));

    HelpWindow help(nullptr, HelpFileInSources());
    QVERIFY(help.ShowContents());
    const QSet<QString> anchors = AnchorNames(*help.Browser()->document());
    QVERIFY(anchors.contains(QStringLiteral("contents")));
    // The sections the help must cover, each linked from the contents.
    for (const char* topic : {"entering", "accuracy", "operations", "total", "formulas", "tape", "printing",
                              "memory", "dragdrop", "converter", "files", "settings", "zoom", "keyboard"}) {
      QVERIFY2(targets.contains(QString::fromLatin1(topic)), topic);
    }
    for (const QString& target : targets) QVERIFY2(anchors.contains(target), qPrintable(target));
  }

  void findBoxSelectsMatchesAndWrapsAround() {
    HelpWindow help(nullptr, HelpFileInSources());
    QVERIFY(help.ShowContents());
    QTest::keyClicks(help.FindBox(), QStringLiteral("memory cell"));
    QTest::keyClick(help.FindBox(), Qt::Key_Return);
    QCOMPARE(help.Browser()->textCursor().selectedText().toLower(), QStringLiteral("memory cell"));
    const int first = help.Browser()->textCursor().selectionStart();

    // Go past every match: the search starts over at the top and finds the first again.
    int seen = 1;
    while (help.FindNext(QStringLiteral("memory cell")) && help.Browser()->textCursor().selectionStart() != first) {
      QVERIFY(++seen < 100);
    }
    QCOMPARE(help.Browser()->textCursor().selectionStart(), first);
    QVERIFY(seen >= 2);

    QVERIFY(!help.FindNext(QStringLiteral("no such words in the help")));
    QVERIFY(!help.FindNext(QString()));
  }

  void missingFileIsReported() {
    QTemporaryDir dir;
    HelpWindow help(nullptr, dir.filePath(QStringLiteral("mezura.hlp")));
    QStringList messages;
    help.SetMessageHandler([&](const QString& text) { messages << text; });
    QVERIFY(!help.ShowContents());
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.first().contains(QStringLiteral("mezura.hlp")));
    QVERIFY(!help.isVisible());
  }

  void helpCommandOpensOneWindowOwnedByTheCalculator() {
    {
      QWidget calculator;
      ShellCommands commands(&calculator);
      QVERIFY(!commands.Help());
      commands.mnuHelpContents_Click();
      HelpWindow* help = commands.Help();
      QVERIFY(help);
      QVERIFY(help->isVisible());
      QCOMPARE(help->parentWidget(), &calculator);
      QVERIFY(help->isWindow());
      QCOMPARE(help->Browser()->source().fragment(), QStringLiteral("contents"));
      help->close();
      commands.mnuHelpContents_Click();
      QCOMPARE(commands.Help(), help);  // hidden, not destroyed: shown again
      QVERIFY(help->isVisible());
    }
  }
};

}  // namespace mezura

QTEST_MAIN(mezura::TstHelp)
#include "tst_help.moc"
