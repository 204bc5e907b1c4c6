// The Converter window: drops on the drop label, double-clicks, the fixed
// height, colours, closing and its place beside the calculator.
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

#include "converter/ui/converter.h"
#include "memory/ui/value_drag.h"
#include "support/drop_events.h"

using mezura::Converter;

class TestConverter : public QObject {
  Q_OBJECT

 private:
  static QLabel* Label(Converter& c, const QString& name) {
    QLabel* label = c.findChild<QLabel*>(name);
    if (!label) qFatal("no label %s", qPrintable(name));
    return label;
  }
  static QStringList Results(Converter& c) {
    QStringList texts;
    for (int i = 2; i <= 6; ++i) texts << Label(c, QStringLiteral("lblLabel(%1)").arg(i))->text();
    return texts;
  }
  static bool Drop(QWidget* target, QMimeData* mime) {
    return mezura::testing::SendDrop(target, mime, target->rect().center(), Qt::CopyAction | Qt::MoveAction);
  }
  static QMimeData* Value(const QString& text) { return mezura::EncodeValueDrag(text, mezura::DragSource::Readout()); }
  static QMimeData* PlainText(const QString& text) {
    auto* mime = new QMimeData;
    mime->setText(text);
    return mime;
  }
  static void DoubleClick(QWidget* widget) {
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
  }

 private slots:
  void startsCollapsedWithItsDesignCaptions() {
    Converter c;
    c.show();
    QCOMPARE(c.windowTitle(), QStringLiteral("Converter"));
    QCOMPARE(Label(c, "Label1")->text(), QStringLiteral(" Drop Here     "));
    QVERIFY(Label(c, "Label1")->font().bold());
    QCOMPARE(Results(c), QStringList(5, QString()));
    QCOMPARE(c.HeightTwips(), 765);  // 770 twips to the whole pixel
    QCOMPARE(c.WidthTwips(), 1815);
    // The settings' default place is worked out from these before any converter is made.
    QCOMPARE(Converter::StartHeightTwips(), c.HeightTwips());
    QCOMPARE(Converter::StartWidthTwips(), c.WidthTwips());
  }

  void aDropOfOurValueShowsItsConversionAndExpands_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("length") << " 5'- 6\" " << 16 << "5'- 6\" "
                            << QStringList{" 5'- 6\" ", " 66\" ", " 5.5' ", " 1.8333 yds ", " .001 miles "};
    QTest::newRow("area") << " 1'- 0\" sq." << 16 << "1'- 0\" sq. "
                          << QStringList{" 1'- 0\"sq ", " 144\"sq ", " 1'sq ", " .1111 sy ", " 0 acres "};
    QTest::newRow("volume") << " 27'- 0\" cu." << 16 << "27'- 0\" cu. "
                            << QStringList{" 27'- 0\"cu ", " 46656\"cu ", " 27'cu ", " 1 cy ", ""};
    QTest::newRow("at 1/32") << "11.96875" << 32 << "11.96875 "
                             << QStringList{" 11 31/32\" ", " 11.9688\" ", " .9974' ", " .3325 yds ", " .0002 miles "};
  }
  void aDropOfOurValueShowsItsConversionAndExpands() {
    QFETCH(QString, value);
    QFETCH(int, accuracy);
    QFETCH(QString, caption);
    QFETCH(QStringList, results);
    Converter c;
    c.SetAccuracy(accuracy);
    c.show();
    std::unique_ptr<QMimeData> mime(Value(value));
    QVERIFY(Drop(Label(c, "Label1"), mime.get()));
    QCOMPARE(Label(c, "Label1")->text(), caption);
    QCOMPARE(Results(c), results);
    QCOMPARE(c.HeightTwips(), 3210);
    QVERIFY(!c.Model().Collapsed());
    // The metric labels continue the column, and the window shows them all.
    QCOMPARE(Label(c, "lblLabel(7)")->y() - Label(c, "lblLabel(6)")->y(), 20);
    QVERIFY(Label(c, "lblLabel(9)")->geometry().bottom() < c.height());
  }

  void outsideTextIsTakenOnlyWhenItReadsAsAValue() {
    Converter c;
    int beeps = 0;
    c.SetBeeper([&] { ++beeps; });
    c.show();
    std::unique_ptr<QMimeData> words(PlainText("five apples"));
    QVERIFY(!Drop(Label(c, "Label1"), words.get()));
    QCOMPARE(beeps, 1);
    QCOMPARE(Label(c, "Label1")->text(), QStringLiteral(" Drop Here     "));
    QCOMPARE(c.HeightTwips(), 765);

    std::unique_ptr<QMimeData> area(PlainText("5' sq\r\n"));
    QVERIFY(Drop(Label(c, "Label1"), area.get()));
    QCOMPARE(Label(c, "Label1")->text(), QStringLiteral("5' sq. "));
    QCOMPARE(Results(c).at(1), QStringLiteral(" 720\"sq "));
    QCOMPARE(beeps, 1);

    // Our own format from another running program is outside text too.
    std::unique_ptr<QMimeData> foreign(Value("12 feet"));
    foreign->setData(mezura::kValueInstanceMimeType, QByteArray::number(QCoreApplication::applicationPid() + 1));
    QVERIFY(!Drop(Label(c, "Label1"), foreign.get()));
    QCOMPARE(beeps, 2);
    QCOMPARE(Label(c, "Label1")->text(), QStringLiteral("5' sq. "));

    // Metric text is read as inches, and shown in metric units again.
    std::unique_ptr<QMimeData> metres(PlainText("1.5 m"));
    QVERIFY(Drop(Label(c, "Label1"), metres.get()));
    QCOMPARE(Label(c, "Label1")->text(), QStringLiteral("59.0551181102362\" "));
    QCOMPARE(Label(c, "lblLabel(7)")->text(), QStringLiteral(" 1500 mm "));
    QCOMPARE(Label(c, "lblLabel(9)")->text(), QStringLiteral(" 1.5 m "));
  }

  void dropsBesideTheDropLabelDoNothing() {
    Converter c;
    c.show();
    std::unique_ptr<QMimeData> mime(Value("12"));
    QVERIFY(!Drop(&c, mime.get()));
    QCOMPARE(Results(c), QStringList(5, QString()));
    QCOMPARE(Label(c, "Label1")->text(), QStringLiteral(" Drop Here     "));
  }

  void doubleClicksCollapseExpandAndClear() {
    Converter c;
    c.show();
    DoubleClick(&c);  // Form_DblClick on a collapsed converter expands it
    QCOMPARE(c.HeightTwips(), 3210);
    DoubleClick(&c);
    QCOMPARE(c.HeightTwips(), 765);

    std::unique_ptr<QMimeData> mime(Value("-63.5"));
    QVERIFY(Drop(Label(c, "Label1"), mime.get()));
    QCOMPARE(Results(c).at(0), QStringLiteral("- 5'- 3 1/2\" "));
    QCOMPARE(c.HeightTwips(), 3210);

    DoubleClick(Label(c, "lblLabel(3)"));  // a result label's double-click is its own
    QCOMPARE(c.HeightTwips(), 3210);

    DoubleClick(Label(c, "Label1"));  // clears and collapses
    QCOMPARE(Label(c, "Label1")->text(), QStringLiteral("Drop Here     "));
    QCOMPARE(Results(c), QStringList(5, QString()));
    QCOMPARE(c.HeightTwips(), 765);
    DoubleClick(Label(c, "Label1"));  // and expands, empty
    QCOMPARE(c.HeightTwips(), 3210);
    QCOMPARE(Results(c), QStringList(5, QString()));
  }

  void onlyTheWidthCanChange() {
    Converter c;
    c.show();
    c.resize(300, 400);
    QCOMPARE(c.width(), 300);
    QCOMPARE(c.HeightTwips(), 765);
    // outer width (300 + 8) * 15 = 4620 twips, labels 4620 - 240 = 4380 = 292 px
    QCOMPARE(Label(c, "Label1")->width(), 292);
    QCOMPARE(Label(c, "lblLabel(4)")->width(), 292);
  }

  void coloursComeFromTheSetters() {
    Converter c;
    QCOMPARE(c.palette().color(QPalette::Window), QColor(0, 128, 128));
    QCOMPARE(Label(c, "Label1")->palette().color(QPalette::Window), QColor(255, 255, 128));
    c.SetConverterColor(255);
    c.SetConvReadoutColor(65280);
    c.SetConvResultColor(0xFF0000);
    QCOMPARE(c.palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(Label(c, "Label1")->palette().color(QPalette::Window), QColor(0, 255, 0));
    for (int i = 2; i <= 9; ++i)
      QCOMPARE(Label(c, QStringLiteral("lblLabel(%1)").arg(i))->palette().color(QPalette::Window),
               QColor(0, 0, 255));
    QVERIFY(Label(c, "lblLabel(2)")->autoFillBackground());
  }

  void theUsersCloseHidesAndReportsIt() {
    Converter c;
    QSignalSpy closed(&c, &Converter::closedByUser);
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    QCloseEvent byTheUser;  // as the window's close box delivers it
    QSpontaneKeyEvent::setSpontaneous(&byTheUser);
    qApp->notify(&c, &byTheUser);  // sendEvent would clear the spontaneous flag
    QVERIFY(!byTheUser.isAccepted());
    QVERIFY(!c.isVisible());
    QCOMPARE(closed.count(), 1);

    c.show();
    QVERIFY(c.close());  // the program's own close (quitting) goes through
    QCOMPARE(closed.count(), 1);
  }

  void showBesideTheCalculator_data() {
    QTest::addColumn<bool>("atLeftEdge");
    QTest::newRow("calculator at the left edge: converter on its right") << true;
    QTest::newRow("calculator at the right edge: converter on its left") << false;
  }
  void showBesideTheCalculator() {
    QFETCH(bool, atLeftEdge);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget calculator;
    calculator.resize(240, 300);
    calculator.move(atLeftEdge ? screen.left() : screen.right() + 1 - 240, 50);
    calculator.show();
    Converter c;
    c.ShowBeside(&calculator);
    QVERIFY(c.isVisible());
    // Beside means frame to frame, top-aligned.
    const QRect calc = calculator.frameGeometry();
    const QRect conv = c.frameGeometry();
    QCOMPARE(conv.top(), calc.top());
    const int expectedLeft = atLeftEdge ? (calc.right() + 1) * 15 + 200 : calc.left() * 15 - c.WidthTwips() - 200;
    QVERIFY2(std::abs(conv.left() * 15 - expectedLeft) <= 7,  // to the nearest pixel
             qPrintable(QStringLiteral("%1 twips, expected %2").arg(conv.left() * 15).arg(expectedLeft)));
  }

  void savedPlaceComesBackExactly() {
    // What the settings store is what the next start restores: no drift by
    // the frame, whether or not the window was ever shown.
    Converter c;
    c.MoveTwips(3000, 1500);
    QCOMPARE(c.LeftTwips(), 3000);
    QCOMPARE(c.TopTwips(), 1500);
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    Converter next;
    next.MoveTwips(c.LeftTwips(), c.TopTwips());
    next.show();
    QVERIFY(QTest::qWaitForWindowExposed(&next));
    QCOMPARE(next.geometry().topLeft(), c.geometry().topLeft());
  }

  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
};

QTEST_MAIN(TestConverter)
#include "tst_converter.moc"
