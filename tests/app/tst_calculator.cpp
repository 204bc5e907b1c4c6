// The calculator window as the user meets it: real keys clicked by name and
// the keyboard driving the engine, the display and the tape; the zoom levels
// and the key display; the menu tree; the docked tape window following the
// window; minimise and restore.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/calculator.h"
#include "app/help/frm_about.h"
#include "app/keep_on_top.h"
#include "app/session.h"
#include "converter/ui/converter.h"
#include "memory/ui/frm_input.h"
#include "memory/ui/mdi_form1.h"
#include "memory/ui/memory_controller.h"
#include "support/fake_print_host.h"
#include "tape/ui/tape_printer.h"
#include "tape/ui/tape_window.h"
#include "support/drop_events.h"

namespace mezura {

namespace {
const QString kSep = QStringLiteral("--------------- ");
}

class TestCalculator : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void keypadClicksDriveTheEngine_data();
  void keypadClicksDriveTheEngine();
  void keyboardDrivesTheEngine_data();
  void keyboardDrivesTheEngine();
  void keypadDecimalKeyAndComma();
  void keysLookAsDesigned();
  void designFontInOwnWindowsOnly();
  void footAndInchAreOnTopOfBackspaceAndPi();
  void rightClickOpensThePopupAndPressesNothing();
  void menuTreeAsDesigned();
  void altLetterOpensItsMenu();
  void engineMessagesAreWarningBoxes();
  void startUpCentresAndShowsTheTape();
  void zoomRoundTripRestoresEveryControl();
  void zoomSmallPlacesKeysByTheRule();
  void showKeysChangesOnlyTheHeight_data();
  void showKeysChangesOnlyTheHeight();
  void doubleClickOnBackgroundOrPromptTogglesKeys();
  void tapeWindowDocksAndFollowsTheCalculator();
  void tapeShowsTapeZeroGrowing();
  void tapeHidesAndShowsWithTheMenus();
  void activationSelectsTapeZero();
  void keepOnTopChangesOnlyTheFlag();
  void longEntriesShrinkToFit();
  void anyKeysAtAnySpeedLoseNothing();
  void pasteAndCopyTheDisplay_data();
  void pasteAndCopyTheDisplay();
  void refusedPasteBeepsFlashesAndSaysWhy_data();
  void refusedPasteBeepsFlashesAndSaysWhy();
  void refusedKeyFlashesTheDisplay();
  void shortcutsRunTheirCommandsAndTypeNothing();
  void noTwoItemsOfAMenuShareALetter();
  void undoAndRedoKeysFollowWhatCanBeTakenBack();

 private:
  QPushButton* Key(const QString& name) const;
  QAction* Item(const QString& name) const;
  QStringList TapeLines() const;
  Session* m_session = nullptr;
  Calculator* m_calc = nullptr;
};

void TestCalculator::init() {
  m_session = new Session;
  m_calc = new Calculator(*m_session);
  m_calc->move(300, 300);
  m_calc->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_calc));
  Item("mnuTape")->trigger();
  m_calc->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(m_calc));
}

void TestCalculator::cleanup() {
  delete m_calc;
  delete m_session;
  m_calc = nullptr;
  QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QPushButton* TestCalculator::Key(const QString& name) const {
  auto* key = m_calc->findChild<QPushButton*>(name);
  if (!key) qWarning("no key %s", qPrintable(name));
  return key;
}

QAction* TestCalculator::Item(const QString& name) const { return m_calc->findChild<QAction*>(name); }

QStringList TestCalculator::TapeLines() const {
  return testing::TapeLineTexts(m_session->Tapes(), 0);
}

void TestCalculator::keypadClicksDriveTheEngine_data() {
  QTest::addColumn<QStringList>("keys");
  QTest::addColumn<QString>("readout");
  QTest::addColumn<QString>("action");
  QTest::addColumn<QStringList>("tape");
  QTest::newRow("feet, inches and a fraction")
      << QStringList{"Cancel", "Number(5)", "Foot", "Number(3)", "Spacebar", "Number(1)", "Divide", "Number(2)", "Inch"}
      << QStringLiteral("5'- 3 1/2\"") << QString() << QStringList{" ", "Clear ", " "};
  QTest::newRow("adding feet")
      << QStringList{"Number(5)", "Foot", "Number(3)", "Equal", "Plus", "Number(2)", "Foot", "Equal"}
      << QStringLiteral(" 7'- 3\"") << QString() << QStringList{"5'- 3 ", "+ 2' ", kSep, " 7'- 3\" "};
  QTest::newRow("pending add shows")
      << QStringList{"Number(7)", "Equal", "Plus"} << QString() << QStringLiteral("+") << QStringList{"7 "};
  QTest::newRow("pending subtract shows")
      << QStringList{"Number(7)", "Equal", "Minus"} << QString() << QStringLiteral("--") << QStringList{"7 "};
  QTest::newRow("length times length is an area")
      << QStringList{"Number(5)", "Foot", "Equal", "Multiply", "Number(3)", "Foot", "Equal"}
      << QStringLiteral(" 15'- 0\" sq.") << QString() << QStringList{"5' ", "x 3' ", kSep, " 15'- 0\" sq. "};
  QTest::newRow("square root") << QStringList{"Number(1)", "Number(4)", "Number(4)", "SquareRoot"}
                               << QStringLiteral(" 1'- 0\"") << QString()
                               << QStringList{"144 ", "SQT  ", kSep, " 1'- 0\" "};
  QTest::newRow("square") << QStringList{"Number(7)", "Square"} << QStringLiteral(" 4'- 1\"") << QString()
                          << QStringList{"7 ", "x 7 ", kSep, " 4'- 1\" "};
  QTest::newRow("decimal and cancel entry")
      << QStringList{"Number(7)", "Decimal", "Decimal", "Number(5)"} << QStringLiteral("7.5") << QString() << QStringList{};
  QTest::newRow("cancel entry keeps the operation")
      << QStringList{"Number(9)", "Equal", "Plus", "Number(6)", "CancelEntry"} << QStringLiteral("0.")
      << QStringLiteral("+") << QStringList{"9 "};
  QTest::newRow("every digit") << QStringList{"Number(1)", "Number(2)", "Number(3)", "Number(4)", "Number(5)",
                                              "Number(6)", "Number(7)", "Number(8)", "Number(9)", "Number(0)"}
                               << QStringLiteral("1234567890") << QString() << QStringList{};
}

void TestCalculator::keypadClicksDriveTheEngine() {
  QFETCH(QStringList, keys);
  QFETCH(QString, readout);
  QFETCH(QString, action);
  QFETCH(QStringList, tape);
  for (const QString& name : keys) {
    QPushButton* key = Key(name);
    QVERIFY(key);
    QTest::mouseClick(key, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), Key(QStringLiteral("Equal")));
  }
  QCOMPARE(m_calc->Readout()->text(), readout);
  QCOMPARE(m_calc->findChild<QLabel*>(QStringLiteral("ActionLabel"))->text(), action);
  QCOMPARE(TapeLines(), tape);
}

void TestCalculator::keyboardDrivesTheEngine_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("readout");
  QTest::addColumn<int>("tapeLines");
  QTest::newRow("a measurement") << QStringLiteral("5'3 1/2\"") << QStringLiteral("5'- 3 1/2\"") << 0;
  QTest::newRow("a sum") << QStringLiteral("5'3=+2'=") << QStringLiteral(" 7'- 3\"") << 4;
  QTest::newRow("x X and * multiply") << QStringLiteral("2=x3=X2=*2=") << QStringLiteral(" 2'- 0\"") << 10;
  QTest::newRow("c clears") << QStringLiteral("7=c") << QStringLiteral("0.") << 4;
  QTest::newRow("C clears") << QStringLiteral("7=C") << QStringLiteral("0.") << 4;
  QTest::newRow("p shows pi") << QStringLiteral("p") << QStringLiteral("3.14159265") << 1;
  QTest::newRow("other keys do nothing") << QStringLiteral("7qz#") << QStringLiteral("7") << 0;
}

void TestCalculator::keyboardDrivesTheEngine() {
  QFETCH(QString, typed);
  QFETCH(QString, readout);
  QFETCH(int, tapeLines);
  QTest::keyClicks(QApplication::focusWidget(), typed);
  QCOMPARE(m_calc->Readout()->text(), readout);
  QCOMPARE(m_session->Tapes().TapeRowCount(0), tapeLines);
  QCOMPARE(QApplication::focusWidget(), Key(QStringLiteral("Equal")));
}

void TestCalculator::keypadDecimalKeyAndComma() {
  int beeps = 0;
  m_calc->SetBeepHook([&] { ++beeps; });
  QWidget* focus = QApplication::focusWidget();
  // The keypad's decimal key is the point under a point layout and a comma layout.
  QTest::keyClick(focus, Qt::Key_1);
  QTest::keyClick(focus, Qt::Key_Period, Qt::KeypadModifier);
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("1."));
  QTest::keyClick(focus, Qt::Key_Escape);
  QTest::keyClick(focus, Qt::Key_1);
  QTest::keyClick(focus, Qt::Key_Comma, Qt::KeypadModifier);
  QTest::keyClick(focus, Qt::Key_5);
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("1.5"));
  // A comma elsewhere is no part of a measurement: it beeps and adds nothing.
  QTest::keyClicks(focus, QStringLiteral(",5"));
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("1.55"));
  QCOMPARE(beeps, 1);
}

void TestCalculator::keysLookAsDesigned() {
  const struct {
    const char* name;
    const char* caption;
    const char* tip;
  } keys[] = {{"Number(0)", "0", "0"},         {"Minus", "--", "Subtract"},
              {"Square", "x\u00B2", "Square"}, {"SquareRoot", "\u221A", "Square Root"},
              {"Spacebar", "", "Space"},       {"Equal", "=", "Equals"},
              {"CancelEntry", "CE", "Cancel Entry"}, {"Decimal", ".", "Decimal Point"}};
  for (const auto& k : keys) {
    QPushButton* key = Key(QString::fromUtf8(k.name));
    QVERIFY(key);
    QCOMPARE(key->text(), QString::fromUtf8(k.caption));
    QCOMPARE(key->toolTip(), QString::fromUtf8(k.tip));
    QVERIFY(key->isVisible());
  }
  // The face's font must really be there, not a fallback of another width.
  QCOMPARE(QFontInfo(Key(QStringLiteral("Equal"))->font()).family(), QStringLiteral("Liberation Sans"));
  QCOMPARE(m_calc->windowTitle(), QStringLiteral("Brellin Calculator"));
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("0."));
  // The last row keeps its margin inside the window.
  QVERIFY(Key(QStringLiteral("Number(0)"))->geometry().bottom() < m_calc->centralWidget()->height() - 2);
}

void TestCalculator::designFontInOwnWindowsOnly() {
  const QString design = QStringLiteral("Liberation Sans");
  if (QFontInfo(QApplication::font()).family() == design) QSKIP("the desktop's font is the design's here");
  // Each of the program's own windows carries the design's font itself.
  frmInput input(m_calc);
  FrmAbout about(m_calc);
  QWidget* const own[] = {m_calc->centralWidget(),
                          m_calc->menuBar(),
                          m_calc->Tape()->Grid(),
                          m_calc->ConverterWindow()->findChild<QLabel*>(QStringLiteral("lblLabel(2)")),
                          m_calc->Memory().Container(),
                          input.txtText1(),
                          about.findChild<QPushButton*>(QStringLiteral("cmdOK"))};
  for (QWidget* widget : own) {
    QVERIFY(widget);
    QVERIFY2(QFontInfo(widget->font()).family() == design, qPrintable(widget->objectName()));
  }
  // Menus and dialogs keep the desktop's.
  QMessageBox box(QMessageBox::Warning, m_calc->windowTitle(), QStringLiteral("?"), QMessageBox::Ok, m_calc);
  QWidget* const others[] = {m_calc->menuBar()->actions().constFirst()->menu(), m_calc->Tape()->Popup(), &box};
  for (QWidget* widget : others) QCOMPARE(widget->font(), QApplication::font());
}

void TestCalculator::footAndInchAreOnTopOfBackspaceAndPi() {
  QWidget* face = m_calc->centralWidget();
  for (const char* name : {"Foot", "Inch"}) {
    QPushButton* key = Key(QString::fromUtf8(name));
    QCOMPARE(face->childAt(key->geometry().center()), key);
  }
  for (const char* name : {"Backspace", "Pi"}) QVERIFY(!Key(QString::fromUtf8(name))->isVisible());
  QTest::mouseClick(Key(QStringLiteral("Number(5)")), Qt::LeftButton);
  QTest::mouseClick(Key(QStringLiteral("Foot")), Qt::LeftButton);
  QTest::mouseClick(Key(QStringLiteral("Inch")), Qt::LeftButton);
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("5'- \""));
  // The keyboard still reaches backspace.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("5"));
}

void TestCalculator::rightClickOpensThePopupAndPressesNothing() {
  for (const char* name : {"Number(7)", "Equal", "Plus", "Cancel"}) {
    QTest::mouseClick(Key(QString::fromUtf8(name)), Qt::RightButton);
    QTRY_VERIFY(m_calc->Popup()->isVisible());
    m_calc->Popup()->hide();
    // The keyboard stays with "=", whichever key was clicked.
    QCOMPARE(m_calc->focusWidget(), Key(QStringLiteral("Equal")));
  }
  for (const char* name : {"Label1", "Readout"}) {
    QTest::mouseClick(m_calc->findChild<QLabel*>(QString::fromUtf8(name)), Qt::RightButton);
    QTRY_VERIFY(m_calc->Popup()->isVisible());
    m_calc->Popup()->hide();
  }
  QTest::mouseClick(m_calc->centralWidget(), Qt::RightButton, {}, QPoint(2, 60));
  QTRY_VERIFY(m_calc->Popup()->isVisible());
  m_calc->Popup()->hide();
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("0."));
  QCOMPARE(m_session->Tapes().TapeRowCount(0), 0);
}

// One line per menu entry: indentation by depth, the control name, the caption,
// and "[ ]"/"[x]" for items with a check mark.
static void Walk(const QMenu* menu, int depth, QStringList& out) {
  for (const QAction* action : menu->actions()) {
    QString line = QString(depth * 2, QLatin1Char(' ')) + action->objectName();
    if (action->isSeparator())
      line += QStringLiteral(" -");
    else
      line += QStringLiteral(" \"%1\"").arg(action->text());
    if (action->isCheckable()) line += action->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]");
    out << line;
    if (action->menu()) Walk(action->menu(), depth + 1, out);
  }
}

void TestCalculator::menuTreeAsDesigned() {
  const QStringList expectedBar{
      R"(File "&File")",
      R"(  mnuOpen "&Open...")",
      R"(  mnuSave "&Save")",
      R"(  mnuSaveAs "Save &As...")",
      R"(  mnuSep -)",
      R"(  mnuPrint "&Print Current Tape")",
      R"(  mnuPrintAll "Print All &Tapes")",
      R"(  mnuSeperator -)",
      R"(  Formulas "&Formulas")",
      R"(    Circumference "&Circumference...")",
      R"(    CircArea "&Area of circle...")",
      R"(    CylVolume "&Volume of cylinder...")",
      R"(    mnuDiagonal "&Diagonal...")",
      R"(    mnuStairs "&Stairs...")",
      R"(  Exit "E&xit")",
      R"(Memory "&Memory")",
      R"(  NewMemory "New &Memory")",
      R"(  NamedMemory "&Named Memory...")",
      R"(  mnuArrangeMemory "&Arrange")",
      R"(  ClearMemory "&Clear All")",
      R"(  EraseMemory "&Erase All")",
      R"(  mnuMemoryKeysSeparator -)",
      R"(  mnuMemoryAdd "A&dd to Cell")",
      R"(  mnuMemorySubtract "&Subtract from Cell")",
      R"(  mnuMemoryRecall "&Recall Cell")",
      R"(  mnuKeepCells "&Keep Cells After Exit" [ ])",
      R"(DisplayMenu "&Display")",
      R"(  Accuracy "&Accuracy")",
      R"(    Sixteen "1/&16"" [x])",
      R"(    thirtysecond "1/&32"" [ ])",
      R"(    mnuAccuracy4 "1/&4"" [ ])",
      R"(    mnuAccuracy8 "1/&8"" [ ])",
      R"(    mnuAccuracy64 "1/&64"" [ ])",
      R"(  ShowKeys "Show &Keys" [x])",
      R"(  mnuConverter "&Converter" [ ])",
      R"(  mnuTape "&Tape" [ ])",
      R"(  Zoom "&Zoom")",
      R"(    ZoomSmall "&75%" [ ])",
      R"(    ZoomLarge "&100%" [x])",
      R"(  mnuColors "C&olors")",
      R"(    mnuColor(0) "&Calculator")",
      R"(    mnuColor(1) "Calculator &readout ")",
      R"(    mnuColor(2) "&Memory")",
      R"(    mnuColor(3) "Memory r&eadout")",
      R"(    mnuColor(4) "C&onverter")",
      R"(    mnuColor(5) "Con&verter readout")",
      R"(    mnuColor(6) "Converter re&sult readouts")",
      R"(HelpMenu "&Help")",
      R"(  mnuHelpContents "&Contents")",
      R"(  mnuAbout "&About")",
  };
  const QStringList expectedPopup{
      R"(mnuPopup1NewMemory "New Memory")",
      R"(mnuPopup1NamedMemory "Named Memory")",
      R"(mnuPopup1Separator1 -)",
      R"(mnuPopup1Accuracy16 "1/16" Accuracy" [x])",
      R"(mnuPopup1Accuracy32 "1/32" Accuracy" [ ])",
      R"(mnuPopup1Accuracy4 "1/4" Accuracy" [ ])",
      R"(mnuPopup1Accuracy8 "1/8" Accuracy" [ ])",
      R"(mnuPopup1Accuracy64 "1/64" Accuracy" [ ])",
      R"(mnuPopup1Separator2 -)",
      R"(mnuPopup1Zoom75 "Zoom 75%" [ ])",
      R"(mnuPopup1Zoom100 "Zoom 100%" [x])",
      R"(mnuPopup1ShowKeys "Show Keys" [x])",
      R"(mnuPopup1ShowTape "ShowTape" [ ])",
      R"(mnuPopup1Separator3 -)",
      R"(mnuPopUp1Circumference "Circumference...")",
      R"(mnuPopUp1AreaofCircle "Area of Circle...")",
      R"(mnuPopUp1VolumeofCylinder "VolumeofCylinder...")",
      R"(mnuPopUp1Diagonal "Diagonal...")",
      R"(mnuPopUp1Stairs "Stairs...")",
      R"(mnuPopup1Separator4 -)",
      R"(mnuPopup1Cancel "Cancel")",
      R"(mnuPopup1SeparatorClipboard -)",
      R"(mnuPopup1Copy "Copy")",
      R"(mnuPopup1Paste "Paste")",
      R"(mnuPopup1CopyTape "Copy Tape")",
      R"(mnuPopup1SaveTapeAs "Save Tape As...")",
      R"(mnuPopup1SeparatorUndo -)",
      R"(mnuPopup1Undo "Undo")",
      R"(mnuPopup1Redo "Redo")",
  };
  // The start state, before the start-up shows the tape.
  Session session;
  Calculator fresh(session);
  QStringList bar;
  for (const QAction* action : fresh.menuBar()->actions()) {
    bar << QStringLiteral("%1 \"%2\"").arg(action->objectName(), action->text());
    QVERIFY(action->menu());
    Walk(action->menu(), 1, bar);
  }
  QCOMPARE(bar, expectedBar);
  QStringList popup;
  Walk(fresh.Popup(), 0, popup);
  QCOMPARE(popup, expectedPopup);
  QCOMPARE(fresh.Popup()->objectName(), QStringLiteral("mnuPopup1"));
  QCOMPARE(fresh.Popup()->title(), QStringLiteral("Popup1"));
  // Only these have shortcuts; every other item is reached by its letter.
  const QMap<QString, QString> expectedKeys{
      {"mnuOpen", "Ctrl+O"},          {"mnuSave", "Ctrl+S"},        {"mnuPrint", "Ctrl+P"},
      {"Exit", "Ctrl+Q"},             {"mnuHelpContents", "F1"},    {"mnuPopup1Copy", "Ctrl+C; Ctrl+Ins"},
      {"mnuPopup1Paste", "Ctrl+V; Shift+Ins"}, {"PopupKeys", "Shift+F10; Menu"},
      {"mnuMemoryAdd", "Ctrl++; Ctrl+=; Ctrl+Num++"}, {"mnuMemorySubtract", "Ctrl+-; Ctrl+Num+-"},
      {"mnuMemoryRecall", "Ctrl+R"}, {"mnuPopup1Undo", "Ctrl+Z"},
      {"mnuPopup1CopyTape", "Ctrl+Shift+C"}, {"mnuPopup1SaveTapeAs", "Ctrl+Shift+S"}, {"mnuPopup1Redo", "Ctrl+Shift+Z; Ctrl+Y"},
  };
  QMap<QString, QString> keys;
  for (const QAction* action : fresh.findChildren<QAction*>()) {
    if (action->shortcuts().isEmpty()) continue;
    keys[action->objectName()] = QKeySequence::listToString(action->shortcuts());
    QCOMPARE(action->shortcutContext(), Qt::WindowShortcut);
  }
  QCOMPARE(keys, expectedKeys);
}

void TestCalculator::altLetterOpensItsMenu() {
  QTest::keyClick(Key(QStringLiteral("Equal")), Qt::Key_D, Qt::AltModifier);
  QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
  QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("DisplayMenu"));
  QApplication::activePopupWidget()->close();
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("0."));
}

void TestCalculator::engineMessagesAreWarningBoxes() {
  QString title, text, shown, sign;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QTimer::singleShot(0, this, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    shown = m_calc->Readout()->text();
    sign = m_calc->findChild<QLabel*>(QStringLiteral("ActionLabel"))->text();
    box->accept();
  });
  QTest::keyClicks(Key(QStringLiteral("Equal")), QStringLiteral("5=/0="));
  QCOMPARE(title, QStringLiteral("Error"));
  QCOMPARE(text, QStringLiteral("Can't divide by zero!"));
  QCOMPARE(icon, QMessageBox::Warning);
  // The box comes over the divisor, with the sign gone; the total follows it.
  QCOMPARE(shown, QStringLiteral("0"));
  QCOMPARE(sign, QString());
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("5"));
  QVERIFY(!QApplication::activeModalWidget());
  QCOMPARE(m_calc->focusWidget(), Key(QStringLiteral("Equal")));
}

void TestCalculator::startUpCentresAndShowsTheTape() {
  Session session;
  Calculator calc(session);
  calc.StartUp();
  QVERIFY(QTest::qWaitForWindowExposed(&calc));
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QVERIFY(qAbs(calc.frameGeometry().center().x() - screen.center().x()) <= 8);
  QVERIFY(qAbs(calc.frameGeometry().center().y() - screen.center().y()) <= 25);
  QVERIFY(calc.Tape()->isVisible());
  QVERIFY(calc.findChild<QAction*>(QStringLiteral("mnuTape"))->isChecked());
  QVERIFY(calc.findChild<QAction*>(QStringLiteral("mnuPopup1ShowTape"))->isChecked());
  QVERIFY(calc.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QCOMPARE(calc.focusWidget(), calc.findChild<QPushButton*>(QStringLiteral("Equal")));
  // Hidden companions cost the start nothing: they are made at first use.
  QVERIFY(!calc.findChild<Converter*>());
  QVERIFY(!calc.Memory().ContainerIfMade());
}

void TestCalculator::longEntriesShrinkToFit() {
  // Thirty characters at either zoom: all of them show, in a smaller font,
  // and a short entry gets the design font back.
  const QString entry = QStringLiteral("1234567890123456789012345'- 5\"");
  QCOMPARE(entry.size(), 30);
  for (bool small : {false, true}) {
    if (small) m_calc->ZoomSmall_Click();
    const QFont design = m_calc->Readout()->font();
    QTest::keyClicks(m_calc->focusWidget(), QStringLiteral("1234567890123456789012345'5\""));
    QCOMPARE(m_calc->Readout()->text(), entry);
    QLabel* readout = m_calc->Readout();
    QVERIFY(readout->font().pointSizeF() < design.pointSizeF());
    QVERIFY(QFontMetricsF(readout->font()).horizontalAdvance(entry) <= readout->contentsRect().width());
    QTest::keyClick(m_calc->focusWidget(), Qt::Key_C);
    QCOMPARE(readout->font(), design);
  }
}

void TestCalculator::zoomRoundTripRestoresEveryControl() {
  const std::vector<QWidget*> controls = m_calc->Controls();
  QCOMPARE(controls.size(), size_t(33));
  std::vector<QRect> before;
  for (QWidget* w : controls) before.push_back(w->geometry());
  const QFont readoutFont = m_calc->Readout()->font();
  const QSize windowBefore = m_calc->size();

  for (int round = 0; round < 4; ++round) {
    Item(round % 2 ? "mnuPopup1Zoom75" : "ZoomSmall")->trigger();
    Item("ZoomSmall")->trigger();  // again at 75%: nothing moves
    QCOMPARE(m_calc->WindowWidth(), 2745.0);
    QCOMPARE(m_calc->WindowHeight(), 2844.0);
    QVERIFY(Item("ZoomSmall")->isChecked() && Item("mnuPopup1Zoom75")->isChecked());
    QVERIFY(!Item("ZoomLarge")->isChecked() && !Item("mnuPopup1Zoom100")->isChecked());
    QCOMPARE(m_calc->Readout()->font().pointSizeF(), 9.75);
    QVERIFY(m_calc->Readout()->font().bold());
    QVERIFY(m_calc->width() < windowBefore.width());

    Item(round % 2 ? "mnuPopup1Zoom100" : "ZoomLarge")->trigger();
    Item("ZoomLarge")->trigger();
    for (size_t i = 0; i < controls.size(); ++i) {
      QCOMPARE(controls[i]->geometry(), before[i]);
      QCOMPARE(m_calc->ControlTwips(controls[i]), m_calc->DesignTwips(controls[i]));
    }
    QCOMPARE(m_calc->Readout()->font(), readoutFont);
    QCOMPARE(m_calc->size(), windowBefore);
    QVERIFY(Item("ZoomLarge")->isChecked() && Item("mnuPopup1Zoom100")->isChecked());
    QVERIFY(!Item("ZoomSmall")->isChecked() && !Item("mnuPopup1Zoom75")->isChecked());
  }
}

void TestCalculator::zoomSmallPlacesKeysByTheRule() {
  m_calc->ZoomSmall_Click();
  const struct {
    const char* name;
    TwipRect at75;
  } cases[] = {
      {"Number(7)", {107.5, 540, 360, 360}},   // 97.5 rounds to 98, even: +10
      {"Number(8)", {512.5, 540, 360, 360}},   // 502.5 rounds to 502, even: +10
      {"Plus", {1397.5, 540, 360, 360}},       // 1387.5 rounds to 1388, even: +10
      {"Cancel", {2207.5, 540, 360, 360}},
      {"Equal", {2207.5, 1350, 360, 765}},
      {"Number(4)", {107.5, 945, 360, 360}},
      {"Minus", {1802.5, 540, 360, 360}},      // 1792.5 rounds to 1792, even: +10
  };
  for (const auto& c : cases) {
    QPushButton* key = Key(QString::fromUtf8(c.name));
    QCOMPARE(m_calc->ControlTwips(key), c.at75);
  }
  // A scaled left that rounds to an odd number stays: Label1 at 180 -> 135.
  QCOMPARE(m_calc->ControlTwips(m_calc->findChild<QLabel*>(QStringLiteral("Label1"))).left, 135.0);
  const TwipRect readout = m_calc->ControlTwips(m_calc->Readout());
  QCOMPARE(readout.left, 139.0);
  QCOMPARE(readout.width, 2385.0);
  QCOMPARE(m_calc->Readout()->geometry().x(), 9);
}

void TestCalculator::showKeysChangesOnlyTheHeight_data() {
  QTest::addColumn<bool>("small");
  QTest::addColumn<double>("withKeys");
  QTest::addColumn<double>("withoutKeys");
  QTest::newRow("100%") << false << 3590.0 << 1350.0;
  QTest::newRow("75%") << true << 2844.0 << 1200.0;
}

void TestCalculator::showKeysChangesOnlyTheHeight() {
  QFETCH(bool, small);
  QFETCH(double, withKeys);
  QFETCH(double, withoutKeys);
  if (small) m_calc->ZoomSmall_Click();
  const double width = m_calc->WindowWidth();
  const QRect equal = Key(QStringLiteral("Equal"))->geometry();
  for (int round = 0; round < 3; ++round) {
    Item(round == 1 ? "mnuPopup1ShowKeys" : "ShowKeys")->trigger();
    QCOMPARE(m_calc->WindowHeight(), withoutKeys);
    QVERIFY(!Item("ShowKeys")->isChecked() && !Item("mnuPopup1ShowKeys")->isChecked());
    QCOMPARE(m_calc->centralWidget()->height(), qRound(withoutKeys / 15) - 46);
    QCOMPARE(Key(QStringLiteral("Equal"))->geometry(), equal);
    QVERIFY(m_calc->Readout()->geometry().bottom() < m_calc->centralWidget()->height());
    m_calc->ShowKeys_Click();
    QCOMPARE(m_calc->WindowHeight(), withKeys);
    QVERIFY(Item("ShowKeys")->isChecked() && Item("mnuPopup1ShowKeys")->isChecked());
    QCOMPARE(m_calc->WindowWidth(), width);
  }
  // Zooming with the keys hidden keeps them hidden.
  m_calc->ShowKeys_Click();
  if (small) m_calc->ZoomLarge_Click(); else m_calc->ZoomSmall_Click();
  QCOMPARE(m_calc->WindowHeight(), small ? 1350.0 : 1200.0);
}

void TestCalculator::doubleClickOnBackgroundOrPromptTogglesKeys() {
  QWidget* face = m_calc->centralWidget();
  QTest::mouseDClick(face, Qt::LeftButton, {}, QPoint(2, 60));
  QCOMPARE(m_calc->WindowHeight(), 1350.0);
  QTest::mouseDClick(m_calc->findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
  QCOMPARE(m_calc->WindowHeight(), 3590.0);
  QTest::mouseDClick(m_calc->Readout(), Qt::LeftButton, {}, QPoint(100, 10));
  QCOMPARE(m_calc->WindowHeight(), 3590.0);
}

void TestCalculator::tapeWindowDocksAndFollowsTheCalculator() {
  // The docking rule itself is checked on the tape window with a fake
  // calculator; here the real calculator's moves must reach it.
  TapeWindow* tape = m_calc->Tape();
  QVERIFY(tape->isVisible());
  for (const QPoint step : {QPoint(20, 0), QPoint(0, 35), QPoint(-150, 60)}) {
    QWidget* elsewhere = tape->Grid();
    elsewhere->setFocus();
    m_calc->move(m_calc->pos() + step);
    QTRY_COMPARE(tape->GeometryTwips().left, m_calc->CalculatorRect().left + 240);
    const TwipRect t = tape->GeometryTwips();
    QCOMPARE(t.top + t.height, m_calc->CalculatorRect().top + 60);
    QCOMPARE(t.height, 1525.0);
    QCOMPARE(tape->pos().x(), qRound(t.left / 15));
    QCOMPARE(tape->frameGeometry().bottom() + 1, m_calc->frameGeometry().top() + 4);
    QTRY_COMPARE(QApplication::focusWidget(), Key(QStringLiteral("Equal")));
  }

  // Off the screen the calculator leaves the tape on it.
  m_calc->move(-2000, -3000);
  QTRY_VERIFY(m_calc->screen()->availableGeometry().contains(tape->frameGeometry()));

  // Zoom re-docks a visible tape window to the new width.
  m_calc->move(300, 300);
  const double wide = m_calc->CalculatorRect().width;
  m_calc->ZoomSmall_Click();
  QVERIFY(m_calc->CalculatorRect().width < wide);
  QCOMPARE(tape->GeometryTwips().width, m_calc->CalculatorRect().width - 480);
  m_calc->ZoomLarge_Click();
  QCOMPARE(tape->GeometryTwips().width, wide - 480);
}

void TestCalculator::tapeShowsTapeZeroGrowing() {
  QTableView* grid = m_calc->Tape()->Grid();
  auto bottomText = [grid] {
    return grid->model()->index(grid->rowAt(grid->viewport()->height() - 1), 0).data().toString();
  };
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5'3="));
  QCOMPARE(grid->model()->index(1, 0).data().toString(), QStringLiteral("5'- 3 "));
  for (int i = 0; i < 6; ++i) QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("+1'="));
  QCOMPARE(bottomText(), QStringLiteral(" 11'- 3\" "));
  QCOMPARE(m_session->Tapes().TapeRowCount(0), 19);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QCOMPARE(grid->model()->index(21, 0).data().toString(), QStringLiteral("Clear "));
  QCOMPARE(grid->rowAt(grid->viewport()->height() - 1), 22);
}

void TestCalculator::tapeHidesAndShowsWithTheMenus() {
  TapeWindow* tape = m_calc->Tape();
  QTest::mouseDClick(tape->Title(), Qt::LeftButton);
  QVERIFY(!tape->isVisible());
  QVERIFY(!Item("mnuTape")->isChecked() && !Item("mnuPopup1ShowTape")->isChecked());
  Item("mnuPopup1ShowTape")->trigger();
  QVERIFY(tape->isVisible());
  QVERIFY(Item("mnuTape")->isChecked() && Item("mnuPopup1ShowTape")->isChecked());
  Item("mnuTape")->trigger();
  QVERIFY(!tape->isVisible());
  QVERIFY(!Item("mnuTape")->isChecked() && !Item("mnuPopup1ShowTape")->isChecked());
  // Hidden, it still records.
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4="));
  QCOMPARE(m_session->Tapes().TapeRowCount(0), 1);
  m_calc->mnuTape_Click();
  QVERIFY(tape->isVisible());
}

void TestCalculator::activationSelectsTapeZero() {
  TapeStore& tapes = m_session->Tapes();
  tapes.AddTape(1, "Memory 1");
  tapes.SelectTape(1, "Memory 1");
  QCOMPARE(m_calc->Tape()->Title()->text(), QStringLiteral("Memory 1"));
  m_calc->Tape()->activateWindow();
  QTRY_VERIFY(!m_calc->isActiveWindow());
  m_calc->activateWindow();
  QTRY_VERIFY(m_calc->isActiveWindow());
  QCOMPARE(tapes.CurrentTape(), 0);
  QCOMPARE(m_calc->Tape()->Title()->text(), QStringLiteral("Calculator"));
}

void TestCalculator::keepOnTopChangesOnlyTheFlag() {
  QWindow* handle = m_calc->windowHandle();
  const WId id = m_calc->winId();
  KeepOnTop(m_calc, true);
  KeepOnTop(m_calc, true);
  QVERIFY(handle->flags().testFlag(Qt::WindowStaysOnTopHint));
  QVERIFY(m_calc->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  KeepOnTop(m_calc, false);
  QVERIFY(!handle->flags().testFlag(Qt::WindowStaysOnTopHint));
  QCOMPARE(m_calc->windowHandle(), handle);
  QCOMPARE(m_calc->winId(), id);
  QVERIFY(m_calc->isVisible());
}

void TestCalculator::anyKeysAtAnySpeedLoseNothing() {
  // Random keys, clicks and menu commands in any order: the tape only grows
  // and every control stays at a design place.
  QRandomGenerator random(20261208);
  const QString typing = QStringLiteral("0123456789 .'\"+-*/xX=cC\x1b\b\rp");
  const QStringList names{"Number(3)", "Plus", "Minus", "Multiply", "Divide", "Equal", "Square", "SquareRoot",
                          "Foot", "Inch", "Cancel", "CancelEntry", "Decimal", "Spacebar"};
  const char* items[] = {"ZoomSmall", "ZoomLarge", "ShowKeys", "mnuTape", "Sixteen", "thirtysecond", "Circumference",
                         "CircArea", "CylVolume", "mnuDiagonal", "mnuAccuracy64", "mnuStairs"};
  // A division by zero answers with a message box: close each one as it opens.
  int boxes = 0;
  QTimer closer;
  connect(&closer, &QTimer::timeout, this, [&boxes] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      ++boxes;
      box->close();
    }
  });
  closer.start(0);
  int lines = 0;
  // Keys go where the focus normally is; a closing message box may leave the
  // focus nowhere for a moment on this platform.
  QWidget* keyboard = Key(QStringLiteral("Equal"));
  for (int i = 0; i < 1500; ++i) {
    const quint32 pick = random.bounded(10);
    if (pick < 6) {
      const QChar c = typing.at(random.bounded(typing.size()));
      if (c == QChar(0x1b)) QTest::keyClick(keyboard, Qt::Key_Escape);
      else if (c == QChar('\b')) QTest::keyClick(keyboard, Qt::Key_Backspace);
      else if (c == QChar('\r')) QTest::keyClick(keyboard, Qt::Key_Return);
      else QTest::keyClicks(keyboard, QString(c));
    } else if (pick < 9) {
      QTest::mouseClick(Key(names.at(random.bounded(names.size()))), Qt::LeftButton);
    } else {
      Item(items[random.bounded(static_cast<quint32>(std::size(items)))])->trigger();
    }
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(m_session->Tapes().TapeRowCount(0) >= lines);
    lines = m_session->Tapes().TapeRowCount(0);
  }
  closer.stop();
  qInfo("%d message boxes, %d tape lines", boxes, lines);
  m_calc->ZoomLarge_Click();
  for (QWidget* w : m_calc->Controls()) QCOMPARE(m_calc->ControlTwips(w), m_calc->DesignTwips(w));
}

using Keys = QKeyCombination;

// The clipboard's measurement becomes the entry as written; the result is
// copied without the display's padding. Ctrl+C is no "C" (Clear) meanwhile.
void TestCalculator::pasteAndCopyTheDisplay_data() {
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<Keys>("paste");
  QTest::addColumn<QString>("entry");
  QTest::addColumn<Keys>("copy");
  QTest::addColumn<QString>("copied");
  const Keys ctrlV(Qt::ControlModifier, Qt::Key_V), shiftIns(Qt::ShiftModifier, Qt::Key_Insert);
  const Keys ctrlC(Qt::ControlModifier, Qt::Key_C), ctrlIns(Qt::ControlModifier, Qt::Key_Insert);
  QTest::newRow("dash before fraction") << " 4' 8-3/8\"\n" << ctrlV << "4' 8-3/8\"" << ctrlC << "4'- 8 3/8\"";
  QTest::newRow("inches") << "1-1/2\"" << shiftIns << "1-1/2\"" << ctrlIns << "1 1/2\"";
  QTest::newRow("negative") << "-6\"" << ctrlV << "-6\"" << ctrlC << "- 6\"";
  QTest::newRow("plain number") << "12.5" << ctrlV << "12.5" << ctrlC << "1'- 0 1/2\"";
  QTest::newRow("area") << "12' 6\" sq" << shiftIns << "12' 6\" sq." << ctrlC << "12'- 6\" sq.";
  QTest::newRow("millimetres") << "38 mm" << ctrlV << "1.49606299212598\"" << ctrlIns << "1 1/2\"";
}

void TestCalculator::pasteAndCopyTheDisplay() {
  QFETCH(QString, pasted);
  QFETCH(Keys, paste);
  QFETCH(QString, entry);
  QFETCH(Keys, copy);
  QFETCH(QString, copied);
  int beeps = 0;
  m_calc->SetBeepHook([&] { ++beeps; });
  QWidget* keys = Key(QStringLiteral("Equal"));
  QTest::keyClick(keys, Qt::Key_9);
  QGuiApplication::clipboard()->setText(pasted);
  QTest::keyClick(keys, paste.key(), paste.keyboardModifiers());
  QCOMPARE(m_calc->Readout()->text(), entry);
  QTest::keyClicks(keys, QStringLiteral("x1="));
  const QString result = m_calc->Readout()->text();
  QTest::keyClick(keys, copy.key(), copy.keyboardModifiers());
  QCOMPARE(QGuiApplication::clipboard()->text(), copied);
  QCOMPARE(m_calc->Readout()->text(), result);
  QCOMPARE(beeps, 0);
}

void TestCalculator::refusedPasteBeepsFlashesAndSaysWhy_data() {
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("why");
  QTest::newRow("digits left over") << "5 3" << "Not a measurement: \u201c5 3\u201d";
  QTest::newRow("words") << "five feet" << "Not a measurement: \u201cfive feet\u201d";
  QTest::newRow("empty") << "" << "Nothing pasted: the clipboard holds no text";
  QTest::newRow("long") << QString(60, 'x') << "Not a measurement: \u201c" + QString(40, 'x') + "\u2026\u201d";
}

void TestCalculator::refusedPasteBeepsFlashesAndSaysWhy() {
  QFETCH(QString, pasted);
  QFETCH(QString, why);
  int beeps = 0;
  m_calc->SetBeepHook([&] { ++beeps; });
  QWidget* keys = Key(QStringLiteral("Equal"));
  QTest::keyClicks(keys, QStringLiteral("5'3"));
  const QPalette normal = m_calc->Readout()->palette();
  QGuiApplication::clipboard()->setText(pasted);
  QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("5'- 3"));
  QCOMPARE(beeps, 1);
  const auto* note = m_calc->findChild<QLabel*>(QStringLiteral("RefusalNote"));
  QVERIFY(note && note->isVisible());
  QCOMPARE(note->text(), why);
  QCOMPARE(m_calc->Readout()->toolTip(), why);
  // The flash: the display's colours swap, then come back by themselves.
  QCOMPARE(m_calc->Readout()->palette().color(QPalette::Window), normal.color(QPalette::WindowText));
  QTRY_COMPARE(m_calc->Readout()->palette().color(QPalette::Window), normal.color(QPalette::Window));
  // The reason holds while the display shows what it did then.
  QTest::keyClick(keys, Qt::Key_4);
  QVERIFY(!note->isVisible());
  QVERIFY(m_calc->Readout()->toolTip().isEmpty());
}

// The beep is seen as well as heard: a comma is no decimal point.
void TestCalculator::refusedKeyFlashesTheDisplay() {
  int beeps = 0;
  m_calc->SetBeepHook([&] { ++beeps; });
  const QColor background = m_calc->Readout()->palette().color(QPalette::Window);
  QTest::keyClicks(Key(QStringLiteral("Equal")), QStringLiteral("5,"));
  QCOMPARE(beeps, 1);
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("5"));
  QVERIFY(m_calc->Readout()->palette().color(QPalette::Window) != background);
  QTRY_COMPARE(m_calc->Readout()->palette().color(QPalette::Window), background);
}

void TestCalculator::shortcutsRunTheirCommandsAndTypeNothing() {
  int opened = 0;
  m_calc->Dialogs().openFile = [&](const QString&) { return ++opened, QString(); };
  testing::FakePrintHost host;
  host.printerName = QStringLiteral("Office");
  m_calc->SetPrinter(std::make_unique<TapePrinter>(m_session->Tapes(), host));
  QWidget* keys = Key(QStringLiteral("Equal"));
  QTest::keyClicks(keys, QStringLiteral("5'3"));
  QTest::keyClick(keys, Qt::Key_O, Qt::ControlModifier);
  QTest::keyClick(keys, Qt::Key_P, Qt::ControlModifier);  // "p" alone is π
  QCOMPARE(opened, 1);
  QCOMPARE(host.dialogs.size(), 1);
  // Ctrl combinations without a command are not typing either.
  for (const Qt::Key key : {Qt::Key_7, Qt::Key_X, Qt::Key_Apostrophe, Qt::Key_Space})
    QTest::keyClick(keys, key, Qt::ControlModifier);
  const QRect display(m_calc->Readout()->mapToGlobal(QPoint(0, 0)), m_calc->Readout()->size());
  for (const Keys popup : {Keys(Qt::ShiftModifier, Qt::Key_F10), Keys(Qt::Key_Menu)}) {
    QTest::keyClick(keys, popup.key(), popup.keyboardModifiers());
    QTRY_VERIFY(m_calc->Popup()->isVisible());
    // At the display, not the mouse: just below it, or lifted as far as the
    // screen needs to show the whole menu.
    const QRect menu = m_calc->Popup()->geometry();
    QCOMPARE(menu.left(), display.left());
    QVERIFY(menu.top() == display.bottom() + 1 ||
            (menu.top() < display.bottom() && menu.bottom() >= m_calc->screen()->geometry().bottom() - 1));
    m_calc->Popup()->hide();
  }
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("5'- 3"));
}

// An Alt letter, or a letter in an open menu, leads to one item only.
void TestCalculator::noTwoItemsOfAMenuShareALetter() {
  QList<const QWidget*> menus{m_calc->menuBar(), m_calc->Popup()};
  for (int i = 0; i < menus.size(); ++i) {
    QMap<QChar, QString> letters;
    for (const QAction* action : menus[i]->actions()) {
      if (action->menu()) menus << action->menu();
      const qsizetype amp = action->text().indexOf(QLatin1Char('&'));
      if (amp < 0 || amp + 1 >= action->text().size()) continue;
      const QChar letter = action->text().at(amp + 1).toLower();
      QVERIFY2(!letters.contains(letter), qPrintable(action->text() + " and " + letters.value(letter)));
      letters.insert(letter, action->text());
    }
  }
  QVERIFY(menus.size() > 8);  // the walk reached the submenus
}

void TestCalculator::undoAndRedoKeysFollowWhatCanBeTakenBack() {
  QAction* undo = Item(QStringLiteral("mnuPopup1Undo"));
  QAction* redo = Item(QStringLiteral("mnuPopup1Redo"));
  QVERIFY(!undo->isEnabled());
  QVERIFY(!redo->isEnabled());
  const auto press = [this](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
  };
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5'+2'"));
  const QString entry = m_calc->Readout()->text();
  press(Qt::Key_Equal);
  const QString total = m_calc->Readout()->text();
  const QStringList tape = TapeLines();
  press(Qt::Key_Z, Qt::ControlModifier);  // "=" taken back, with its tape lines
  QCOMPARE(m_calc->Readout()->text(), entry);
  QCOMPARE(TapeLines(), tape.mid(0, tape.size() - 3));
  QVERIFY(redo->isEnabled());
  press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(m_calc->Readout()->text(), total);
  QCOMPARE(TapeLines(), tape);
  press(Qt::Key_Z, Qt::ControlModifier);
  press(Qt::Key_Y, Qt::ControlModifier);
  QCOMPARE(TapeLines(), tape);
  QVERIFY(!redo->isEnabled());
  // Clear ends what can be undone.
  press(Qt::Key_C);
  QVERIFY(!undo->isEnabled());
  press(Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(m_calc->Readout()->text(), QStringLiteral("0."));
}

}  // namespace mezura

QTEST_MAIN(mezura::TestCalculator)
#include "tst_calculator.moc"
