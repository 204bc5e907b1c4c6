// What a screen reader is told, asked in-process through QAccessible. The
// offscreen platform delivers no accessibility events: the display's change
// events, the converter and the whole tree are read over AT-SPI
// (atspi_names.sh).

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/calculator.h"
#include "app/session.h"
#include "memory/memory_model.h"
#include "memory/ui/accessible_value.h"
#include "memory/ui/memory_controller.h"
#include "memory/ui/memory_form.h"
#include "memory/ui/value_label.h"
#include "tape/ui/tape_window.h"

namespace mezura {

QString Told(QObject* object, QAccessible::Text text = QAccessible::Name) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  return iface ? iface->text(text) : QStringLiteral("<no interface>");
}

class TestAccessible : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_session = new Session;
    m_calc = new Calculator(*m_session);
    m_calc->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_calc));
  }
  void cleanup() {
    delete m_calc;
    delete m_session;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
  }

  void controlsAreNamed_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shown");
    QTest::newRow("display") << "Readout" << "Display" << true;
    QTest::newRow("operation marker") << "ActionLabel" << "Operation" << true;
    QTest::newRow("digit") << "Number(7)" << "7" << true;
    QTest::newRow("foot") << "Foot" << "Feet" << true;
    QTest::newRow("inch") << "Inch" << "Inches" << true;
    QTest::newRow("minus, not its caption") << "Minus" << "Minus" << true;
    QTest::newRow("space, which has no caption") << "Spacebar" << "Space" << true;
    QTest::newRow("equals") << "Equal" << "Equals" << true;
    QTest::newRow("pi, hidden") << "Pi" << "Pi" << false;
  }
  void controlsAreNamed() {
    QFETCH(QString, objectName);
    QFETCH(QString, name);
    QFETCH(bool, shown);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(m_calc->findChild<QWidget*>(objectName));
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->state().invisible, !shown);
  }

  // The value is what the display shows without its padding blanks, through
  // the value and the text interface alike; the tape's lines read the same way.
  void displayAndTapeTellTheResult() {
    for (const char* key : {"Number(5)", "Foot", "Plus", "Number(7)", "Equal"})
      QTest::mouseClick(m_calc->findChild<QPushButton*>(QString::fromLatin1(key)), Qt::LeftButton);
    QCOMPARE(Told(m_calc->Readout(), QAccessible::Value), QStringLiteral("5'- 7\""));
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(m_calc->Readout())->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("5'- 7\""));

    QTableView* grid = m_calc->Tape()->Grid();
    QCOMPARE(Told(grid), QStringLiteral("Tape: Calculator"));
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(grid)->tableInterface();
    QStringList lines;
    for (int row = 0; row < table->rowCount(); ++row) lines << table->cellAt(row, 0)->text(QAccessible::Name);
    QVERIFY2(lines.contains(QStringLiteral("5'- 7\"")), qPrintable(lines.join('|')));
  }

  void memoryCellIsNamedByItsCell() {
    MemoryModel& model = m_calc->Memory().Model();
    const int number = model.CreateNamedCell("Studs");
    QVERIFY(model.SetValue(number, " 8'- 1\" "));
    ValueLabel* label = m_calc->Memory().Form(number)->Label1();
    QCOMPARE(Told(label) + Told(label, QAccessible::Value), QStringLiteral("Studs8'- 1\""));
    QVERIFY(model.Rename(number, "Joists"));
    QCOMPARE(Told(label), QStringLiteral("Joists"));
  }

  void labelAskedBeforeItIsMarkedStillTellsItsValue() {
    QLabel label(QStringLiteral("  3 1/2\" "));
    QVERIFY(QAccessible::queryAccessibleInterface(&label));  // the plain label's interface, made first
    MakeAccessibleValue(&label, QStringLiteral("Figure"));
    QCOMPARE(Told(&label) + Told(&label, QAccessible::Value), QStringLiteral("Figure3 1/2\""));
  }

 private:
  Session* m_session = nullptr;
  Calculator* m_calc = nullptr;
};

}  // namespace mezura

QTEST_MAIN(mezura::TestAccessible)
#include "tst_accessible.moc"
