// The calculator window with everything it drives, through the real menu
// actions and the real widgets: every menu item reaching its handler, the
// memory cells, drops on the display, memory files on disk, settings that
// survive a restart, the converter and the companions across minimise and
// restore, printing through a fake printer, and Exit. Dialogs are answered by
// fakes, so nothing modal is left on screen.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>
#include <optional>

#include "app/calculator.h"
#include "app/help/help_window.h"
#include "app/help/shell_commands.h"
#include "app/session.h"
#include "converter/ui/converter.h"
#include "measure/measurement.h"
#include "memory/ui/mdi_form1.h"
#include "memory/ui/memory_controller.h"
#include "memory/ui/memory_form.h"
#include "memory/ui/value_drag.h"
#include "memory/ui/value_label.h"
#include "storage/io/kept_cells.h"
#include "storage/io/settings_store.h"
#include "tape/ui/tape_printer.h"
#include "support/fake_print_host.h"
#include "support/tiny_tmpfs.h"
#include "tape/ui/tape_window.h"
#include "support/drop_events.h"
#include "support/calculation_picture.h"

namespace mezura {

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Answers for the calculator's modal questions, with a count of each.
struct FakeDialogs {
  bool confirmAnswer = true;
  QString openAnswer;
  QString saveAnswer;
  TapeFileChoice tapeFileAnswer;
  std::optional<QColor> colourAnswer;
  QString nameAnswer = QStringLiteral("Lumber");
  QString confirmText;
  int confirms = 0, opens = 0, saves = 0, colours = 0, names = 0, beeps = 0;
  QStringList messages;
};

}  // namespace

class TestIntegration : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void menuWalkCoversTheWholeTree();
  void everyItemReachesItsHandler_data();
  void everyItemReachesItsHandler();
  void popupCancelChangesNothing();
  void cancelledColourChangesNothing();

  void newMemoryShowsTapeArrowsAndKeepsTheKeyboard();

  void dropOnEmptyAccumulator_data();
  void dropOnEmptyAccumulator();
  void dropCompletesPendingMultiply();
  void squareOntoLinearTotalIsRefused();
  void displayDroppedOnACellAddsAndWritesItsTape();
  void memoryKeysWorkOnTheActiveCellFromTheKeyboard();
  void undoTakesBackDropsOnCellsAndTheDisplay();
  void textFromAnotherProgram_data();
  void textFromAnotherProgram();

  void memoryFileSaveAsWritesAndOpenRestores();
  void truncatedFileLoadsCompletePairsAndTells();
  void saveWithoutCellsDoesNothing();
  void refusedFileKeepsTheCellsAndIsNotWhereSaveWrites();
  void openOverMoreCellsLeavesTheTapeWindowOnALiveTape();
  void fileNamedOnTheCommandLine_data();
  void fileNamedOnTheCommandLine();

  void settingsSurviveARestart();
  void accuracyFromTheCommandLineIsNotSaved();
  void tapeHiddenAtExitDocksWhenShownAfterRestart();
  void garbageSettingsStartWithDefaultsOnScreen();
  void oversizedSettingsAreSetAsideAndToldOnce();
  void unwritableSettingsAreToldOnceOnExit_data();
  void unwritableSettingsAreToldOnceOnExit();
  void keptCellsSurviveARestartOnlyWhenAskedFor();

  void converterMenuShowsBesideAndHides();
  void converterClosedByUserUnchecksTheMenu();
  void minimizeHidesCompanionsRestoreFollowsTheMenus();

  void printAllIncludesTapesOfClosedCells();
  void tapePopupOpensOnRightClickAndPrintsTheTapeShown();
  void exitWritesTheSettingsAndCloses();

 private:
  Calculator* Make(Session& session);
  // A second program run over the settings file `ini`; the calculator goes first.
  struct Run {
    std::unique_ptr<Session> session;
    std::unique_ptr<Calculator> calc;
  };
  /// `keptFolder`: where the run keeps its cells after Exit; none keeps none.
  void StartWith(const QString& ini, Run& run, const QString& keptFolder = {});
  QString WriteFile(const QString& name, const QByteArray& bytes);
  QAction* Item(const QString& name) const;
  QAction* ItemOf(Calculator* calc, const QString& name) const;
  void Drop(QWidget* target, QMimeData* mime, int x);
  void ClickMenuItem(QMenu* menu, QAction* action);
  void DropOnReadout(const QString& text, bool rightHalf);
  int Rows(int tape) const { return m_session->Tapes().TapeRowCount(tape); }
  QString Line(int tape, int row) const { return Q(m_session->Tapes().Line(tape, row)); }
  QStringList CellNames() const;
  QStringList CellValues() const;
  void Keys(const QStringList& names);
  /// Closes every modal dialog that opens while `run` runs; returns their titles.
  QStringList AnswerModals(const std::function<void()>& run);

  std::unique_ptr<QTemporaryDir> m_dir;
  FakeDialogs m_fake;
  testing::FakePrintHost m_printHost;
  Session* m_session = nullptr;
  Calculator* m_calc = nullptr;
};

Calculator* TestIntegration::Make(Session& session) {
  auto* calc = new Calculator(session);
  CalculatorDialogs& d = calc->Dialogs();
  d.confirm = [this](const QString& text) {
    ++m_fake.confirms;
    m_fake.confirmText = text;
    return m_fake.confirmAnswer;
  };
  d.openFile = [this](const QString&) {
    ++m_fake.opens;
    return m_fake.openAnswer;
  };
  d.saveFile = [this](const QString&) {
    ++m_fake.saves;
    return m_fake.saveAnswer;
  };
  d.chooseColour = [this]() {
    ++m_fake.colours;
    return m_fake.colourAnswer;
  };
  d.inform = [this](const QString& text) { m_fake.messages << text; };
  calc->Tape()->FileDialogs().saveFile = [this](const QString&) {
    ++m_fake.saves;
    return m_fake.tapeFileAnswer;
  };
  calc->Tape()->FileDialogs().showError = [this](const QString& text) { m_fake.messages << text; };
  calc->SetBeepHook([this] { ++m_fake.beeps; });
  calc->Memory().SetNameAsker([this](const QString&) {
    ++m_fake.names;
    return m_fake.nameAnswer;
  });
  calc->SetPrinter(std::make_unique<TapePrinter>(session.Tapes(), m_printHost));
  return calc;
}

void TestIntegration::StartWith(const QString& ini, Run& run, const QString& keptFolder) {
  run.session = std::make_unique<Session>(std::make_unique<SettingsStore>(ini));
  if (!keptFolder.isEmpty()) run.session->SetKept(std::make_unique<KeptCells>(keptFolder));
  run.calc.reset(Make(*run.session));
  run.calc->StartUp();
  QVERIFY(QTest::qWaitForWindowExposed(run.calc.get()));
}

QString TestIntegration::WriteFile(const QString& name, const QByteArray& bytes) {
  const QString path = m_dir->filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qWarning("cannot write %s", qPrintable(path));
  return path;
}

void TestIntegration::init() {
  m_dir = std::make_unique<QTemporaryDir>();
  QVERIFY(m_dir->isValid());
  m_fake = FakeDialogs{};
  m_printHost = testing::FakePrintHost{};
  m_printHost.printerName = QStringLiteral("Fake");
  m_printHost.acceptPdf = false;
  m_session = new Session;
  m_calc = Make(*m_session);
  m_calc->StartUp();
  QVERIFY(QTest::qWaitForWindowExposed(m_calc));
}

void TestIntegration::cleanup() {
  delete m_calc;
  m_calc = nullptr;
  delete m_session;
  m_session = nullptr;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const QWidgetList left = QApplication::topLevelWidgets();
  QStringList names;
  for (const QWidget* widget : left) names << QString::fromLatin1(widget->metaObject()->className()) + widget->objectName();
  QVERIFY2(left.isEmpty(), qPrintable(names.join(QLatin1Char(' '))));
}

QAction* TestIntegration::ItemOf(Calculator* calc, const QString& name) const {
  auto* action = calc->findChild<QAction*>(name);
  if (!action && calc->Tape()) action = calc->Tape()->findChild<QAction*>(name);
  if (!action) qWarning("no menu item %s", qPrintable(name));
  return action;
}

QAction* TestIntegration::Item(const QString& name) const { return ItemOf(m_calc, name); }

void TestIntegration::Keys(const QStringList& names) {
  for (const QString& name : names) {
    auto* key = m_calc->findChild<QPushButton*>(name);
    QVERIFY2(key, qPrintable(name));
    key->click();
  }
}

QStringList TestIntegration::CellNames() const {
  QStringList names;
  for (const MemoryCell& cell : m_calc->Memory().Model().Cells()) names << Q(cell.name);
  return names;
}

QStringList TestIntegration::CellValues() const {
  QStringList values;
  for (const MemoryCell& cell : m_calc->Memory().Model().Cells()) values << Q(cell.value);
  return values;
}

void TestIntegration::Drop(QWidget* target, QMimeData* mime, int x) {
  testing::SendDrop(target, mime, QPoint(x, target->height() / 2));
  delete mime;
}

void TestIntegration::ClickMenuItem(QMenu* menu, QAction* action) {
  QVERIFY(menu->isVisible());
  const QRect place = menu->actionGeometry(action);
  QVERIFY(place.isValid());
  QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, place.center());
}

void TestIntegration::DropOnReadout(const QString& text, bool rightHalf) {
  QLabel* readout = m_calc->Readout();
  // Just either side of the middle, so that the halves are those of the display as it is now.
  const int x = rightHalf ? readout->width() / 2 + 2 : readout->width() / 2 - 2;
  Drop(readout, EncodeValueDrag(text, DragSource::Cell(1)), x);
}

QStringList TestIntegration::AnswerModals(const std::function<void()>& run) {
  QStringList seen;
  QTimer closer;
  closer.setInterval(20);
  connect(&closer, &QTimer::timeout, this, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      seen << QString::fromLatin1(modal->metaObject()->className());
      modal->close();
    }
  });
  closer.start();
  run();
  closer.stop();
  return seen;
}

// ---- The menu tree --------------------------------------------------------------

namespace {

// Every item of the menu bar, the calculator's pop-up and the tape's pop-up
// that runs a handler (separators and submenus excluded).
const char* const kItems[] = {
    "mnuOpen", "mnuSave", "mnuSaveAs", "mnuPrint", "mnuPrintAll", "Circumference", "CircArea", "CylVolume",
    "mnuDiagonal", "mnuStairs", "Exit", "NewMemory", "NamedMemory", "mnuArrangeMemory", "ClearMemory",
    "EraseMemory", "mnuMemoryAdd", "mnuMemorySubtract", "mnuMemoryRecall", "mnuKeepCells",
    "Sixteen", "thirtysecond", "mnuAccuracy4", "mnuAccuracy8", "mnuAccuracy64", "ShowKeys", "mnuConverter", "mnuTape", "ZoomSmall", "ZoomLarge", "mnuColor(0)",
    "mnuColor(1)", "mnuColor(2)", "mnuColor(3)", "mnuColor(4)", "mnuColor(5)", "mnuColor(6)",
    "mnuHelpContents", "mnuAbout", "mnuPopup1NewMemory", "mnuPopup1NamedMemory", "mnuPopup1Accuracy16",
    "mnuPopup1Accuracy32", "mnuPopup1Accuracy4", "mnuPopup1Accuracy8", "mnuPopup1Accuracy64", "mnuPopup1Zoom75", "mnuPopup1Zoom100", "mnuPopup1ShowKeys", "mnuPopup1ShowTape",
    "mnuPopUp1Circumference", "mnuPopUp1AreaofCircle", "mnuPopUp1VolumeofCylinder", "mnuPopUp1Diagonal",
    "mnuPopUp1Stairs", "mnuPopup1Cancel", "mnuPopup1Copy", "mnuPopup1Paste", "mnuPopup1CopyTape", "mnuPopup1SaveTapeAs", "mnuPopup1Undo", "mnuPopup1Redo",
    "mnuPopup2PrintTape", "mnuPopup2PrintAllTapes", "mnuPopup2CopyTape",
    "mnuPopup2SaveTapeAs", "mnuPopup2PrintPreview"};

void CollectItems(const QMenu* menu, QStringList& out) {
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    if (action->menu())
      CollectItems(action->menu(), out);
    else
      out << action->objectName();
  }
}

}  // namespace

void TestIntegration::menuWalkCoversTheWholeTree() {
  QStringList walked;
  for (QAction* top : m_calc->menuBar()->actions()) {
    QVERIFY(top->menu());
    CollectItems(top->menu(), walked);
  }
  CollectItems(m_calc->Popup(), walked);
  auto* tapePopup = m_calc->Tape()->findChild<QMenu*>(QStringLiteral("mnuPopup2"));
  QVERIFY(tapePopup);
  CollectItems(tapePopup, walked);
  QStringList expected;
  for (const char* name : kItems) expected << QString::fromLatin1(name);
  QCOMPARE(walked, expected);
}

void TestIntegration::everyItemReachesItsHandler_data() {
  QTest::addColumn<QString>("item");
  for (const char* name : kItems) QTest::newRow(name) << QString::fromLatin1(name);
}

void TestIntegration::everyItemReachesItsHandler() {
  QFETCH(QString, item);
  // One cell exists, so that the file, print and memory items have work.
  Item(QStringLiteral("NewMemory"))->trigger();
  QCOMPARE(CellNames(), QStringList{QStringLiteral("Memory 1")});
  m_calc->Memory().Model().SetValue(1, " 2'- 6\" ");
  m_fake.confirmAnswer = false;
  m_fake.colourAnswer = QColor(10, 20, 30);
  const int colour = 10 + 256 * 20 + 65536 * 30;

  // Items that act only from another state get there first.
  if (item == "Sixteen" || item == "mnuPopup1Accuracy16") Item(QStringLiteral("thirtysecond"))->trigger();
  if (item == "ZoomLarge" || item == "mnuPopup1Zoom100") Item(QStringLiteral("ZoomSmall"))->trigger();
  // Something to undo: a key, and for Redo that key undone.
  if (item == "mnuPopup1Undo" || item == "mnuPopup1Redo") QTest::keyClick(m_calc->focusWidget(), Qt::Key_7);
  if (item == "mnuPopup1Redo") Item(QStringLiteral("mnuPopup1Undo"))->trigger();
  // A single cell stays where it is; two are arranged side by side.
  if (item == "mnuArrangeMemory") Item(QStringLiteral("NewMemory"))->trigger();
  const int shownTape = m_session->Tapes().View().firstVisibleColumn;
  if (item == "mnuPopup2CopyTape" || item == "mnuPopup1CopyTape") {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    m_session->Tapes().AddTapeRows(shownTape, 1);
    m_session->Tapes().SetTapeLine(shownTape, Rows(shownTape), " 5\" ");
  }
  if (item == "mnuPopup1Copy") QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  if (item == "mnuPopup1Paste") QGuiApplication::clipboard()->setText(QStringLiteral("1-1/2\""));
  m_fake.tapeFileAnswer = {m_dir->filePath(QStringLiteral("tape")), TapeFileFormat::Csv};

  const QSize size = m_calc->size();
  const QString prompt = m_calc->findChild<QLabel*>(QStringLiteral("Label1"))->text();
  const int cells = m_calc->Memory().Model().CellCount();
  const bool tapeShown = m_calc->Tape()->isVisible();
  // MemoryForm is the container's sub-window: moving it is what the user does.
  m_calc->Memory().Form(1)->move(m_calc->Memory().Form(1)->pos() + QPoint(40, 40));
  const QPoint cellMoved = m_calc->Memory().Form(1)->pos();

  QAction* action = Item(item);
  QVERIFY(action);
  const QStringList modals = AnswerModals([&] { action->trigger(); });

  if (item == "mnuOpen") {
    QCOMPARE(m_fake.confirms, 1);  // a cell exists; the answer was Cancel
    QCOMPARE(m_fake.confirmText,
             QStringLiteral("Existing memory and memory tapes will be erased. Are you sure you want to continue?"));
    QCOMPARE(CellNames(), QStringList{QStringLiteral("Memory 1")});
    QCOMPARE(m_fake.opens, 0);
  } else if (item == "mnuSave" || item == "mnuSaveAs") {
    QCOMPARE(m_fake.saves, 1);  // no file name yet: Save asks like Save As
  } else if (item == "mnuPrint" || item == "mnuPopup2PrintTape") {
    QCOMPARE(m_printHost.dialogs.size(), 1);
    QCOMPARE(m_printHost.jobs.size(), 1);
  } else if (item == "mnuPrintAll" || item == "mnuPopup2PrintAllTapes") {
    QCOMPARE(m_printHost.dialogs, QStringList{QStringLiteral("Fake:Tapes")});
    QCOMPARE(m_printHost.jobs, (QStringList{QStringLiteral("Fake:Calculator"), QStringLiteral("Fake:Memory 1")}));
  } else if (item == "mnuPopup2PrintPreview") {
    QCOMPARE(m_printHost.previews, QStringList{Q(m_session->Tapes().TapeName(shownTape))});
    QVERIFY(m_printHost.jobs.isEmpty());
  } else if (item == "mnuPopup2CopyTape" || item == "mnuPopup1CopyTape") {
    QVERIFY2(QGuiApplication::clipboard()->text().endsWith(QLatin1String(" 5\"")),
             qPrintable(QGuiApplication::clipboard()->text()));
  } else if (item == "mnuPopup2SaveTapeAs" || item == "mnuPopup1SaveTapeAs") {
    QCOMPARE(m_fake.saves, 1);
    QVERIFY(Contents(m_dir->filePath(QStringLiteral("tape.csv"))).startsWith("Line,Value,Unit\r\n"));
  } else if (item.contains(QLatin1String("Circ")) || item.contains(QLatin1String("Cyl")) ||
             item.contains(QLatin1String("Diagonal")) || item.contains(QLatin1String("Stairs"))) {
    QVERIFY(m_session->Engine().State().ActiveFormula != Formula::None);
    QVERIFY(m_calc->findChild<QLabel*>(QStringLiteral("Label1"))->text() != prompt);
  } else if (item == "Exit") {
    QVERIFY(!m_calc->isVisible());
    QVERIFY(!m_calc->Tape()->isVisible());
    QCOMPARE(m_calc->Memory().Model().CellCount(), 0);
  } else if (item.contains(QLatin1String("NewMemory"))) {
    QCOMPARE(m_calc->Memory().Model().CellCount(), cells + 1);
  } else if (item.contains(QLatin1String("NamedMemory"))) {
    QCOMPARE(m_fake.names, 1);
    QCOMPARE(CellNames().last(), QStringLiteral("Lumber"));
  } else if (item == "mnuArrangeMemory") {
    QVERIFY(m_calc->Memory().Form(1)->pos() != cellMoved);
  } else if (item == "mnuPopup1Undo" || item == "mnuPopup1Redo") {
    QCOMPARE(m_calc->Readout()->text(), item.endsWith(QLatin1String("Undo")) ? QStringLiteral("0.") : QStringLiteral("7"));
  } else if (item == "ClearMemory") {
    QCOMPARE(CellValues(), QStringList{QStringLiteral("0.")});
  } else if (item == "mnuMemoryAdd" || item == "mnuMemorySubtract") {
    QCOMPARE(Rows(1), 3);  // the display, "0.", to or from the only cell
    QCOMPARE(Line(1, 1).left(3), item == "mnuMemoryAdd" ? QStringLiteral(" + ") : QStringLiteral(" - "));
  } else if (item == "mnuMemoryRecall") {
    QCOMPARE(m_calc->Readout()->text(), QStringLiteral(" 2'- 6\" "));
  } else if (item == "mnuKeepCells") {
    QVERIFY(action->isChecked());
    QVERIFY(m_calc->CurrentSettings().choices.keepCells);
  } else if (item == "EraseMemory") {
    QCOMPARE(m_calc->Memory().Model().CellCount(), 0);
    QVERIFY(!m_calc->Memory().Container()->isVisible());
  } else if (item == "Sixteen" || item == "mnuPopup1Accuracy16") {
    QCOMPARE(m_session->Engine().Accuracy(), 16);
    QVERIFY(Item(QStringLiteral("Sixteen"))->isChecked());
    QVERIFY(Item(QStringLiteral("mnuPopup1Accuracy16"))->isChecked());
    QVERIFY(!Item(QStringLiteral("thirtysecond"))->isChecked());
  } else if (item == "thirtysecond" || item == "mnuPopup1Accuracy32") {
    QCOMPARE(m_session->Engine().Accuracy(), 32);
    QVERIFY(Item(QStringLiteral("thirtysecond"))->isChecked());
    QVERIFY(Item(QStringLiteral("mnuPopup1Accuracy32"))->isChecked());
    QVERIFY(!Item(QStringLiteral("mnuPopup1Accuracy16"))->isChecked());
  } else if (item.startsWith(QLatin1String("mnuAccuracy")) || item.startsWith(QLatin1String("mnuPopup1Accuracy"))) {
    // The accuracies beyond sixteenths and thirty-seconds: each item and its twin.
    const QString denominator = item.mid(item.lastIndexOf(QLatin1String("Accuracy")) + 8);
    QCOMPARE(m_session->Engine().Accuracy(), denominator.toInt());
    QVERIFY(Item(QStringLiteral("mnuAccuracy") + denominator)->isChecked());
    QVERIFY(Item(QStringLiteral("mnuPopup1Accuracy") + denominator)->isChecked());
    QVERIFY(!Item(QStringLiteral("Sixteen"))->isChecked());
    QVERIFY(!Item(QStringLiteral("mnuPopup1Accuracy16"))->isChecked());
  } else if (item.contains(QLatin1String("ShowKeys"))) {
    QCOMPARE(m_calc->width(), size.width());
    QVERIFY(m_calc->height() < size.height());
    QVERIFY(!Item(QStringLiteral("ShowKeys"))->isChecked());
    QVERIFY(!Item(QStringLiteral("mnuPopup1ShowKeys"))->isChecked());
  } else if (item == "mnuConverter") {
    QVERIFY(m_calc->ConverterWindow()->isVisible());
    QVERIFY(action->isChecked());
  } else if (item == "mnuTape" || item == "mnuPopup1ShowTape") {
    QVERIFY(tapeShown);
    QVERIFY(!m_calc->Tape()->isVisible());
    QVERIFY(!Item(QStringLiteral("mnuTape"))->isChecked());
    QVERIFY(!Item(QStringLiteral("mnuPopup1ShowTape"))->isChecked());
  } else if (item == "ZoomSmall" || item == "mnuPopup1Zoom75") {
    QVERIFY(m_calc->width() < size.width());
    QVERIFY(Item(QStringLiteral("ZoomSmall"))->isChecked());
    QVERIFY(Item(QStringLiteral("mnuPopup1Zoom75"))->isChecked());
  } else if (item == "ZoomLarge" || item == "mnuPopup1Zoom100") {
    QVERIFY(m_calc->width() > size.width());
    QVERIFY(Item(QStringLiteral("ZoomLarge"))->isChecked());
    QVERIFY(!Item(QStringLiteral("mnuPopup1Zoom75"))->isChecked());
  } else if (item.startsWith(QLatin1String("mnuColor("))) {
    QCOMPARE(m_fake.colours, 1);
    const QColor chosen = *m_fake.colourAnswer;
    const int index = item.mid(9, 1).toInt();
    switch (index) {
      case 0: QCOMPARE(m_calc->centralWidget()->palette().color(QPalette::Window), chosen); break;
      case 1: QCOMPARE(m_calc->Readout()->palette().color(QPalette::Window), chosen); break;
      case 2: QCOMPARE(m_calc->Memory().MemoryBackground(), ColourNumber(colour)); break;
      case 3: QCOMPARE(m_calc->Memory().MemoryReadout(), ColourNumber(colour)); break;
      case 4: QCOMPARE(m_calc->ConverterWindow()->ConverterColor(), colour); break;
      case 5: QCOMPARE(m_calc->ConverterWindow()->ConvReadoutColor(), colour); break;
      case 6: QCOMPARE(m_calc->ConverterWindow()->ConvResultColor(), colour); break;
      default: QFAIL("no such colour item");
    }
  } else if (item == "mnuHelpContents") {
    // Either the help shows, or (no help file next to the test) a message says why.
    QVERIFY(m_calc->Commands().Help());
    QVERIFY(m_calc->Commands().Help()->isVisible() || modals == QStringList{QStringLiteral("QMessageBox")});
  } else if (item == "mnuAbout") {
    QCOMPARE(modals.size(), 1);
    QVERIFY(m_calc->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  } else if (item == "mnuPopup1Copy") {
    QCOMPARE(QGuiApplication::clipboard()->text(), m_calc->Readout()->text().trimmed());
  } else if (item == "mnuPopup1Paste") {
    QCOMPARE(m_calc->Readout()->text(), QStringLiteral("1-1/2\""));
  } else if (item == "mnuPopup1Cancel") {
    QCOMPARE(m_calc->size(), size);
    QCOMPARE(m_calc->Memory().Model().CellCount(), cells);
  } else {
    QFAIL("an item without a check");
  }
  if (item != "mnuAbout" && item != "mnuHelpContents") QVERIFY2(modals.isEmpty(), qPrintable(modals.join(QLatin1Char(' '))));
  QVERIFY(!QApplication::activeModalWidget());
}

void TestIntegration::popupCancelChangesNothing() {
  Keys({QStringLiteral("Number(1)"), QStringLiteral("Number(2)")});
  const Settings before = m_calc->CurrentSettings();
  const int rows = Rows(0);
  QTest::mouseClick(m_calc->centralWidget(), Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
  QTRY_VERIFY(m_calc->Popup()->isVisible());
  ClickMenuItem(m_calc->Popup(), Item(QStringLiteral("mnuPopup1Cancel")));
  QTRY_VERIFY(!m_calc->Popup()->isVisible());
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("12"));
  QCOMPARE(m_calc->CurrentSettings(), before);
  QCOMPARE(Rows(0), rows);
  QCOMPARE(m_fake.beeps, 0);
}

void TestIntegration::cancelledColourChangesNothing() {
  Item(QStringLiteral("NewMemory"))->trigger();
  const Settings before = m_calc->CurrentSettings();
  m_fake.colourAnswer.reset();
  for (int i = 0; i < 7; ++i) Item(QStringLiteral("mnuColor(%1)").arg(i))->trigger();
  QCOMPARE(m_fake.colours, 7);
  QCOMPARE(m_calc->CurrentSettings(), before);
}

// ---- Memory cells ---------------------------------------------------------------

void TestIntegration::newMemoryShowsTapeArrowsAndKeepsTheKeyboard() {
  auto* leftArrow = m_calc->Tape()->findChild<QPushButton*>(QStringLiteral("cmdScrollTape(0)"));
  auto* rightArrow = m_calc->Tape()->findChild<QPushButton*>(QStringLiteral("cmdScrollTape(1)"));
  QVERIFY(leftArrow && rightArrow);
  QVERIFY(!leftArrow->isVisible());
  Item(QStringLiteral("NewMemory"))->trigger();
  Item(QStringLiteral("NewMemory"))->trigger();
  // Names, titles and cell tapes are checked on the memory controller; here
  // the tape window's arrows and the keyboard follow the cells.
  QVERIFY(leftArrow->isVisible());
  QVERIFY(rightArrow->isVisible());
  // The arrow switches the tape window to the next tape.
  m_session->Tapes().SelectTape(0, "Calculator");
  rightArrow->click();
  QCOMPARE(m_calc->Tape()->Title()->text(), QStringLiteral("Memory 1"));
  // With the cells' container active (as a window manager makes a window
  // that was just shown), a memory command gives the keyboard back to the
  // calculator, so the next key typed reaches the display.
  m_calc->Memory().Container()->activateWindow();
  QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(m_calc->Memory().Container()));
  Item(QStringLiteral("NewMemory"))->trigger();
  QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(m_calc));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("7"));
  // Without cells the arrows go away again.
  Item(QStringLiteral("EraseMemory"))->trigger();
  QVERIFY(!leftArrow->isVisible());
  QVERIFY(!rightArrow->isVisible());
}

// ---- Drops on the display ----------------------------------------------------------

void TestIntegration::dropOnEmptyAccumulator_data() {
  QTest::addColumn<bool>("zoomed");
  QTest::addColumn<bool>("rightHalf");
  QTest::addColumn<QString>("line");
  QTest::addColumn<QString>("readout");
  QTest::addColumn<double>("accumulator");
  for (bool zoomed : {false, true}) {
    const char* zoom = zoomed ? " at 75%" : " at 100%";
    QTest::addRow("right half adds%s", zoom) << zoomed << true << QStringLiteral(" + 5'- 3 1/2\" ")
                                             << QStringLiteral(" 5'- 3 1/2\" ") << 63.5;
    QTest::addRow("left half subtracts%s", zoom) << zoomed << false << QStringLiteral(" - 5'- 3 1/2\" ")
                                                 << QStringLiteral("- 5'- 3 1/2\" ") << -63.5;
  }
}

void TestIntegration::dropOnEmptyAccumulator() {
  QFETCH(bool, zoomed);
  QFETCH(bool, rightHalf);
  QFETCH(QString, line);
  if (zoomed) Item(QStringLiteral("ZoomSmall"))->trigger();
  QFETCH(QString, readout);
  QFETCH(double, accumulator);
  QVERIFY(!m_session->Engine().State().Accumulator);
  const int rows = Rows(0);
  DropOnReadout(QStringLiteral(" 5'- 3 1/2\" "), rightHalf);
  QCOMPARE(Rows(0), rows + 1);
  QCOMPARE(Line(0, rows + 1), line);
  QCOMPARE(m_calc->Readout()->text(), readout);
  QVERIFY(m_session->Engine().State().Accumulator);
  QCOMPARE(*m_session->Engine().State().Accumulator, accumulator);
  QCOMPARE(m_fake.beeps, 0);
  QCOMPARE(m_calc->focusWidget(), m_calc->findChild<QPushButton*>(QStringLiteral("Equal")));
}

void TestIntegration::dropCompletesPendingMultiply() {
  // The same product by keys, on an engine of its own, is what the drop must give.
  Session reference;
  CalculatorEngine& engine = reference.Engine();
  engine.Number_Click(2);
  engine.Foot_Click();
  engine.Equal_Click();
  engine.Multiply_Click();
  engine.Number_Click(3);
  engine.Foot_Click();
  engine.Equal_Click();
  const QString expected = Q(engine.Readout());
  QVERIFY2(expected.contains(QLatin1String("sq")), qPrintable(expected));

  Keys({QStringLiteral("Number(2)"), QStringLiteral("Foot"), QStringLiteral("Equal"), QStringLiteral("Multiply")});
  QCOMPARE(m_calc->findChild<QLabel*>(QStringLiteral("ActionLabel"))->text(), QStringLiteral("x"));
  DropOnReadout(Q(FormatLinear(36, 16)), /*rightHalf=*/false);
  QCOMPARE(m_calc->Readout()->text(), expected);
  QCOMPARE(Line(0, Rows(0)), Q(reference.Tapes().Line(0, reference.Tapes().TapeRowCount(0))));
  QCOMPARE(m_fake.beeps, 0);
}

void TestIntegration::squareOntoLinearTotalIsRefused() {
  Keys({QStringLiteral("Number(5)"), QStringLiteral("Foot"), QStringLiteral("Equal")});
  QVERIFY(m_session->Engine().State().Accumulator);
  const int rows = Rows(0);
  const QString first = Q(m_session->Engine().State().FirstOperandText);
  const QString square = Q(FormatWithSuffix(576, Dimension::Square, 16));
  QVERIFY2(square.contains(QLatin1String("sq")), qPrintable(square));
  DropOnReadout(square, true);
  QCOMPARE(m_fake.beeps, 2);
  QCOMPARE(Rows(0), rows);
  QCOMPARE(*m_session->Engine().State().Accumulator, 60.0);
  QCOMPARE(m_calc->Readout()->text(), first);  // the first operand shown again
}

void TestIntegration::displayDroppedOnACellAddsAndWritesItsTape() {
  Item(QStringLiteral("NewMemory"))->trigger();
  Keys({QStringLiteral("Number(5)"), QStringLiteral("Foot"), QStringLiteral("Number(3)"), QStringLiteral("Inch"),
        QStringLiteral("Equal")});
  const QString shown = m_calc->Readout()->text();
  const int calcRows = Rows(0);
  ValueLabel* cell = m_calc->Memory().Form(1)->Label1();
  Drop(cell, EncodeValueDrag(shown, DragSource::Readout()), cell->width() / 2 + 2);
  const QString value = CellValues().first();
  QCOMPARE(ParseLinear(value.toStdString()), 63.0);
  QCOMPARE(cell->text(), value);
  QCOMPARE(Rows(1), 3);
  auto trimEnd = [](QString text) {
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text;
  };
  QCOMPARE(Line(1, 1), QStringLiteral(" + ") + trimEnd(shown) + QLatin1Char(' '));
  QCOMPARE(Line(1, 2), QStringLiteral("---------------- "));
  QCOMPARE(Line(1, 3), trimEnd(value) + QLatin1Char(' '));
  // The display and its tape are left as they were.
  QCOMPARE(m_calc->Readout()->text(), shown);
  QCOMPARE(Rows(0), calcRows);
  // And back: the cell onto the display's left half with a total there subtracts it.
  DropOnReadout(value, false);
  QCOMPARE(*m_session->Engine().State().Accumulator, 0.0);
  QCOMPARE(Line(0, calcRows + 1), QStringLiteral(" - ") + value.trimmed() + QLatin1Char(' '));
  // A drop on the cell shows the cell's tape until the calculator takes its
  // next key, which brings the calculator's tape back, at its end.
  Drop(cell, EncodeValueDrag(shown, DragSource::Readout()), cell->width() / 2 + 2);
  QCOMPARE(m_calc->Tape()->Title()->text(), QStringLiteral("Memory 1"));
  QTest::keyClick(m_calc->focusWidget(), Qt::Key_5);
  QCOMPARE(m_calc->Tape()->Title()->text(), QStringLiteral("Calculator"));
  QCOMPARE(m_session->Tapes().View().firstVisibleColumn, 0);
  QCOMPARE(m_session->Tapes().CurrentTape(), 0);
}

void TestIntegration::undoTakesBackDropsOnCellsAndTheDisplay() {
  using testing::CalculationPicture;
  Item(QStringLiteral("NewMemory"))->trigger();
  Keys({QStringLiteral("Number(5)"), QStringLiteral("Foot"), QStringLiteral("Equal")});
  const auto picture = [this] { return CalculationPicture::Take(m_session->Engine(), m_calc->Memory().Model()); };
  const CalculationPicture typed = picture();
  ValueLabel* cell = m_calc->Memory().Form(1)->Label1();
  Drop(cell, EncodeValueDrag(m_calc->Readout()->text(), DragSource::Readout()), cell->width() / 2 + 2);
  const CalculationPicture inCell = picture();
  DropOnReadout(CellValues().first(), false);
  QVERIFY(picture() != inCell);

  const auto undo = [this] { QTest::keyClick(m_calc->focusWidget(), Qt::Key_Z, Qt::ControlModifier); };
  undo();
  QCOMPARE(picture(), inCell);
  undo();
  QCOMPARE(picture(), typed);
  QCOMPARE(cell->text(), QStringLiteral("0."));  // the cell's window follows its value
  QTest::keyClick(m_calc->focusWidget(), Qt::Key_Y, Qt::ControlModifier);
  QCOMPARE(picture(), inCell);
  QCOMPARE(cell->text(), CellValues().first());
}

void TestIntegration::textFromAnotherProgram_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("taken");
  QTest::newRow("a measurement") << QStringLiteral("12 1/2") << true;
  QTest::newRow("garbage") << QStringLiteral("hello") << false;
}

void TestIntegration::textFromAnotherProgram() {
  QFETCH(QString, text);
  QFETCH(bool, taken);
  const int rows = Rows(0);
  const QString shown = m_calc->Readout()->text();
  auto* mime = new QMimeData;
  mime->setText(text);
  Drop(m_calc->Readout(), mime, m_calc->Readout()->width() - 2);
  if (taken) {
    QCOMPARE(Rows(0), rows + 1);
    QVERIFY2(Line(0, rows + 1).startsWith(QLatin1String(" + 12 1/2")), qPrintable(Line(0, rows + 1)));
    QVERIFY(m_session->Engine().State().Accumulator);
    QCOMPARE(*m_session->Engine().State().Accumulator, 12.5);
  } else {
    QCOMPARE(Rows(0), rows);
    QVERIFY(!m_session->Engine().State().Accumulator);
    QCOMPARE(m_calc->Readout()->text(), shown);
  }
}

// ---- Memory files ------------------------------------------------------------------

void TestIntegration::memoryFileSaveAsWritesAndOpenRestores() {
  Item(QStringLiteral("NewMemory"))->trigger();
  Item(QStringLiteral("NamedMemory"))->trigger();
  m_calc->Memory().Model().SetValue(2, " 5'- 3 1/2\" ");
  const QString path = m_dir->filePath(QStringLiteral("job.site.mem"));
  m_fake.saveAnswer = path;
  Item(QStringLiteral("mnuSaveAs"))->trigger();
  QCOMPARE(m_fake.saves, 1);
  QVERIFY2(m_fake.messages.isEmpty(), qPrintable(m_fake.messages.join(QLatin1Char('\n'))));
  QCOMPARE(m_calc->MemoryFileName(), path);

  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  file.close();
  QVERIFY(bytes.endsWith("\r\n"));
  QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));  // every line ends in CR LF
  QList<QByteArray> lines;
  for (const QByteArray& line : bytes.chopped(2).split('\n')) lines << (line.endsWith('\r') ? line.chopped(1) : line);
  QCOMPARE(lines.size(), 10);
  const TwipRect container = m_calc->Memory().ContainerGeometry();
  QCOMPARE(lines[0].trimmed().toInt(), WholeTwips(container.left));
  QCOMPARE(lines[1].trimmed().toInt(), WholeTwips(container.top));
  QCOMPARE(lines[2].trimmed().toInt(), WholeTwips(container.width));
  QCOMPARE(lines[3].trimmed().toInt(), WholeTwips(container.height));
  QCOMPARE(lines[4], QByteArray(" 2"));
  QCOMPARE(lines[5], " " + QByteArray::number(m_calc->Memory().Model().MemoryWidth()));
  QCOMPARE(lines[6], QByteArray("Memory 1"));
  QCOMPARE(lines[7], QByteArray("0."));
  QCOMPARE(lines[8], QByteArray("Lumber"));
  QCOMPARE(lines[9], QByteArray(" 5'- 3 1/2\" "));

  Item(QStringLiteral("EraseMemory"))->trigger();
  QCOMPARE(m_calc->Memory().Model().CellCount(), 0);
  m_fake.openAnswer = path;
  Item(QStringLiteral("mnuOpen"))->trigger();
  QCOMPARE(m_fake.confirms, 0);  // nothing made since the erase: no question
  QCOMPARE(m_fake.opens, 1);
  QVERIFY2(m_fake.messages.isEmpty(), qPrintable(m_fake.messages.join(QLatin1Char('\n'))));
  QCOMPARE(CellNames(), (QStringList{QStringLiteral("Memory 1"), QStringLiteral("Lumber")}));
  QCOMPARE(CellValues(), (QStringList{QStringLiteral("0."), QStringLiteral(" 5'- 3 1/2\" ")}));
  QCOMPARE(m_calc->Memory().Form(2)->windowTitle(), QStringLiteral("Lumber"));
  QCOMPARE(m_calc->Memory().Form(2)->Label1()->text(), QStringLiteral(" 5'- 3 1/2\" "));
  QCOMPARE(m_calc->Memory().Container()->windowTitle(), QStringLiteral("job"));
  QVERIFY(m_calc->Memory().Container()->isVisible());
  QCOMPARE(Line(1, 0), QStringLiteral("0."));
  QCOMPARE(Line(2, 0), QStringLiteral(" 5'- 3 1/2\" "));
  QCOMPARE(Rows(1), 0);
  QCOMPARE(Rows(2), 0);

  // Opening over cells asks first; Cancel keeps them.
  m_fake.confirmAnswer = false;
  Item(QStringLiteral("mnuOpen"))->trigger();
  QCOMPARE(m_fake.confirms, 1);
  QCOMPARE(m_fake.opens, 1);
  QCOMPARE(CellNames().size(), 2);
  // Save after a load writes to that file without asking.
  m_calc->Memory().Model().SetValue(1, " 1\" ");
  Item(QStringLiteral("mnuSave"))->trigger();
  QCOMPARE(m_fake.saves, 1);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(file.readAll().contains("Memory 1\r\n 1\" \r\n"));
  // Cells read again under the numbers of those they replace get no earlier value back from Undo.
  m_calc->Memory().Model().SetValue(1, " 2' ");
  QTest::keyClick(m_calc->focusWidget(), Qt::Key_5);
  m_fake.confirmAnswer = true;
  Item(QStringLiteral("mnuOpen"))->trigger();
  Item(QStringLiteral("mnuPopup1Undo"))->trigger();
  QCOMPARE(CellValues(), (QStringList{QStringLiteral(" 1\" "), QStringLiteral(" 5'- 3 1/2\" ")}));
}

void TestIntegration::truncatedFileLoadsCompletePairsAndTells() {
  m_fake.openAnswer = WriteFile(QStringLiteral("short.mem"),
                                " 1575 \r\n 1635 \r\n 4000 \r\n 2000 \r\n 3\r\n 1935\r\nA\r\n 1\" \r\nB\r\n 2\" \r\nC\r\n");
  Item(QStringLiteral("mnuOpen"))->trigger();
  QCOMPARE(CellNames(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
  QCOMPARE(CellValues(), (QStringList{QStringLiteral(" 1\" "), QStringLiteral(" 2\" ")}));
  QCOMPARE(m_fake.messages.size(), 1);
  QVERIFY2(m_fake.messages.first().contains(QLatin1String("short.mem")), qPrintable(m_fake.messages.first()));
}

void TestIntegration::saveWithoutCellsDoesNothing() {
  Item(QStringLiteral("NewMemory"))->trigger();
  const QString path = m_dir->filePath(QStringLiteral("keep.mem"));
  m_fake.saveAnswer = path;
  Item(QStringLiteral("mnuSaveAs"))->trigger();
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  file.close();
  Item(QStringLiteral("EraseMemory"))->trigger();
  Item(QStringLiteral("mnuSave"))->trigger();
  Item(QStringLiteral("mnuSaveAs"))->trigger();
  QCOMPARE(m_fake.saves, 1);
  QVERIFY(m_fake.messages.isEmpty());
  // A save that cannot be written says so and leaves the earlier file whole.
  Item(QStringLiteral("NewMemory"))->trigger();
  m_fake.saveAnswer = m_dir->filePath(QStringLiteral("no/such/folder/x.mem"));
  Item(QStringLiteral("mnuSaveAs"))->trigger();
  QCOMPARE(m_fake.saves, 2);
  QCOMPARE(m_fake.messages.size(), 1);
  QVERIFY(!m_fake.messages.first().isEmpty());
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), before);
}

void TestIntegration::refusedFileKeepsTheCellsAndIsNotWhereSaveWrites() {
  Item(QStringLiteral("NewMemory"))->trigger();
  m_calc->Memory().Model().SetValue(1, " 7\" ");
  const QString job = m_dir->filePath(QStringLiteral("job.mem"));
  m_fake.saveAnswer = job;
  Item(QStringLiteral("mnuSaveAs"))->trigger();
  QCOMPARE(m_calc->MemoryFileName(), job);

  const QByteArray text("Shopping list\r\nnails\r\nglue\r\n");
  m_fake.openAnswer = WriteFile(QStringLiteral("notes.txt"), text);
  Item(QStringLiteral("mnuOpen"))->trigger();
  QCOMPARE(m_fake.confirms, 1);
  QCOMPARE(m_fake.messages.size(), 1);
  QVERIFY2(m_fake.messages.first().contains(QLatin1String("notes.txt")), qPrintable(m_fake.messages.first()));
  QCOMPARE(CellNames(), QStringList{QStringLiteral("Memory 1")});
  QCOMPARE(CellValues(), QStringList{QStringLiteral(" 7\" ")});
  QVERIFY(m_calc->Memory().Form(1));
  QCOMPARE(m_calc->MemoryFileName(), job);

  // "Save" goes on writing the memory file, never over the refused document.
  m_calc->Memory().Model().SetValue(1, " 9\" ");
  Item(QStringLiteral("mnuSave"))->trigger();
  QCOMPARE(m_fake.saves, 1);
  QFile file(m_fake.openAnswer);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), text);
  QFile saved(job);
  QVERIFY(saved.open(QIODevice::ReadOnly));
  QVERIFY(saved.readAll().contains(" 9\" \r\n"));
}

void TestIntegration::openOverMoreCellsLeavesTheTapeWindowOnALiveTape() {
  Item(QStringLiteral("NewMemory"))->trigger();
  const QString path = m_dir->filePath(QStringLiteral("one.mem"));
  m_fake.saveAnswer = path;
  Item(QStringLiteral("mnuSaveAs"))->trigger();
  Item(QStringLiteral("NewMemory"))->trigger();
  Item(QStringLiteral("NewMemory"))->trigger();
  m_calc->Memory().SelectCellTape(3);
  QCOMPARE(m_calc->Tape()->Title()->text(), QStringLiteral("Memory 3"));
  m_fake.openAnswer = path;
  Item(QStringLiteral("mnuOpen"))->trigger();
  QCOMPARE(m_fake.confirms, 1);
  QCOMPARE(CellNames(), QStringList{QStringLiteral("Memory 1")});
  const TapeStore& tapes = m_session->Tapes();
  QVERIFY(tapes.CursorColumn() <= 1);
  QVERIFY(m_calc->Tape()->Title()->text() != QStringLiteral("Memory 3"));
  QVERIFY(m_calc->Tape()->findChild<QPushButton*>(QStringLiteral("cmdScrollTape(1)"))->isVisible());
  // The arrows walk the tapes that exist now: tape 0 and the loaded cell's.
  QStringList titles;
  for (int i = 0; i < 3; ++i) {
    m_calc->Tape()->cmdScrollTape_Click(1);
    titles << m_calc->Tape()->Title()->text();
  }
  QVERIFY2(!titles.contains(QStringLiteral("Memory 3")) && !titles.contains(QStringLiteral("Memory 2")),
           qPrintable(titles.join(QLatin1Char(','))));
}

// Named relative to the current folder, as a shell passes it.
void TestIntegration::fileNamedOnTheCommandLine_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("bytes");  // null: no such file
  QTest::addColumn<QStringList>("cells");
  QTest::addColumn<QString>("message");   // empty: none
  const QByteArray memoryFile(" 1575 \r\n 1635 \r\n 4000 \r\n 2000 \r\n 1\r\n 1935\r\nA\r\n 1\" \r\n");
  QTest::newRow("memory file") << "job.mem" << memoryFile << QStringList{"A"} << QString();
  QTest::newRow("missing") << "gone.mem" << QByteArray() << QStringList{} << "gone.mem could not be found";
  QTest::newRow("not a memory file") << "notes.txt" << QByteArray("nails\r\nglue\r\n") << QStringList{}
                                     << "notes.txt could not be opened as a memory file";
  QTest::newRow("folder") << "." << QByteArray() << QStringList{} << "is a folder";
}

void TestIntegration::fileNamedOnTheCommandLine() {
  QFETCH(QString, name);
  QFETCH(QByteArray, bytes);
  QFETCH(QStringList, cells);
  QFETCH(QString, message);
  if (!bytes.isNull()) WriteFile(name, bytes);
  const QString previousFolder = QDir::currentPath();
  QVERIFY(QDir::setCurrent(m_dir->path()));
  m_calc->OpenMemoryFile(name);
  QDir::setCurrent(previousFolder);

  QCOMPARE(CellNames(), cells);
  if (message.isEmpty()) {
    QVERIFY2(m_fake.messages.isEmpty(), qPrintable(m_fake.messages.join(QLatin1Char('\n'))));
    QCOMPARE(m_calc->MemoryFileName(), m_dir->filePath(name));  // where Save writes
  } else {
    QCOMPARE(m_fake.messages.size(), 1);
    QVERIFY2(m_fake.messages.first().contains(message), qPrintable(m_fake.messages.first()));
    QVERIFY(m_calc->MemoryFileName().isEmpty());
  }
}

// ---- Settings ------------------------------------------------------------------------

void TestIntegration::settingsSurviveARestart() {
  const QString ini = m_dir->filePath(QStringLiteral("Mezura.ini"));
  const QColor readoutColour(10, 20, 30);
  QSize size;
  QPoint place, converterPlace, container;
  const auto topLeft = [](const TwipRect& r) { return QPoint(WholeTwips(r.left), WholeTwips(r.top)); };
  Settings colours;
  {
    Run first;
    StartWith(ini, first);
    Calculator* calc = first.calc.get();
    ItemOf(calc, QStringLiteral("ZoomSmall"))->trigger();
    ItemOf(calc, QStringLiteral("thirtysecond"))->trigger();
    ItemOf(calc, QStringLiteral("mnuConverter"))->trigger();
    ItemOf(calc, QStringLiteral("ShowKeys"))->trigger();
    ItemOf(calc, QStringLiteral("mnuTape"))->trigger();
    m_fake.colourAnswer = readoutColour;
    ItemOf(calc, QStringLiteral("mnuColor(1)"))->trigger();
    for (int i : {0, 2, 3, 4, 5, 6}) {
      m_fake.colourAnswer = QColor(i * 30, 7, 200 - i);
      ItemOf(calc, QStringLiteral("mnuColor(%1)").arg(i))->trigger();
    }
    calc->Memory().MoveContainer(1200, 900);
    container = topLeft(calc->Memory().ContainerGeometry());
    colours = calc->CurrentSettings();
    calc->move(40, 60);
    QTRY_COMPARE(calc->pos(), QPoint(40, 60));
    size = calc->size();
    place = calc->pos();
    converterPlace = calc->ConverterWindow()->pos();
    QVERIFY(calc->close());
    QVERIFY(QFile::exists(ini));
  }
  Run run;
  StartWith(ini, run);
  Calculator* calc = run.calc.get();
  auto checked = [&](const char* name) { return ItemOf(calc, QString::fromLatin1(name))->isChecked(); };
  QVERIFY(checked("ZoomSmall"));
  QVERIFY(checked("mnuPopup1Zoom75"));
  QVERIFY(!checked("ZoomLarge"));
  QVERIFY(checked("thirtysecond"));
  QVERIFY(checked("mnuPopup1Accuracy32"));
  QVERIFY(!checked("Sixteen"));
  QCOMPARE(run.session->Engine().Accuracy(), 32);
  QVERIFY(checked("mnuConverter"));
  QVERIFY(calc->ConverterWindow()->isVisible());
  QCOMPARE(calc->ConverterWindow()->pos(), converterPlace);
  QVERIFY(!checked("ShowKeys"));
  QVERIFY(!checked("mnuPopup1ShowKeys"));
  QVERIFY(!checked("mnuTape"));
  QVERIFY(!calc->Tape()->isVisible());
  QCOMPARE(calc->size(), size);
  QCOMPARE(calc->pos(), place);
  QCOMPARE(calc->Readout()->palette().color(QPalette::Window), readoutColour);
  const Settings now = calc->CurrentSettings();
  QCOMPARE(now.calcBackground, colours.calcBackground);
  QCOMPARE(now.readoutBackground, colours.readoutBackground);
  QCOMPARE(now.memoryBackground, colours.memoryBackground);
  QCOMPARE(now.memoryReadout, colours.memoryReadout);
  QCOMPARE(now.converterColor, colours.converterColor);
  QCOMPARE(now.convReadout, colours.convReadout);
  QCOMPARE(now.convResult, colours.convResult);
  QCOMPARE(topLeft(calc->Memory().ContainerGeometry()), container);
  // A cell made now wears the memory colours that were saved.
  ItemOf(calc, QStringLiteral("NewMemory"))->trigger();
  QCOMPARE(calc->Memory().Form(1)->Client()->palette().color(QPalette::Window), QColor(2 * 30, 7, 198));
  QCOMPARE(calc->Memory().Form(1)->Label1()->palette().color(QPalette::Window), QColor(3 * 30, 7, 197));
  calc->close();
}

void TestIntegration::accuracyFromTheCommandLineIsNotSaved() {
  const QString ini = m_dir->filePath(QStringLiteral("Mezura.ini"));
  // Each run: the accuracy it starts with, the command line's, and a choice
  // from the menus (or none).
  struct Step {
    int startsWith;
    int commandLine;
    const char* picked;
  };
  for (const Step& step : {Step{16, 32, nullptr}, Step{16, 16, "thirtysecond"}, Step{32, 16, nullptr}}) {
    Run run;
    StartWith(ini, run);
    QCOMPARE(run.session->Engine().Accuracy(), step.startsWith);
    run.calc->SetAccuracyForThisRun(step.commandLine);
    QCOMPARE(run.session->Engine().Accuracy(), step.commandLine);
    QCOMPARE(ItemOf(run.calc.get(), QStringLiteral("thirtysecond"))->isChecked(), step.commandLine == 32);
    QCOMPARE(ItemOf(run.calc.get(), QStringLiteral("Sixteen"))->isChecked(), step.commandLine == 16);
    if (step.picked) ItemOf(run.calc.get(), QString::fromLatin1(step.picked))->trigger();
    run.calc->close();
  }
  Run last;
  StartWith(ini, last);
  QCOMPARE(last.session->Engine().Accuracy(), 32);  // the choice from the menus was kept
  last.calc->close();
}

void TestIntegration::tapeHiddenAtExitDocksWhenShownAfterRestart() {
  const QString ini = m_dir->filePath(QStringLiteral("Mezura.ini"));
  {
    Run first;
    StartWith(ini, first);
    Calculator* calc = first.calc.get();
    ItemOf(calc, QStringLiteral("mnuTape"))->trigger();
    calc->move(120, 200);
    calc->close();
  }
  Run run;
  StartWith(ini, run);
  Calculator* calc = run.calc.get();
  QVERIFY(!calc->Tape()->isVisible());
  ItemOf(calc, QStringLiteral("mnuTape"))->trigger();
  QVERIFY(calc->Tape()->isVisible());
  // Docked on the calculator's top edge, inset 240 twips on each side.
  const TwipRect tape = calc->Tape()->GeometryTwips();
  const TwipRect here = calc->CalculatorRect();
  QCOMPARE(tape.left, here.left + 240);
  QCOMPARE(tape.width, here.width - 480);
  QCOMPARE(tape.top + tape.height, here.top + 60);
  calc->close();
}

void TestIntegration::garbageSettingsStartWithDefaultsOnScreen() {
  const QString ini = m_dir->filePath(QStringLiteral("Mezura.ini"));
  {
    QSettings raw(ini, QSettings::IniFormat);
    raw.setValue(QStringLiteral("Settings/CalcTop"), QStringLiteral("abc"));
    raw.setValue(QStringLiteral("Settings/CalcLeft"), QStringLiteral("99999999"));
    raw.setValue(QStringLiteral("Settings/ConvTop"), QStringLiteral("99999999"));
    raw.setValue(QStringLiteral("Settings/Zoom"), QStringLiteral("maybe"));
    raw.setValue(QStringLiteral("Settings/Accuracy"), QStringLiteral("xyz"));
    raw.setValue(QStringLiteral("Colors/CalcBackground"), QStringLiteral("xyz"));
    raw.setValue(QStringLiteral("Colors/ReadoutBackground"), QStringLiteral("-5"));
    raw.setValue(QStringLiteral("Colors/Converter"), QStringLiteral("99999999999"));
  }
  Run run;
  StartWith(ini, run);
  Calculator* calc = run.calc.get();
  QVERIFY(ItemOf(calc, QStringLiteral("ZoomLarge"))->isChecked());
  QVERIFY(ItemOf(calc, QStringLiteral("Sixteen"))->isChecked());
  QCOMPARE(run.session->Engine().Accuracy(), 16);
  QCOMPARE(calc->centralWidget()->palette().color(QPalette::Window), QColor(0, 128, 128));
  QCOMPARE(calc->Readout()->palette().color(QPalette::Window), QColor(255, 255, 128));
  QCOMPARE(calc->ConverterWindow()->ConverterColor(), kDefaultBackgroundColour);
  const QRect screen = calc->screen()->availableGeometry();
  QVERIFY2(screen.contains(calc->frameGeometry()), qPrintable(QStringLiteral("%1,%2").arg(calc->x()).arg(calc->y())));
  calc->close();
}

void TestIntegration::oversizedSettingsAreSetAsideAndToldOnce() {
  QByteArray junk = "[Settings]\nZoom=True\n;";
  junk += QByteArray(SettingsStore::kMaxFileBytes, 'x');
  const QString ini = WriteFile(QStringLiteral("Mezura.ini"), junk);
  Run run;
  StartWith(ini, run);
  QTRY_COMPARE(m_fake.messages.size(), 1);
  QVERIFY2(m_fake.messages.first().contains(QLatin1String("moved aside")), qPrintable(m_fake.messages.first()));
  QVERIFY(ItemOf(run.calc.get(), QStringLiteral("ZoomLarge"))->isChecked());  // the defaults, not the file
  run.calc->close();
  QCOMPARE(m_fake.messages.size(), 1);
  QVERIFY(QFileInfo(ini).size() < 1024);
}

void TestIntegration::memoryKeysWorkOnTheActiveCellFromTheKeyboard() {
  const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(m_calc->focusWidget(), key, modifiers);
  };
  // No cell yet: a beep, and the plus is no key of the calculator's.
  Keys({QStringLiteral("Number(5)"), QStringLiteral("Foot")});
  const QString shown = m_calc->Readout()->text();
  press(Qt::Key_Plus, Qt::ControlModifier);
  QCOMPARE(m_fake.beeps, 1);
  QCOMPARE(m_calc->Readout()->text(), shown);

  Item(QStringLiteral("NewMemory"))->trigger();
  Item(QStringLiteral("NewMemory"))->trigger();
  // The cell last created is the active one, until another is clicked.
  QCOMPARE(m_calc->Memory().ActiveCell(), 2);
  QTest::mouseClick(m_calc->Memory().Form(1)->Label1(), Qt::LeftButton);
  QCOMPARE(m_calc->Memory().ActiveCell(), 1);
  QCOMPARE(m_calc->Memory().Form(2)->Label1()->frameShape(), QFrame::NoFrame);  // only the active one is framed
  const int calcRows = Rows(0);
  // The keys work from the Memory window, where the click left the keyboard, too.
  m_calc->Memory().Container()->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(m_calc->Memory().Container()));
  QTest::keyClick(m_calc->Memory().Container(), Qt::Key_Plus, Qt::ControlModifier);
  QCOMPARE(CellValues().first(), QStringLiteral(" 5'- 0\" "));
  m_calc->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(m_calc));
  // Plus, with or without Shift or from the keypad, then minus: 5' + 5' + 5' + 5' - 5'.
  for (const auto& [key, modifiers] : {std::pair{Qt::Key_Plus, Qt::KeyboardModifiers(Qt::ControlModifier)},
                                      {Qt::Key_Equal, Qt::ControlModifier},
                                      {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier},
                                      {Qt::Key_Minus, Qt::ControlModifier}})
    press(key, modifiers);
  QCOMPARE(CellValues().first(), QStringLiteral(" 15'- 0\" "));
  QCOMPARE(CellValues().last(), QStringLiteral("0."));
  QCOMPARE(Rows(1), 15);
  QCOMPARE(Line(1, 13), QStringLiteral(" - ") + shown.trimmed() + QLatin1Char(' '));
  // The calculator took none of these as keys of its own.
  QCOMPARE(m_calc->Readout()->text(), shown);
  QCOMPARE(Rows(0), calcRows);
  QCOMPARE(m_fake.beeps, 1);
  // The calculator kept the keyboard, so its tape is the one in view.
  QCOMPARE(m_session->Tapes().CurrentTape(), 0);

  // Recall with "x" pending is the second operand, as the cell's drop would be.
  Keys({QStringLiteral("Multiply")});
  press(Qt::Key_R, Qt::ControlModifier);
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral(" 75'- 0\" sq."));
  QCOMPARE(m_calc->focusWidget(), m_calc->findChild<QPushButton*>(QStringLiteral("Equal")));

  // The active cell closed: a beep, not the other cell.
  m_calc->Memory().Form(1)->close();
  QCOMPARE(m_calc->Memory().ActiveCell(), 0);
  press(Qt::Key_Plus, Qt::ControlModifier);
  press(Qt::Key_R, Qt::ControlModifier);
  QCOMPARE(m_fake.beeps, 3);
  QCOMPARE(CellValues(), QStringList{QStringLiteral("0.")});
}

void TestIntegration::keptCellsSurviveARestartOnlyWhenAskedFor() {
  const QString ini = m_dir->filePath(QStringLiteral("Mezura.ini"));
  const QString kept = m_dir->filePath(QStringLiteral("share"));
  const QString file = QDir(kept).filePath(QString::fromLatin1(KeptCells::kFileName));
  // Off at first (nothing written), then on: the cells of the run are kept.
  for (const bool keep : {false, true}) {
    Run run;
    StartWith(ini, run, kept);
    QCOMPARE(ItemOf(run.calc.get(), QStringLiteral("mnuKeepCells"))->isChecked(), false);
    if (keep) ItemOf(run.calc.get(), QStringLiteral("mnuKeepCells"))->trigger();
    ItemOf(run.calc.get(), QStringLiteral("NewMemory"))->trigger();
    ItemOf(run.calc.get(), QStringLiteral("NewMemory"))->trigger();
    run.calc->Memory().Model().SetValue(2, " 12'- 3 1/2\" ");
    QVERIFY(run.calc->close());
    QCOMPARE(QFile::exists(file), keep);
  }
  const QByteArray saved = Contents(file);
  Run back;
  StartWith(ini, back, kept);
  QVERIFY(ItemOf(back.calc.get(), QStringLiteral("mnuKeepCells"))->isChecked());
  QStringList values;
  for (const MemoryCell& cell : back.calc->Memory().Model().Cells()) values << Q(cell.name + "=" + cell.value);
  QCOMPARE(values, (QStringList{QStringLiteral("Memory 1=0."), QStringLiteral("Memory 2= 12'- 3 1/2\" ")}));
  QCOMPARE(back.calc->MemoryFileName(), QString());  // no file the user chose: Save asks where
  // Turned off, the kept file stays as it was for a later run.
  ItemOf(back.calc.get(), QStringLiteral("mnuKeepCells"))->trigger();
  ItemOf(back.calc.get(), QStringLiteral("EraseMemory"))->trigger();
  QVERIFY(back.calc->close());
  QCOMPARE(Contents(file), saved);
  QVERIFY(m_fake.messages.isEmpty());
}

void TestIntegration::unwritableSettingsAreToldOnceOnExit_data() {
  QTest::addColumn<QString>("obstacle");
  QTest::addColumn<QString>("reason");
  QTest::newRow("a folder of that name") << QStringLiteral("folder") << QStringLiteral("a folder of that name is in the way");
  QTest::newRow("a full disk") << QStringLiteral("full") << QStringLiteral("the disk is full");
  QTest::newRow("a read-only disk") << QStringLiteral("read-only") << QStringLiteral("the disk is read-only");
}

void TestIntegration::unwritableSettingsAreToldOnceOnExit() {
  QFETCH(QString, obstacle);
  QFETCH(QString, reason);
  QString ini = m_dir->filePath(QStringLiteral("Mezura.ini"));
  std::optional<testing::TinyTmpfs> disk;
  if (obstacle == QLatin1String("folder")) {
    QVERIFY(QDir().mkdir(ini));
  } else {
    disk.emplace(64);
    if (!disk->Error().isEmpty()) QSKIP(qPrintable(disk->Error()));
    ini = disk->Path(QStringLiteral("Mezura.ini"));
    {
      Run first;  // leaves a settings file as any run does
      StartWith(ini, first);
      first.calc->close();
    }
    QVERIFY(m_fake.messages.isEmpty());
    QVERIFY(obstacle == QLatin1String("full") ? disk->Fill() : disk->MakeReadOnly());
  }
  const QByteArray before = Contents(ini);
  Run run;
  StartWith(ini, run);
  ItemOf(run.calc.get(), QStringLiteral("ZoomSmall"))->trigger();
  ItemOf(run.calc.get(), QStringLiteral("Exit"))->trigger();
  QCOMPARE(m_fake.messages.size(), 1);
  QVERIFY2(m_fake.messages.first().contains(ini) && m_fake.messages.first().contains(reason),
           qPrintable(m_fake.messages.first()));
  QCOMPARE(Contents(ini), before);
  run.calc->close();  // closing again says nothing more
  QCOMPARE(m_fake.messages.size(), 1);
}

// ---- Converter and the companions ------------------------------------------------------

void TestIntegration::converterMenuShowsBesideAndHides() {
  Converter* converter = m_calc->ConverterWindow();
  QAction* item = Item(QStringLiteral("mnuConverter"));
  QVERIFY(!converter->isVisible());
  item->trigger();
  QVERIFY(converter->isVisible());
  // The exact place beside is the converter's own test; here: beside this calculator.
  QVERIFY(!converter->frameGeometry().intersects(m_calc->frameGeometry()));
  item->trigger();
  QVERIFY(!converter->isVisible());
  QVERIFY(!item->isChecked());
}

void TestIntegration::converterClosedByUserUnchecksTheMenu() {
  Item(QStringLiteral("mnuConverter"))->trigger();
  // The close box: the window system's close reaches the widget's window,
  // which hands the widget a spontaneous close event.
  QCloseEvent closeBox;
  QApplication::sendEvent(m_calc->ConverterWindow()->windowHandle(), &closeBox);
  QTRY_VERIFY(!m_calc->ConverterWindow()->isVisible());
  QVERIFY(!Item(QStringLiteral("mnuConverter"))->isChecked());
  // The next click shows it again rather than "hiding" a hidden window.
  Item(QStringLiteral("mnuConverter"))->trigger();
  QVERIFY(m_calc->ConverterWindow()->isVisible());
}

void TestIntegration::minimizeHidesCompanionsRestoreFollowsTheMenus() {
  Item(QStringLiteral("NewMemory"))->trigger();
  Item(QStringLiteral("mnuConverter"))->trigger();
  QWidget* container = m_calc->Memory().Container();
  QWidget* converter = m_calc->ConverterWindow();
  TapeWindow* tape = m_calc->Tape();
  QVERIFY(container->isVisible() && converter->isVisible() && tape->isVisible());
  m_calc->showMinimized();
  QTRY_VERIFY(!tape->isVisible());
  QVERIFY(!converter->isVisible());
  QVERIFY(!container->isVisible());
  m_calc->showNormal();
  QTRY_VERIFY(tape->isVisible());
  QVERIFY(converter->isVisible());
  QVERIFY(container->isVisible());

  // With the converter and the tape switched off and no cells, restore shows none of them.
  Item(QStringLiteral("mnuConverter"))->trigger();
  Item(QStringLiteral("mnuTape"))->trigger();
  Item(QStringLiteral("EraseMemory"))->trigger();
  m_calc->showMinimized();
  QTRY_VERIFY(m_calc->isMinimized());
  m_calc->showNormal();
  QTRY_VERIFY(!m_calc->isMinimized());
  QVERIFY(!tape->isVisible());
  QVERIFY(!converter->isVisible());
  QVERIFY(!container->isVisible());
}

// ---- Printing ---------------------------------------------------------------------------

void TestIntegration::printAllIncludesTapesOfClosedCells() {
  Item(QStringLiteral("NewMemory"))->trigger();
  Item(QStringLiteral("NewMemory"))->trigger();
  QVERIFY(m_calc->Memory().Form(1)->close());
  QCOMPARE(CellNames(), QStringList{QStringLiteral("Memory 2")});
  Item(QStringLiteral("mnuPrintAll"))->trigger();
  QCOMPARE(m_printHost.jobs,
           (QStringList{QStringLiteral("Fake:Calculator"), QStringLiteral("Fake:Memory 1"),
                        QStringLiteral("Fake:Memory 2")}));
  // After Erase All only the calculator's tape is left.
  m_printHost.jobs.clear();
  Item(QStringLiteral("EraseMemory"))->trigger();
  Item(QStringLiteral("mnuPrintAll"))->trigger();
  QCOMPARE(m_printHost.jobs, QStringList{QStringLiteral("Fake:Calculator")});
}

void TestIntegration::tapePopupOpensOnRightClickAndPrintsTheTapeShown() {
  Item(QStringLiteral("NewMemory"))->trigger();
  TapeWindow* tape = m_calc->Tape();
  QVERIFY(tape->isVisible());
  m_calc->Memory().SelectCellTape(1);
  // A line written to the calculator's tape moves the write cursor there and
  // leaves Memory 1 on screen: the File menu prints the cursor's tape, the
  // pop-up the one the user is looking at.
  m_session->Tapes().SetCursor(0, m_session->Tapes().CursorRow());
  QCOMPARE(tape->Title()->text(), QStringLiteral("Memory 1"));
  Item(QStringLiteral("mnuPrint"))->trigger();
  QCOMPARE(m_printHost.jobs, QStringList{QStringLiteral("Fake:Calculator")});
  QWidget* viewport = tape->Grid()->viewport();
  QTest::mouseClick(viewport, Qt::RightButton, Qt::NoModifier, QPoint(5, viewport->height() / 2));
  QTRY_VERIFY(tape->Popup()->isVisible());
  QCOMPARE(m_session->Tapes().CursorColumn(), 0);
  QStringList items;
  for (QAction* action : tape->Popup()->actions()) items << (action->isSeparator() ? "-" : action->text());
  QCOMPARE(items, QStringList({"Print Tape", "Print All Tapes", "-", "Copy Tape", "Save Tape As...", "Print Preview..."}));
  ClickMenuItem(tape->Popup(), tape->Popup()->actions().at(0));
  QTRY_VERIFY(!tape->Popup()->isVisible());
  QCOMPARE(m_printHost.jobs, (QStringList{QStringLiteral("Fake:Calculator"), QStringLiteral("Fake:Memory 1")}));
  QTest::mouseClick(viewport, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
  QTRY_VERIFY(tape->Popup()->isVisible());
  ClickMenuItem(tape->Popup(), tape->Popup()->actions().at(1));
  QTRY_VERIFY(!tape->Popup()->isVisible());
  QCOMPARE(m_printHost.jobs, (QStringList{QStringLiteral("Fake:Calculator"), QStringLiteral("Fake:Memory 1"),
                                          QStringLiteral("Fake:Calculator"), QStringLiteral("Fake:Memory 1")}));
  // A left click does not open it.
  QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::qWait(20);
  QVERIFY(!tape->Popup()->isVisible());
}

// ---- Exit -----------------------------------------------------------------------------------

void TestIntegration::exitWritesTheSettingsAndCloses() {
  const QString ini = m_dir->filePath(QStringLiteral("Mezura.ini"));
  Run run;
  StartWith(ini, run);
  Calculator* calc = run.calc.get();
  ItemOf(calc, QStringLiteral("ZoomSmall"))->trigger();
  ItemOf(calc, QStringLiteral("NewMemory"))->trigger();
  ItemOf(calc, QStringLiteral("mnuConverter"))->trigger();
  QVERIFY(!QFile::exists(ini));  // nothing is written while the program runs
  ItemOf(calc, QStringLiteral("Exit"))->trigger();
  QVERIFY(!calc->isVisible());
  QVERIFY(!calc->Tape()->isVisible());
  QVERIFY(!calc->Memory().Container()->isVisible());
  QVERIFY(QFile::exists(ini));
  SettingsStore reread(ini);
  QCOMPARE(reread.Read("Settings", "Zoom").value_or(""), std::string("True"));
  // Written before the companions were put away: they were showing.
  QCOMPARE(reread.Read("Settings", "Converter").value_or(""), std::string("True"));
  QCOMPARE(reread.Read("Settings", "ShowTape").value_or(""), std::string("True"));
  QVERIFY(!calc->ConverterWindow()->isVisible());
  QCOMPARE(calc->Memory().Model().CellCount(), 0);
}

}  // namespace mezura

QTEST_MAIN(mezura::TestIntegration)
#include "tst_integration.moc"
