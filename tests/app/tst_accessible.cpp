// What a screen reader is told, asked in-process through QAccessible: the
// names of the keys and the display, the display's value after a result, a
// memory cell named by its cell, the converter's figures and the tape's table
// and lines. The offscreen platform delivers no accessibility events: the
// display's change events are checked over AT-SPI (atspi_names.sh).

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/calculator.h"
#include "app/session.h"
#include "converter/ui/converter.h"
#include "memory/memory_model.h"
#include "memory/ui/memory_controller.h"
#include "memory/ui/accessible_value.h"
#include "memory/ui/memory_form.h"
#include "memory/ui/value_label.h"
#include "tape/ui/tape_window.h"

namespace mezura {
namespace {

QString Told(QObject* object, QAccessible::Text text) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  return iface ? iface->text(text) : QStringLiteral("<no interface>");
}

}  // namespace

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
    QTest::newRow("operation") << "ActionLabel" << "Operation" << true;
    QTest::newRow("prompt") << "Label1" << "Prompt" << true;
    QTest::newRow("digit") << "Number(7)" << "7" << true;
    QTest::newRow("foot") << "Foot" << "Feet" << true;
    QTest::newRow("inch") << "Inch" << "Inches" << true;
    QTest::newRow("plus") << "Plus" << "Plus" << true;
    QTest::newRow("minus, not its caption") << "Minus" << "Minus" << true;
    QTest::newRow("space, which has no caption") << "Spacebar" << "Space" << true;
    QTest::newRow("equals") << "Equal" << "Equals" << true;
    QTest::newRow("backspace, hidden") << "Backspace" << "Backspace" << false;
    QTest::newRow("pi, hidden") << "Pi" << "Pi" << false;
  }
  void controlsAreNamed() {
    QFETCH(QString, objectName);
    QFETCH(QString, name);
    QFETCH(bool, shown);
    auto* control = m_calc->findChild<QWidget*>(objectName);
    QVERIFY(control);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->state().invisible, !shown);
  }

  void displayTellsTheResult() {
    for (const char* key : {"Number(5)", "Foot", "Plus", "Number(7)", "Equal"})
      QTest::mouseClick(m_calc->findChild<QPushButton*>(QString::fromLatin1(key)), Qt::LeftButton);
    // The value is what the display shows without its padding blanks.
    const QString shown = m_calc->Readout()->text();
    QCOMPARE(shown.trimmed(), QStringLiteral("5'- 7\""));
    QCOMPARE(Told(m_calc->Readout(), QAccessible::Name), QStringLiteral("Display"));
    QCOMPARE(Told(m_calc->Readout(), QAccessible::Value), QStringLiteral("5'- 7\""));
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(m_calc->Readout())->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("5'- 7\""));
  }

  void labelAskedBeforeItIsMarkedStillTellsItsValue() {
    QLabel label;
    label.setText(QStringLiteral("  3 1/2\" "));
    QVERIFY(QAccessible::queryAccessibleInterface(&label));  // the plain label's interface, made first
    MakeAccessibleValue(&label, QStringLiteral("Figure"));
    QCOMPARE(Told(&label, QAccessible::Name), QStringLiteral("Figure"));
    QCOMPARE(Told(&label, QAccessible::Value), QStringLiteral("3 1/2\""));
  }

  void memoryCellIsNamedByItsCell() {
    MemoryController& memory = m_calc->Memory();
    const int number = memory.Model().CreateNamedCell("Studs");
    QVERIFY(memory.Model().SetValue(number, " 8'- 1\" "));
    MemoryForm* form = memory.Form(number);
    QVERIFY(form);
    QCOMPARE(Told(form->Label1(), QAccessible::Name), QStringLiteral("Studs"));
    QCOMPARE(Told(form->Label1(), QAccessible::Value), QStringLiteral("8'- 1\""));
    QVERIFY(memory.Model().Rename(number, "Joists"));
    QCOMPARE(Told(form->Label1(), QAccessible::Name), QStringLiteral("Joists"));
  }

  void converterFiguresAndTapeLinesRead() {
    Converter* converter = m_calc->ConverterWindow();
    QVERIFY(converter);
    converter->Label1_DragDrop(QStringLiteral("1'"));
    const QList<QLabel*> labels = converter->findChildren<QLabel*>();
    QStringList figures;
    for (QLabel* label : labels) {
      const QString name = Told(label, QAccessible::Name);
      QVERIFY2(!name.isEmpty(), qPrintable(label->objectName()));
      figures << name + QStringLiteral(": ") + Told(label, QAccessible::Value);
    }
    QVERIFY2(figures.contains(QStringLiteral("Value to convert: 1'")), qPrintable(figures.join('|')));
    QVERIFY2(figures.contains(QStringLiteral("Conversion 2: 12\"")), qPrintable(figures.join('|')));
    QVERIFY2(figures.contains(QStringLiteral("Conversion 6: 304.8 mm")), qPrintable(figures.join('|')));

    for (const char* key : {"Number(3)", "Inch", "Equal"})
      QTest::mouseClick(m_calc->findChild<QPushButton*>(QString::fromLatin1(key)), Qt::LeftButton);
    QTableView* grid = m_calc->Tape()->Grid();
    QCOMPARE(Told(grid, QAccessible::Name), QStringLiteral("Tape: Calculator"));
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(grid)->tableInterface();
    QVERIFY(table);
    QStringList lines;
    for (int row = 0; row < table->rowCount(); ++row)
      if (QAccessibleInterface* cell = table->cellAt(row, 0)) lines << cell->text(QAccessible::Name);
    QVERIFY2(lines.contains(QStringLiteral("3\"")), qPrintable(lines.join('|')));
    for (const QString& line : lines) QCOMPARE(line, line.trimmed());
  }

 private:
  Session* m_session = nullptr;
  Calculator* m_calc = nullptr;
};

}  // namespace mezura

QTEST_MAIN(mezura::TestAccessible)
#include "tst_accessible.moc"
