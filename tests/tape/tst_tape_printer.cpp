// Printing tapes: one job per tape in order, and the PDF offered when no
// printer is set up, read back with pdftotext to check what is on the page.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "tape/tape_store.h"
#include "tape/ui/tape_printer.h"

namespace mezura {
namespace {

// Records what printing asked for and answers the dialogs as told.
class FakePrintHost : public TapePrintHost {
 public:
  QString printerName;
  QString failJobTitled;  // SubmitJob fails for this tape title
  bool acceptPdf = true;
  QString pdfPath;
  QStringList jobs;  // "printer:title" per job
  QStringList questions;
  QStringList suggestedPaths;
  QStringList errors;

  QString DefaultPrinterName() override { return printerName; }
  QString SubmitJob(const QString& printer, const TapePrintText& doc) override {
    const QString title = QString::fromStdString(doc.title);
    jobs << printer + QLatin1Char(':') + title;
    return title == failJobTitled ? QStringLiteral("printer jammed") : QString();
  }
  bool OfferPdf(const QString& question) override {
    questions << question;
    return acceptPdf;
  }
  QString AskPdfPath(const QString& suggested) override {
    suggestedPaths << suggested;
    return pdfPath;
  }
  void ShowError(const QString& text) override { errors << text; }
};

void Append(TapeStore& store, int tape, const QStringList& lines) {
  QVERIFY(store.AddTapeRows(tape, static_cast<int>(lines.size())));
  int row = store.TapeRowCount(tape) - static_cast<int>(lines.size()) + 1;
  for (const QString& line : lines) store.SetTapeLine(tape, row++, line.toStdString());
}

// The PDF's text laid out as on the page, one string per page; trailing
// blanks are dropped since pdftotext does not keep them.
QList<QStringList> PdfPages(const QString& path) {
  QProcess tool;
  tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!tool.waitForFinished(30000) || tool.exitCode() != 0) return {};
  QList<QStringList> pages;
  const QStringList rawPages = QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\f'));
  for (const QString& raw : rawPages) {
    QStringList lines;
    for (QString line : raw.split(QLatin1Char('\n'))) {
      while (line.endsWith(QLatin1Char(' '))) line.chop(1);
      lines << line;
    }
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (!lines.isEmpty()) pages << lines;
  }
  return pages;
}

// pdffonts' listing of the fonts a PDF uses.
QString PdfFonts(const QString& path) {
  QProcess tool;
  tool.start(QStringLiteral("pdffonts"), {path});
  if (!tool.waitForFinished(30000)) return {};
  return QString::fromUtf8(tool.readAllStandardOutput());
}

QStringList NonBlank(const QStringList& lines) {
  QStringList out;
  for (const QString& line : lines)
    if (!line.trimmed().isEmpty()) out << line;
  return out;
}

// Right-aligned lines end in the same column, wherever pdftotext starts the page.
void VerifyRightAligned(const QStringList& lines) {
  QVERIFY(!lines.isEmpty());
  for (const QString& line : lines) QCOMPARE(line.size(), lines.first().size());
}

}  // namespace

class TstTapePrinter : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
  }

  void printAllSendsOneJobPerTapeUntilOneFails_data() {
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QStringList>("jobs");
    QTest::addColumn<QStringList>("errors");
    QTest::newRow("all printed in order")
        << QString() << QStringList{"Office:Calculator", "Office:Memory 1", "Office:Memory 2"} << QStringList{};
    QTest::newRow("a failed job ends the command")
        << QStringLiteral("Memory 1") << QStringList{"Office:Calculator", "Office:Memory 1"}
        << QStringList{"printer jammed"};
  }
  void printAllSendsOneJobPerTapeUntilOneFails() {
    QFETCH(QString, failing);
    QFETCH(QStringList, jobs);
    QFETCH(QStringList, errors);
    TapeStore store;
    QVERIFY(store.AddTape(1, "Memory 1"));
    QVERIFY(store.AddTape(2, "Memory 2"));
    FakePrintHost host;
    host.printerName = QStringLiteral("Office");
    host.failJobTitled = failing;
    TapePrinter printer(store, host);
    QCOMPARE(printer.PrintAllTapes(), errors.isEmpty());
    QCOMPARE(host.jobs, jobs);
    QCOMPARE(host.errors, errors);
    QVERIFY(host.questions.isEmpty());
  }

  void printCurrentTapeFollowsTheWriteCursor() {
    TapeStore store;
    QVERIFY(store.AddTape(1, "Memory 1"));
    QVERIFY(store.AddTape(2, "Memory 2"));
    store.SetTapeLine(1, 0, "");  // a write moves the cursor to that tape
    FakePrintHost host;
    host.printerName = QStringLiteral("Office");
    TapePrinter printer(store, host);
    QVERIFY(printer.PrintCurrentTape());
    QVERIFY(printer.PrintTape(2));
    QCOMPARE(store.CursorColumn(), 2);
    QVERIFY(printer.PrintCurrentTape());
    QCOMPARE(host.jobs, QStringList({"Office:Memory 1", "Office:Memory 2", "Office:Memory 2"}));
    QVERIFY(!printer.PrintTape(3));  // no such tape: no job
    QCOMPARE(host.jobs.size(), 3);
  }

  void unknownPrinterIsAnErrorNotASilentPdf() {
    DesktopTapePrintHost desktop(nullptr);
    TapeStore store;
    const QString error =
        desktop.SubmitJob(QStringLiteral("no-such-printer-here"), TapePrintText::For(store, 0));
    QVERIFY2(error.contains(QStringLiteral("no-such-printer-here")), qPrintable(error));
  }

  void withoutPrinterTheTapeIsSavedAsPdf() {
    TapeStore store;
    QVERIFY(store.ClearTape(0));
    Append(store, 0, {" 5'- 3 1/2\" ", "+ 2' ", "--------------- ", " 7'- 3 1/2\" "});
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    FakePrintHost host;  // no printer name: none set up
    host.pdfPath = dir.filePath(QStringLiteral("calculator"));  // the suffix gets added
    TapePrinter printer(store, host);
    QVERIFY(printer.PrintTape(0));
    QCOMPARE(host.questions.size(), 1);
    QVERIFY(host.questions.first().contains(QStringLiteral("Calculator")));
    QVERIFY(host.suggestedPaths.first().endsWith(QStringLiteral("/Calculator.pdf")));
    QVERIFY(host.errors.isEmpty());

    const QList<QStringList> pages = PdfPages(dir.filePath(QStringLiteral("calculator.pdf")));
    QCOMPARE(pages.size(), 1);
    QVERIFY2(PdfFonts(dir.filePath(QStringLiteral("calculator.pdf"))).contains(QStringLiteral("Mono")),
             "the tape must be set in a fixed-pitch font");
    const QStringList lines = NonBlank(pages.first());
    QStringList trimmed;
    for (const QString& line : lines) trimmed << line.trimmed();
    QCOMPARE(trimmed, QStringList({"Calculator", "Clear", "5'- 3 1/2\"", "+ 2'", "---------------", "7'- 3 1/2\""}));
    // The title is 10 wide and the widest line 15: the title is indented by 2.
    const QString title = lines.first();
    QCOMPARE(title.size() - title.trimmed().size() - (lines.at(1).size() - 15), 2);
    VerifyRightAligned(lines.mid(1));
    // Row 0 and the clear's first blank print as two empty lines between title and Clear.
    const int titleAt = pages.first().indexOf(lines.first());
    QCOMPARE(pages.first().indexOf(lines.at(1)) - titleAt, 3);
  }

  void declinedOrCancelledPdfWritesNothing() {
    TapeStore store;
    QTemporaryDir dir;
    FakePrintHost host;
    host.acceptPdf = false;
    host.pdfPath = dir.filePath(QStringLiteral("t.pdf"));
    TapePrinter printer(store, host);
    QVERIFY(!printer.PrintTape(0));
    QVERIFY(host.suggestedPaths.isEmpty());
    host.acceptPdf = true;
    host.pdfPath.clear();  // the file dialog was cancelled
    QVERIFY(!printer.PrintTape(0));
    QVERIFY(host.errors.isEmpty());
    QVERIFY(QDir(dir.path()).isEmpty());
  }

  void unwritablePdfPathIsReported() {
    TapeStore store;
    QTemporaryDir dir;
    FakePrintHost host;
    host.pdfPath = dir.filePath(QStringLiteral("missing/folder/t.pdf"));
    TapePrinter printer(store, host);
    QVERIFY(!printer.PrintTape(0));
    QCOMPARE(host.errors.size(), 1);
    QVERIFY(host.errors.first().contains(QStringLiteral("t.pdf")));
  }

  void allTapesWithoutPrinterGiveOnePdfWithAPagePerTape() {
    TapeStore store;
    QVERIFY(store.AddTape(1, "Memory 1"));
    QVERIFY(store.AddTape(2, "Memory 2"));
    Append(store, 1, {" 6\" "});
    Append(store, 2, {" 1'- 0\" sq. "});
    QTemporaryDir dir;
    FakePrintHost host;
    host.pdfPath = dir.filePath(QStringLiteral("all.pdf"));
    TapePrinter printer(store, host);
    QVERIFY(printer.PrintAllTapes());
    QCOMPARE(host.questions.size(), 1);  // asked once for all tapes
    QVERIFY(host.suggestedPaths.first().endsWith(QStringLiteral("/Tapes.pdf")));
    const QList<QStringList> pages = PdfPages(host.pdfPath);
    QCOMPARE(pages.size(), 3);
    QCOMPARE(NonBlank(pages[0]).first().trimmed(), QStringLiteral("Calculator"));
    QCOMPARE(NonBlank(pages[1]), QStringList({"Memory 1", "      6\""}));
    QCOMPARE(NonBlank(pages[2]).last().trimmed(), QStringLiteral("1'- 0\" sq."));
  }

  void longTapeContinuesOnFollowingPages() {
    TapeStore store;
    QStringList lines;
    for (int i = 1; i <= 300; ++i) lines << QStringLiteral(" %1\" ").arg(i);
    Append(store, 0, lines);
    QTemporaryDir dir;
    FakePrintHost host;
    host.pdfPath = dir.filePath(QStringLiteral("long.pdf"));
    TapePrinter printer(store, host);
    QVERIFY(printer.PrintTape(0));
    const QList<QStringList> pages = PdfPages(host.pdfPath);
    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    QStringList printed;
    for (const QStringList& page : pages) printed << NonBlank(page);
    QCOMPARE(printed.size(), 301);
    for (int i = 1; i <= 300; ++i) QCOMPARE(printed.at(i).trimmed(), QStringLiteral("%1\"").arg(i));
  }

  void wideLineStaysOnOnePrintedLine() {
    TapeStore store;
    const QString wide = QStringLiteral("1234567890").repeated(16) + QLatin1Char('"');  // 161 characters
    Append(store, 0, {wide, QStringLiteral("7\"")});
    QTemporaryDir dir;
    FakePrintHost host;
    host.pdfPath = dir.filePath(QStringLiteral("wide.pdf"));
    TapePrinter printer(store, host);
    QVERIFY(printer.PrintTape(0));
    const QStringList lines = NonBlank(PdfPages(host.pdfPath).value(0));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(1).trimmed(), wide);
    QVERIFY(lines.at(2).endsWith(QStringLiteral("7\"")));
  }
};

}  // namespace mezura

QTEST_MAIN(mezura::TstTapePrinter)
#include "tst_tape_printer.moc"
