// Printing tapes: one job per tape in order, and the PDF offered when no
// printer is set up, read back with pdftotext to check where the glyphs are
// on the page, and its save onto a disk that is full.
#include <QFontDatabase>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <algorithm>
#include <optional>

#include "support/fake_print_host.h"
#include "support/tiny_tmpfs.h"
#include "tape/tape_store.h"
#include "tape/ui/tape_printer.h"

namespace mezura {
namespace {

using testing::FakePrintHost;

void Append(TapeStore& store, int tape, const QStringList& lines) {
  QVERIFY(store.AddTapeRows(tape, static_cast<int>(lines.size())));
  int row = store.TapeRowCount(tape) - static_cast<int>(lines.size()) + 1;
  for (const QString& line : lines) store.SetTapeLine(tape, row++, line.toStdString());
}

// A printed line as pdftotext finds it on the page: its words joined by one
// blank, and the box from the first glyph's left to the last glyph's right.
struct PdfLine {
  QString text;
  QRectF box;
};
struct PdfPage {
  qreal width = 0;
  QList<PdfLine> lines;  // top to bottom
};

// The lines of every page, read from the glyph boxes of `pdftotext
// -bbox-layout`, so that alignment is judged from positions on the page.
QList<PdfPage> PdfPages(const QString& path) {
  QProcess tool;
  tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox-layout"), path, QStringLiteral("-")});
  if (!tool.waitForFinished(30000) || tool.exitCode() != 0) return {};
  QList<PdfPage> pages;
  QXmlStreamReader xml(tool.readAllStandardOutput());
  auto number = [&xml](const char* name) { return xml.attributes().value(QLatin1String(name)).toDouble(); };
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("page")) {
      pages.append(PdfPage{number("width"), {}});
    } else if (xml.name() == QLatin1String("line") && !pages.isEmpty()) {
      pages.last().lines.append({QString(), QRectF(QPointF(number("xMin"), number("yMin")),
                                                   QPointF(number("xMax"), number("yMax")))});
    } else if (xml.name() == QLatin1String("word") && !pages.isEmpty() && !pages.last().lines.isEmpty()) {
      QString& text = pages.last().lines.last().text;
      text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + xml.readElementText();
    }
  }
  if (xml.hasError()) return {};
  for (PdfPage& page : pages)
    std::sort(page.lines.begin(), page.lines.end(),
              [](const PdfLine& a, const PdfLine& b) { return a.box.top() < b.box.top(); });
  return pages;
}

QStringList Texts(const PdfPage& page) {
  QStringList texts;
  for (const PdfLine& line : page.lines) texts << line.text;
  return texts;
}

// pdffonts' listing of the fonts a PDF uses.
QString PdfFonts(const QString& path) {
  QProcess tool;
  tool.start(QStringLiteral("pdffonts"), {path});
  if (!tool.waitForFinished(30000)) return {};
  return QString::fromUtf8(tool.readAllStandardOutput());
}

// A tape of width W (in characters) as printed: every line after the title
// ends at one right edge, and the title starts (W - its length) div 2
// character widths into the column, judged to a hundredth of a point.
void VerifyTapeLayout(const PdfPage& page, int width) {
  QVERIFY(page.lines.size() >= 2);
  const PdfLine& title = page.lines.first();
  const PdfLine* widest = &page.lines.at(1);
  for (const PdfLine& line : page.lines.mid(1)) {
    QVERIFY2(qAbs(line.box.right() - page.lines.at(1).box.right()) < 0.01, qPrintable(line.text));
    if (line.text.size() > widest->text.size()) widest = &line;
  }
  const qreal advance = widest->box.width() / widest->text.size();
  const qreal columnLeft = widest->box.right() - width * advance;
  const qreal titleIndent = (title.box.left() - columnLeft) / advance;
  QVERIFY2(qAbs(titleIndent - (width - title.text.size()) / 2) < 0.01, qPrintable(QString::number(titleIndent)));
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

  void printGoesThroughTheDialog_data() {
    QTest::addColumn<int>("answer");  // PrintTarget::Kind, or -1: the printer offered
    QTest::addColumn<bool>("printed");
    QTest::addColumn<QStringList>("jobs");
    QTest::addColumn<int>("pdfPages");
    QTest::newRow("the printer") << -1 << true << QStringList{"Office:Calculator", "Office:Memory 1"} << 0;
    QTest::newRow("cancelled") << int(PrintTarget::Kind::Cancelled) << false << QStringList{} << 0;
    QTest::newRow("a PDF: one file, a page per tape")
        << int(PrintTarget::Kind::PdfFile) << true << QStringList{} << 2;
  }
  void printGoesThroughTheDialog() {
    QFETCH(int, answer);
    QFETCH(bool, printed);
    QFETCH(QStringList, jobs);
    QFETCH(int, pdfPages);
    TapeStore store;
    QVERIFY(store.AddTape(1, "Memory 1"));
    QTemporaryDir dir;
    FakePrintHost host;
    host.printerName = QStringLiteral("Office");
    // The paper chosen in the dialog is the PDF's: A6 is 297 points wide.
    const QPageLayout a6(QPageSize(QPageSize::A6), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
    if (answer >= 0) host.dialogAnswer = PrintTarget{PrintTarget::Kind(answer), dir.filePath(QStringLiteral("out")), a6};
    TapePrinter printer(store, host);
    QCOMPARE(printer.PrintAllTapes(), printed);
    QCOMPARE(host.dialogs, QStringList{QStringLiteral("Office:Tapes")});
    QCOMPARE(host.jobs, jobs);
    QVERIFY(host.errors.isEmpty() && host.questions.isEmpty());
    const QList<PdfPage> pages = PdfPages(dir.filePath(QStringLiteral("out.pdf")));
    QCOMPARE(pages.size(), pdfPages);
    for (const PdfPage& page : pages) QCOMPARE(qRound(page.width), 297);
    if (pdfPages == 0) QVERIFY(QDir(dir.path()).isEmpty());
  }

  void printerSetToAFileIsWrittenByTheAtomicWriter() {
    TapeStore store;
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(dir.filePath(QStringLiteral("missing/p.pdf")));
    const std::vector<TapePrintText> docs = {TapePrintText::For(store, 0)};
    const QString error = TapePrinter::PrintOnto(printer, docs);
    QVERIFY2(error.contains(QStringLiteral("No such file or directory")), qPrintable(error));
    printer.setOutputFileName(dir.filePath(QStringLiteral("p.pdf")));
    QCOMPARE(TapePrinter::PrintOnto(printer, docs), QString());
    QCOMPARE(Texts(PdfPages(printer.outputFileName()).value(0)), QStringList{QStringLiteral("Calculator")});
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

    const QString pdf = dir.filePath(QStringLiteral("calculator.pdf"));
    const QList<PdfPage> pages = PdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    const QString fonts = PdfFonts(pdf);
    // Courier's metric twin, which the project installs; else some fixed-pitch font.
    QVERIFY2(fonts.contains(QFontDatabase::hasFamily(QStringLiteral("Liberation Mono")) ? QStringLiteral("LiberationMono")
                                                                                          : QStringLiteral("Mono")),
             qPrintable(fonts));
    const PdfPage& page = pages.first();
    QCOMPARE(Texts(page), QStringList({"Calculator", "Clear", "5'- 3 1/2\"", "+ 2'", "---------------", "7'- 3 1/2\""}));
    // The title is 10 wide and the widest line 15: the title is indented by 2.
    VerifyTapeLayout(page, 15);
    // Row 0 and the clear's first blank print as two empty lines between title and Clear.
    const qreal lineSpacing = page.lines.at(3).box.top() - page.lines.at(2).box.top();
    QVERIFY(lineSpacing > 0);
    QCOMPARE(qRound((page.lines.at(1).box.top() - page.lines.at(0).box.top()) / lineSpacing), 3);
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

  void unwritablePdfIsReportedAndAnOldOneStays_data() {
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a missing folder") << false << QStringLiteral("No such file or directory");
    QTest::newRow("a full disk") << true << QStringLiteral("No space left on device");
  }
  void unwritablePdfIsReportedAndAnOldOneStays() {
    QFETCH(bool, fullDisk);
    QFETCH(QString, reason);
    TapeStore store;
    QTemporaryDir dir;
    std::optional<testing::TinyTmpfs> disk;
    FakePrintHost host;
    TapePrinter printer(store, host);
    QByteArray before;
    if (fullDisk) {
      disk.emplace(64);
      if (!disk->Error().isEmpty()) QSKIP(qPrintable(disk->Error()));
      host.pdfPath = disk->Path(QStringLiteral("t.pdf"));
      QVERIFY(printer.PrintTape(0));
      QFile old(host.pdfPath);
      QVERIFY(old.open(QIODevice::ReadOnly));
      before = old.readAll();
      QVERIFY(disk->Fill());
      Append(store, 0, {QStringLiteral(" 1\" ")});
    } else {
      host.pdfPath = dir.filePath(QStringLiteral("missing/folder/t.pdf"));
    }
    QVERIFY(!printer.PrintTape(0));
    QCOMPARE(host.errors.size(), 1);
    QVERIFY2(host.errors.first().contains(QStringLiteral("t.pdf")) && host.errors.first().contains(reason),
             qPrintable(host.errors.first()));
    if (fullDisk) {
      QFile now(host.pdfPath);
      QVERIFY(now.open(QIODevice::ReadOnly));
      QCOMPARE(now.readAll(), before);
    }
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
    const QList<PdfPage> pages = PdfPages(host.pdfPath);
    QCOMPARE(pages.size(), 3);
    QCOMPARE(Texts(pages[0]).first(), QStringLiteral("Calculator"));
    QCOMPARE(Texts(pages[1]), QStringList({"Memory 1", "6\""}));
    VerifyTapeLayout(pages[1], 8);
    QCOMPARE(Texts(pages[2]), QStringList({"Memory 2", "1'- 0\" sq."}));
    VerifyTapeLayout(pages[2], 10);
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
    const QList<PdfPage> pages = PdfPages(host.pdfPath);
    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    QStringList printed;
    for (const PdfPage& page : pages) printed << Texts(page);
    QCOMPARE(printed.size(), 301);
    for (int i = 1; i <= 300; ++i) QCOMPARE(printed.at(i), QStringLiteral("%1\"").arg(i));
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
    const PdfPage page = PdfPages(host.pdfPath).value(0);
    QCOMPARE(Texts(page), QStringList({"Calculator", wide, "7\""}));
    VerifyTapeLayout(page, 161);
    QVERIFY2(page.lines.at(1).box.right() <= page.width, qPrintable(QString::number(page.lines.at(1).box.right())));
  }
};

}  // namespace mezura

QTEST_MAIN(mezura::TstTapePrinter)
#include "tst_tape_printer.moc"
