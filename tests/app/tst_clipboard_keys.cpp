// The calculator from the keyboard alone: the display's value to and from the
// clipboard, refused pastes that must never pass unnoticed, the window's
// shortcuts (which must not also type into the engine), and the menus' letters.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QLabel>
#include <QTest>

#include "app/calculator.h"
#include "app/session.h"
#include "support/fake_print_host.h"
#include "tape/ui/tape_printer.h"

namespace mezura {

class TestClipboardKeys : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void copyTakesTheValueWithoutPadding_data();
  void copyTakesTheValueWithoutPadding();
  void pasteTakesMeasurementsAsTheEntry_data();
  void pasteTakesMeasurementsAsTheEntry();
  void refusedPasteBeepsFlashesAndSaysWhy_data();
  void refusedPasteBeepsFlashesAndSaysWhy();
  void shortcutsRunTheirCommandsAndTypeNothing();
  void noTwoItemsOfAMenuShareALetter();

 private:
  // Keys go where the user's keys go: to the widget with the focus ("=").
  QWidget* Keys() const { return m_calc->focusWidget() ? m_calc->focusWidget() : m_calc; }
  QString Shown() const { return m_calc->Readout()->text(); }
  Session* m_session = nullptr;
  Calculator* m_calc = nullptr;
  int m_beeps = 0;
};

void TestClipboardKeys::init() {
  m_session = new Session;
  m_calc = new Calculator(*m_session);
  m_calc->SetBeepHook([this] { ++m_beeps; });
  m_beeps = 0;
  m_calc->show();
  m_calc->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(m_calc));
}

void TestClipboardKeys::cleanup() {
  delete m_calc;
  delete m_session;
  m_calc = nullptr;
  QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestClipboardKeys::copyTakesTheValueWithoutPadding_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QKeyCombination>("copy");
  QTest::addColumn<QString>("copied");
  const QKeyCombination ctrlC(Qt::ControlModifier, Qt::Key_C), ctrlIns(Qt::ControlModifier, Qt::Key_Insert);
  QTest::newRow("length, Ctrl+C") << "5'3 1/2x1=" << ctrlC << "5'- 3 1/2\"";
  QTest::newRow("length, Ctrl+Insert") << "5'3 1/2x1=" << ctrlIns << "5'- 3 1/2\"";
  QTest::newRow("area keeps its mark") << "5'=x3'=" << ctrlC << "15'- 0\" sq.";
  QTest::newRow("an entry as typed") << "5'3" << ctrlC << "5'- 3";
  QTest::newRow("negative result") << "2=-8=" << ctrlIns << "- 6\"";
}

void TestClipboardKeys::copyTakesTheValueWithoutPadding() {
  QFETCH(QString, typed);
  QFETCH(QKeyCombination, copy);
  QFETCH(QString, copied);
  QTest::keyClicks(Keys(), typed);
  const QString before = Shown();
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(Keys(), copy.key(), copy.keyboardModifiers());
  QCOMPARE(QGuiApplication::clipboard()->text(), copied);
  // Ctrl+C is no "C" (Cancel) for the engine.
  QCOMPARE(Shown(), before);
  QCOMPARE(m_beeps, 0);
}

void TestClipboardKeys::pasteTakesMeasurementsAsTheEntry_data() {
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<QKeyCombination>("paste");
  QTest::addColumn<QString>("entry");
  QTest::addColumn<QString>("result");
  const QKeyCombination ctrlV(Qt::ControlModifier, Qt::Key_V), shiftIns(Qt::ShiftModifier, Qt::Key_Insert);
  QTest::newRow("feet-inch fraction") << "4'-8 3/8\"" << ctrlV << "4'-8 3/8\"" << " 4'- 8 3/8\"";
  QTest::newRow("dash before the fraction") << " 4' 8-3/8\"\n" << shiftIns << "4' 8-3/8\"" << " 4'- 8 3/8\"";
  QTest::newRow("inches and a half") << "1-1/2\"" << ctrlV << "1-1/2\"" << " 1 1/2\"";
  QTest::newRow("negative inches") << "-6\"" << shiftIns << "-6\"" << "- 6\"";
  QTest::newRow("plain number") << "12.5" << ctrlV << "12.5" << " 1'- 0 1/2\"";
  QTest::newRow("area") << "12' 6\" sq" << ctrlV << "12' 6\" sq." << " 12'- 6\" sq.";
  QTest::newRow("millimetres") << "38 mm" << shiftIns << "1.49606299212598\"" << " 1 1/2\"";
}

void TestClipboardKeys::pasteTakesMeasurementsAsTheEntry() {
  QFETCH(QString, clipboard);
  QFETCH(QKeyCombination, paste);
  QFETCH(QString, entry);
  QFETCH(QString, result);
  QTest::keyClicks(Keys(), QStringLiteral("9"));
  QGuiApplication::clipboard()->setText(clipboard);
  QTest::keyClick(Keys(), paste.key(), paste.keyboardModifiers());
  QCOMPARE(Shown(), entry);
  QCOMPARE(m_beeps, 0);
  QVERIFY(m_calc->Readout()->toolTip().isEmpty());
  // It is the entry, worth what a builder means by it (a plain 12.5 is inches).
  QTest::keyClicks(Keys(), QStringLiteral("x1="));
  QCOMPARE(Shown(), result);
}

void TestClipboardKeys::refusedPasteBeepsFlashesAndSaysWhy_data() {
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<QString>("why");
  QTest::newRow("digits left over") << "5 3" << "Not a measurement: \u201c5 3\u201d";
  QTest::newRow("words") << "five feet" << "Not a measurement: \u201cfive feet\u201d";
  QTest::newRow("mixed units") << "1 m 50 cm" << "Not a measurement: \u201c1 m 50 cm\u201d";
  QTest::newRow("empty") << "" << "Nothing pasted: the clipboard holds no text";
  QTest::newRow("long text is cut") << QString(60, QLatin1Char('x')) << "Not a measurement: \u201c" + QString(40, 'x') + "\u2026\u201d";
}

void TestClipboardKeys::refusedPasteBeepsFlashesAndSaysWhy() {
  QFETCH(QString, clipboard);
  QFETCH(QString, why);
  QTest::keyClicks(Keys(), QStringLiteral("5'3"));
  const QPalette normal = m_calc->Readout()->palette();
  QGuiApplication::clipboard()->setText(clipboard);
  QTest::keyClick(Keys(), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(Shown(), QStringLiteral("5'- 3"));
  QCOMPARE(m_beeps, 1);
  QCOMPARE(m_calc->Readout()->toolTip(), why);
  const auto* note = m_calc->findChild<QLabel*>(QStringLiteral("RefusalNote"));
  QVERIFY(note && note->isVisible());
  QCOMPARE(note->text(), why);
  // The flash: the display's colours swap, then come back by themselves.
  QCOMPARE(m_calc->Readout()->palette().color(QPalette::Window), normal.color(QPalette::WindowText));
  QTRY_COMPARE(m_calc->Readout()->palette().color(QPalette::Window), normal.color(QPalette::Window));
  // The reason lasts while the display shows what it did then.
  QTest::keyClick(Keys(), Qt::Key_4);
  QVERIFY(m_calc->Readout()->toolTip().isEmpty());
  QVERIFY(!note->isVisible());
}

void TestClipboardKeys::shortcutsRunTheirCommandsAndTypeNothing() {
  int opened = 0, saved = 0;
  m_calc->Dialogs().confirm = [](const QString&) { return true; };
  m_calc->Dialogs().openFile = [&](const QString&) { ++opened; return QString(); };
  m_calc->Dialogs().saveFile = [&](const QString&) { ++saved; return QString(); };
  testing::FakePrintHost host;
  host.printerName = QStringLiteral("Office");
  m_calc->SetPrinter(std::make_unique<TapePrinter>(m_session->Tapes(), host));
  m_calc->NewMemory_Click();  // Save has nothing to save without a cell
  QVERIFY(QTest::qWaitForWindowActive(m_calc));
  QTest::keyClicks(Keys(), QStringLiteral("5'3"));

  QTest::keyClick(Keys(), Qt::Key_O, Qt::ControlModifier);
  QCOMPARE(opened, 1);
  QTest::keyClick(Keys(), Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(saved, 1);
  QTest::keyClick(Keys(), Qt::Key_P, Qt::ControlModifier);
  QCOMPARE(host.dialogs.size(), 1);
  // None of them typed: "p" would be π, "c" Cancel.
  QCOMPARE(Shown(), QStringLiteral("5'- 3"));

  for (const QKeyCombination keys : {QKeyCombination(Qt::ShiftModifier, Qt::Key_F10), QKeyCombination(Qt::Key_Menu)}) {
    QTest::keyClick(Keys(), keys.key(), keys.keyboardModifiers());
    QTRY_VERIFY(m_calc->Popup()->isVisible());
    // At the display, not wherever the mouse happens to be.
    const QRect display(m_calc->Readout()->mapToGlobal(QPoint(0, 0)), m_calc->Readout()->size());
    QCOMPARE(m_calc->Popup()->pos().x(), display.left());
    QCOMPARE(m_calc->Popup()->pos().y(), display.bottom() + 1);
    m_calc->Popup()->hide();
  }
  QCOMPARE(m_beeps, 0);
  QCOMPARE(Shown(), QStringLiteral("5'- 3"));
}

// An Alt letter or a letter in an open menu must lead to one item only.
void TestClipboardKeys::noTwoItemsOfAMenuShareALetter() {
  QList<const QWidget*> menus{m_calc->menuBar(), m_calc->Popup()};
  for (int i = 0; i < menus.size(); ++i) {
    QMap<QChar, QString> letters;
    for (const QAction* action : menus[i]->actions()) {
      if (action->menu()) menus << action->menu();
      const QString text = action->text();
      const qsizetype amp = text.indexOf(QLatin1Char('&'));
      if (amp < 0 || amp + 1 >= text.size()) continue;
      const QChar letter = text.at(amp + 1).toLower();
      QVERIFY2(!letters.contains(letter), qPrintable(text + " and " + letters.value(letter) + " share a letter"));
      letters.insert(letter, text);
    }
  }
  QVERIFY(menus.size() > 8);  // the walk reached the submenus
}

}  // namespace mezura

QTEST_MAIN(mezura::TestClipboardKeys)
#include "tst_clipboard_keys.moc"
