// The tape window on its own, docked on a fake calculator: the grid model over
// the store, switching tapes, snapping and docking, hiding by double-click or close,
// a full 32767-line tape, and the pop-up's copy, save and preview.

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "support/tape_lines.h"
#include "support/tiny_tmpfs.h"
#include "tape/tape_export.h"
#include "tape/tape_store.h"
#include "tape/ui/tape_dock_host.h"
#include "tape/ui/tape_line_delegate.h"
#include "tape/ui/tape_table_model.h"
#include "tape/ui/tape_window.h"

namespace mezura {

class FakeCalculator : public TapeDockHost {
 public:
  TwipRect CalculatorRect() const override { return rect; }
  bool CalculatorMinimized() const override { return minimized; }
  void FocusEqual() override { ++focusRequests; }
  void RaiseTapeAndCalculator() override { ++raises; }
  void TapeHiddenByUser() override { ++hiddenByUser; }

  TwipRect rect{3000, 6000, 3615, 3590};
  bool minimized = false;
  int focusRequests = 0;
  int raises = 0;
  int hiddenByUser = 0;
};

class TestTapeWindow : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void startsDockedFiveRowsHigh();
  void modelReadsTheStoreAndSignalsNarrowly();
  void appendingScrollsTheLastLineToTheBottomRow();
  void longLinesShowWhole();
  void arrowKeysWrapAroundTheTapes_data();
  void arrowKeysWrapAroundTheTapes();
  void arrowButtonsSwitchAndShowOnlyWhenAsked();
  void resizeSnapsToWholeRows_data();
  void resizeSnapsToWholeRows();
  void followsTheCalculatorAndKeepsItsHeight();
  void draggingTheTopEdgeResizes();
  void minimizedCalculatorLeavesTheLayoutAlone();
  void doubleClickOrCloseHides();
  void fullTapeScrollsAndSwitchesQuickly();
  void copyKeysCopyTheSelectionOrTheWholeTape_data();
  void copyKeysCopyTheSelectionOrTheWholeTape();
  void saveTapeAsWritesTheChosenFormat_data();
  void saveTapeAsWritesTheChosenFormat();
  void failedSaveTellsWhyAndKeepsTheOldFile_data();
  void failedSaveTellsWhyAndKeepsTheOldFile();
  void valueLinesAreDragSources();

 private:
  int LastRow() const;
  TapeStore* m_store = nullptr;
  FakeCalculator* m_host = nullptr;
  TapeWindow* m_window = nullptr;
};

void TestTapeWindow::init() {
  m_store = new TapeStore;
  m_host = new FakeCalculator;
  m_window = new TapeWindow(*m_store, *m_host);
  m_window->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestTapeWindow::cleanup() {
  delete m_window;
  delete m_host;
  delete m_store;
  m_window = nullptr;
  QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

static void Append(TapeStore& store, int tape, const std::string& line) {
  store.AddTapeRows(tape, 1);
  store.SetTapeLine(tape, store.TapeRowCount(tape), line);
}

int TestTapeWindow::LastRow() const {
  // The row shown at the bottom of the grid.
  QTableView* grid = m_window->Grid();
  return grid->rowAt(grid->viewport()->height() - 1);
}

void TestTapeWindow::startsDockedFiveRowsHigh() {
  const TwipRect g = m_window->GeometryTwips();
  QCOMPARE(g.height, 1525.0);
  QCOMPARE(g.left, 3240.0);
  QCOMPARE(g.width, 3135.0);
  QCOMPARE(g.top, 6000.0 - 1525 + 60);
  QCOMPARE(m_window->Grid()->height(), 5 * 15);
  QCOMPARE(m_window->Title()->text(), QStringLiteral("Calculator"));
  QCOMPARE(m_store->View().visibleHeight, 1125.0);
  QCOMPARE(m_store->View().rowHeight, 225.0);
  QVERIFY(m_window->windowTitle().isEmpty());
  QVERIFY(!m_window->findChild<QPushButton*>(QStringLiteral("cmdScrollTape(0)"))->isVisible());
}

void TestTapeWindow::modelReadsTheStoreAndSignalsNarrowly() {
  TapeTableModel* model = m_window->Model();
  QCOMPARE(model->rowCount(), 10);
  QCOMPARE(model->columnCount(), 1);
  QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
  QSignalSpy rowsInserted(model, &QAbstractItemModel::rowsInserted);
  QSignalSpy columnsInserted(model, &QAbstractItemModel::columnsInserted);
  QSignalSpy reset(model, &QAbstractItemModel::modelReset);

  Append(*m_store, 0, "5'- 3 \xC2\xBD ");  // UTF-8 reaches the view intact
  QCOMPARE(changed.count(), 1);
  QCOMPARE(changed.at(0).at(0).toModelIndex(), model->index(1, 0));
  QCOMPARE(changed.at(0).at(1).toModelIndex(), model->index(1, 0));
  QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("5'- 3 \u00BD "));
  QCOMPARE(model->index(1, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
  QVERIFY(!model->index(1, 0).data(Qt::FontRole).isValid());
  QVERIFY(!model->index(0, 0).data().isValid());
  // The table keeps ten rows past the longest tape: one row more.
  QCOMPARE(rowsInserted.count(), 1);
  QCOMPARE(model->rowCount(), 11);

  for (int i = 0; i < 9; ++i) Append(*m_store, 0, "x");
  QCOMPARE(model->rowCount(), 20);
  QCOMPARE(rowsInserted.count(), 10);
  QCOMPARE(rowsInserted.last().at(1).toInt(), 19);

  m_store->AddTape(1, "Memory 1");
  m_store->AddTape(2, "Memory 2");
  QCOMPARE(model->columnCount(), 3);
  QCOMPARE(columnsInserted.count(), 2);
  m_store->ResetTapes();
  QCOMPARE(model->columnCount(), 1);
  QCOMPARE(model->index(10, 0).data().toString(), QStringLiteral("x"));
  QCOMPARE(reset.count(), 0);
}

void TestTapeWindow::appendingScrollsTheLastLineToTheBottomRow() {
  for (int i = 1; i <= 12; ++i) {
    Append(*m_store, 0, std::to_string(i) + " ");
    m_store->ScrollTapeToEnd();
    QCOMPARE(LastRow(), std::max(i, 4));
  }
  QCOMPARE(m_window->Grid()->verticalScrollBar()->value(), 8);
  QCOMPARE(m_window->Grid()->model()->index(LastRow(), 0).data().toString(), QStringLiteral("12 "));
}

void TestTapeWindow::longLinesShowWhole() {
  // A line wider than the column is drawn small enough to fit, never cut off
  // with "…"; its tooltip is the whole line.
  const std::string line = " 1234567890123456789012345678'- 11 15/16\" sq. ";
  Append(*m_store, 0, line);
  QTableView* grid = m_window->Grid();
  const QModelIndex index = grid->model()->index(1, 0);
  QStyleOptionViewItem option;
  option.initFrom(grid);
  option.rect = grid->visualRect(index);
  auto* delegate = static_cast<TapeLineDelegate*>(grid->itemDelegate());
  const QFont font = delegate->LineFont(option, index);
  const QString text = QString::fromStdString(line);
  QVERIFY(QFontMetricsF(grid->font()).horizontalAdvance(text) > option.rect.width());
  QVERIFY(QFontMetricsF(font).horizontalAdvance(text) < option.rect.width());
  QCOMPARE(index.data(Qt::ToolTipRole).toString(), text);
}

void TestTapeWindow::arrowKeysWrapAroundTheTapes_data() {
  QTest::addColumn<int>("tapes");
  QTest::addColumn<QList<int>>("keys");
  QTest::addColumn<QList<int>>("shown");
  const int L = Qt::Key_Left, R = Qt::Key_Right;
  QTest::newRow("one tape stays") << 1 << QList<int>{L, R} << QList<int>{0, 0};
  QTest::newRow("left from 0 wraps to the last") << 3 << QList<int>{L, L, L} << QList<int>{2, 1, 0};
  QTest::newRow("right from the last wraps to 0") << 3 << QList<int>{R, R, R, L} << QList<int>{1, 2, 0, 2};
}

void TestTapeWindow::arrowKeysWrapAroundTheTapes() {
  QFETCH(int, tapes);
  QFETCH(QList<int>, keys);
  QFETCH(QList<int>, shown);
  for (int t = 1; t < tapes; ++t) {
    m_store->AddTape(t, "Memory " + std::to_string(t));
    for (int i = 0; i <= t; ++i) Append(*m_store, t, "tape " + std::to_string(t));
  }
  m_store->SelectTape(0, "Calculator");
  QTableView* grid = m_window->Grid();
  for (int i = 0; i < keys.size(); ++i) {
    QTest::keyClick(grid, Qt::Key(keys[i]));
    QCOMPARE(m_store->CurrentTape(), shown[i]);
    QCOMPARE(m_store->View().firstVisibleColumn, shown[i]);
    QCOMPARE(grid->columnAt(grid->viewport()->width() / 2), shown[i]);
    QCOMPARE(grid->columnAt(1), shown[i]);
    QCOMPARE(m_window->Title()->text(), QString::fromStdString(std::string(m_store->TapeName(shown[i]))));
  }
}

void TestTapeWindow::arrowButtonsSwitchAndShowOnlyWhenAsked() {
  m_store->AddTape(1, "Lumber");
  auto* left = m_window->findChild<QPushButton*>(QStringLiteral("cmdScrollTape(0)"));
  auto* right = m_window->findChild<QPushButton*>(QStringLiteral("cmdScrollTape(1)"));
  QVERIFY(left && right);
  m_window->SetScrollButtonsVisible(true);
  QVERIFY(left->isVisible() && right->isVisible());
  QCOMPARE(left->text(), QStringLiteral("\u25C0"));
  QCOMPARE(right->text(), QStringLiteral("\u25B6"));
  QTest::mouseClick(right, Qt::LeftButton);
  QCOMPARE(m_store->CurrentTape(), 1);
  QCOMPARE(m_window->Title()->text(), QStringLiteral("Lumber"));
  QTest::mouseClick(left, Qt::LeftButton);
  QCOMPARE(m_store->CurrentTape(), 0);
  m_window->SetScrollButtonsVisible(false);
  QVERIFY(!left->isVisible() && !right->isVisible());
}

void TestTapeWindow::draggingTheTopEdgeResizes() {
  QLabel* title = m_window->Title();
  auto send = [title](QEvent::Type type, QPoint global, Qt::MouseButtons buttons, Qt::MouseButton button) {
    QMouseEvent event(type, title->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(title, &event);
  };
  const double start = m_window->GeometryTwips().height;
  const QPoint edge = title->mapToGlobal(QPoint(20, 2));
  // Up by 30 px (450 twips, two rows): taller by exactly two rows, bottom still docked.
  send(QEvent::MouseButtonPress, edge, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, edge - QPoint(0, 30), Qt::LeftButton, Qt::NoButton);
  send(QEvent::MouseButtonRelease, edge - QPoint(0, 30), Qt::NoButton, Qt::LeftButton);
  QCOMPARE(m_window->GeometryTwips().height, start + 450);
  const TwipRect g = m_window->GeometryTwips();
  QCOMPARE(g.top + g.height, m_host->rect.top + 60);
  // A press lower in the title is no resize: moving changes nothing.
  const QPoint middle = title->mapToGlobal(QPoint(20, title->height() - 2));
  send(QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, middle - QPoint(0, 60), Qt::LeftButton, Qt::NoButton);
  send(QEvent::MouseButtonRelease, middle - QPoint(0, 60), Qt::NoButton, Qt::LeftButton);
  QCOMPARE(m_window->GeometryTwips().height, start + 450);
}

void TestTapeWindow::resizeSnapsToWholeRows_data() {
  QTest::addColumn<int>("clientHeight");
  QTest::addColumn<double>("snappedHeight");
  // The client height is the outer height less the 8 px frame.
  QTest::newRow("1600 twips -> 1525") << (1600 / 15 - 8) << 1525.0;
  QTest::newRow("nothing -> one row") << 0 << 625.0;
  QTest::newRow("one pixel -> one row") << 1 << 625.0;
  // The fake calculator's top is 404 px down a 600 px screen: 25 rows fit above it.
  QTest::newRow("taller than the room above") << 800 << 400 + 25 * 225.0;
}

void TestTapeWindow::resizeSnapsToWholeRows() {
  QFETCH(int, clientHeight);
  QFETCH(double, snappedHeight);
  for (int i = 0; i < 30; ++i) Append(*m_store, 0, "line");
  const int lines = m_store->TapeRowCount(0);
  m_window->resize(m_window->width(), clientHeight);
  QTRY_COMPARE(m_window->GeometryTwips().height, snappedHeight);
  // The window itself takes the snapped size, its frame's bottom edge 4 px
  // over the calculator's top and its grid ending on that top.
  const TwipRect g = m_window->GeometryTwips();
  QCOMPARE(g.top + g.height, m_host->rect.top + 60);
  QTRY_COMPARE(m_window->frameGeometry().top(), qRound(g.top / 15));
  QCOMPARE(m_window->frameGeometry().bottom() + 1, 6000 / 15 + 4);
  QCOMPARE(m_window->Grid()->mapTo(m_window, QPoint(0, m_window->Grid()->height())).y() + m_window->geometry().y(), 6000 / 15);
  QCOMPARE(m_window->Grid()->height() % 15, 0);
  QCOMPARE(m_store->View().visibleHeight, snappedHeight - 400);
  QCOMPARE(m_store->TapeRowCount(0), lines);
}

void TestTapeWindow::followsTheCalculatorAndKeepsItsHeight() {
  m_window->resize(m_window->width(), 1750 / 15 - 8);
  QTRY_COMPARE(m_window->GeometryTwips().height, 1750.0);
  const int raises = m_host->raises;
  m_host->rect.left += 300;
  m_window->FollowCalculator();
  const TwipRect g = m_window->GeometryTwips();
  QCOMPARE(g.left, 3540.0);
  QCOMPARE(g.height, 1750.0);
  QCOMPARE(m_window->pos().x(), 236);  // 3540 / 15
  // The real bottom edge is 60 twips (4 px) below the calculator's top.
  QCOMPARE(m_window->frameGeometry().bottom() + 1, 6000 / 15 + 4);
  QCOMPARE(m_host->raises, raises);             // following lifts nothing
  // A calculator off the screen does not take the tape with it, and one at
  // the screen's top leaves room for one row only.
  const QRect screen = m_window->screen()->availableGeometry();
  m_host->rect = {-60000, -40000, 2745, 2844};
  m_window->FollowCalculator();
  QVERIFY(screen.contains(m_window->frameGeometry()));
  m_host->rect = {3000, 400 + 225, 2745, 2844};
  m_window->FollowCalculator();
  QVERIFY(screen.contains(m_window->frameGeometry()));
  QCOMPARE(m_store->View().visibleHeight, 225.0);
  QCOMPARE(m_window->RequestedRows(), 6);
  m_host->rect.top = 6000;
  m_window->FollowCalculator();
  QCOMPARE(m_window->GeometryTwips().height, 1750.0);
}

void TestTapeWindow::minimizedCalculatorLeavesTheLayoutAlone() {
  const TwipRect before = m_window->GeometryTwips();
  m_host->minimized = true;
  m_host->rect.left += 1500;
  m_window->Form_Resize();
  QCOMPARE(m_window->GeometryTwips(), before);
  m_host->minimized = false;
  m_window->Form_Resize();
  QCOMPARE(m_window->GeometryTwips().left, before.left + 1500);
}

void TestTapeWindow::doubleClickOrCloseHides() {
  QTest::mouseDClick(m_window->Grid()->viewport(), Qt::LeftButton);
  QVERIFY(!m_window->isVisible());
  QCOMPARE(m_host->hiddenByUser, 1);
  m_window->show();
  QTest::mouseDClick(m_window->Title(), Qt::LeftButton);
  QVERIFY(!m_window->isVisible());
  QCOMPARE(m_host->hiddenByUser, 2);
  // A close box (the tape has one where it cannot dock) hides it the same way.
  m_window->show();
  m_window->close();
  QVERIFY(!m_window->isVisible());
  QCOMPARE(m_host->hiddenByUser, 3);
}

void TestTapeWindow::fullTapeScrollsAndSwitchesQuickly() {
  m_store->AddTape(1, "Memory 1");
  Append(*m_store, 1, "one line");
  for (int i = 1; i <= kMaxTapeLines; ++i) Append(*m_store, 0, std::to_string(i) + "\" ");
  QCOMPARE(m_store->TapeRowCount(0), kMaxTapeLines);
  QVERIFY(!m_store->AddTapeRows(0, 1));
  TapeTableModel* model = m_window->Model();
  QCOMPARE(model->rowCount(), kMaxTapeLines + 10);
  QCOMPARE(model->index(kMaxTapeLines, 0).data().toString(), QStringLiteral("32767\" "));

  QElapsedTimer timer;
  timer.start();
  m_store->SelectTape(0, "Calculator");
  m_store->ScrollTapeToEnd();
  QApplication::processEvents();
  QCOMPARE(LastRow(), kMaxTapeLines);
  for (int i = 0; i < 10; ++i) {
    QTest::keyClick(m_window->Grid(), Qt::Key_Right);
    QApplication::processEvents();
  }
  QCOMPARE(m_store->CurrentTape(), 0);
  QCOMPARE(LastRow(), kMaxTapeLines);
  m_window->resize(m_window->width(), 300);
  QApplication::processEvents();
  QVERIFY2(timer.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
}

// A calculation on tape 0 and one line on "Memory 1".
static void TwoTapes(TapeStore& store) {
  QVERIFY(testing::AppendTapeLines(store, 0, {" 5'- 3\" ", "+ 2' ", "--------------- ", " 7'- 3\" "}));
  QVERIFY(store.AddTape(1, "Memory 1"));
  QVERIFY(testing::AppendTapeLines(store, 1, {" 6\" "}));
}

static QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestTapeWindow::copyKeysCopyTheSelectionOrTheWholeTape_data() {
  QTest::addColumn<QList<int>>("clicked");  // rows clicked on tape 0, the later ones with Ctrl
  QTest::addColumn<int>("switchTo");        // the tape then shown
  QTest::addColumn<QKeySequence>("keys");  // none: the pop-up's "Copy Tape"
  QTest::addColumn<QString>("copied");
  QTest::newRow("nothing selected: the whole tape")
      << QList<int>{} << 0 << QKeySequence(Qt::CTRL | Qt::Key_C) << " 5'- 3\"\n+ 2'\n---------------\n 7'- 3\"";
  QTest::newRow("two lines, Ctrl+Insert")
      << QList<int>{4, 2} << 0 << QKeySequence(Qt::CTRL | Qt::Key_Insert) << "+ 2'\n 7'- 3\"";
  QTest::newRow("a selection on a tape no longer shown")
      << QList<int>{1} << 1 << QKeySequence(Qt::CTRL | Qt::Key_C) << " 6\"";
  QTest::newRow("Copy Tape: the whole tape, selection or not")
      << QList<int>{2} << 0 << QKeySequence() << " 5'- 3\"\n+ 2'\n---------------\n 7'- 3\"";
}

void TestTapeWindow::copyKeysCopyTheSelectionOrTheWholeTape() {
  QFETCH(QList<int>, clicked);
  QFETCH(int, switchTo);
  QFETCH(QKeySequence, keys);
  QFETCH(QString, copied);
  TwoTapes(*m_store);
  m_store->SelectTape(0, "Calculator");
  QTableView* grid = m_window->Grid();
  for (int i = 0; i < clicked.size(); ++i) {
    const QRect cell = grid->visualRect(m_window->Model()->index(clicked[i], 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, i ? Qt::ControlModifier : Qt::NoModifier, cell.center());
  }
  if (switchTo) QTest::keyClick(grid, Qt::Key_Right);
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  if (keys.isEmpty())
    m_window->mnuPopup2CopyTape_Click();
  else
    QTest::keySequence(grid, keys);
  QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

void TestTapeWindow::saveTapeAsWritesTheChosenFormat_data() {
  QTest::addColumn<bool>("documents");  // whether the home folder has a Documents folder
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("csvFilter");
  QTest::addColumn<QString>("written");
  QTest::addColumn<bool>("csv");
  QTest::newRow("no suffix: the filter's") << true << "t" << true << "t.csv" << true;
  QTest::newRow("a typed .txt wins; no Documents") << false << "t.txt" << true << "t.txt" << false;
  QTest::newRow("a typed .CSV wins") << true << "t.CSV" << false << "t.CSV" << true;
}

void TestTapeWindow::saveTapeAsWritesTheChosenFormat() {
  QFETCH(bool, documents);
  QFETCH(QString, typed);
  QFETCH(bool, csvFilter);
  QFETCH(QString, written);
  QFETCH(bool, csv);
  TwoTapes(*m_store);
  m_store->SelectTape(0, "Calculator");
  QTemporaryDir home;
  const QByteArray oldHome = qgetenv("HOME");
  qputenv("HOME", home.path().toLocal8Bit());
  if (documents) QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
  QString proposed;
  m_window->FileDialogs().saveFile = [&](const QString& suggested) {
    proposed = suggested;
    return TapeFileChoice{home.filePath(typed), csvFilter ? TapeFileFormat::Csv : TapeFileFormat::Text};
  };
  m_window->mnuPopup2SaveTapeAs_Click();
  qputenv("HOME", oldHome);
  QCOMPARE(proposed, home.path() + (documents ? "/Documents" : "") + "/Calculator.txt");
  const std::string expected = TapeFileContents(*m_store, 0, csv ? TapeFileFormat::Csv : TapeFileFormat::Text);
  QCOMPARE(Contents(home.filePath(written)), QByteArray::fromStdString(expected));
}

void TestTapeWindow::failedSaveTellsWhyAndKeepsTheOldFile_data() {
  QTest::addColumn<bool>("fullDisk");
  QTest::addColumn<QString>("reason");
  QTest::newRow("a missing folder") << false << QStringLiteral("No such file or directory");
  QTest::newRow("a full disk") << true << QStringLiteral("No space left on device");
}

void TestTapeWindow::failedSaveTellsWhyAndKeepsTheOldFile() {
  QFETCH(bool, fullDisk);
  QFETCH(QString, reason);
  QTemporaryDir dir;
  std::optional<testing::TinyTmpfs> disk;
  QString path = dir.filePath(QStringLiteral("missing/t.csv"));
  QStringList errors;
  m_window->FileDialogs().saveFile = [&](const QString&) { return TapeFileChoice{path, TapeFileFormat::Csv}; };
  m_window->FileDialogs().showError = [&](const QString& text) { errors << text; };
  if (fullDisk) {
    disk.emplace(64);
    if (!disk->Error().isEmpty()) QSKIP(qPrintable(disk->Error()));
    path = disk->Path(QStringLiteral("t.csv"));
    m_window->mnuPopup2SaveTapeAs_Click();
    QVERIFY(disk->Fill());
    TwoTapes(*m_store);
  }
  const QByteArray before = Contents(path);
  m_window->mnuPopup2SaveTapeAs_Click();
  QCOMPARE(errors.size(), 1);
  QVERIFY2(errors.first().contains(QStringLiteral("t.csv")) && errors.first().contains(reason),
           qPrintable(errors.first()));
  QCOMPARE(Contents(path), before);
  QCOMPARE(before.isEmpty(), !fullDisk);
}

void TestTapeWindow::valueLinesAreDragSources() {
  TwoTapes(*m_store);
  QVERIFY(testing::AppendTapeLines(*m_store, 0, {"Stairs ", "Rise =  8'- 9\" "}));
  m_store->SelectTape(0, "Calculator");
  // Nothing for the empty row 0, the separator and the title.
  const QStringList carried{"", "5'- 3\"", "2'", "", "7'- 3\"", "", "8'- 9\""};
  for (int row = 0; row < carried.size(); ++row) QCOMPARE(m_window->LineDragValue(row), carried[row]);

  QStringList dragged;
  m_window->SetLineDragCommand([&](QWidget* source, QPoint press, QPoint current, const QString& value) {
    if (source != m_window->Grid()->viewport() || (current - press).manhattanLength() < 10) return false;
    dragged << value;
    return true;
  });
  QWidget* viewport = m_window->Grid()->viewport();
  auto send = [viewport](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
  };
  const auto at = [&](int row) { return m_window->Grid()->visualRect(m_window->Model()->index(row, 0)).center(); };
  // A short move is no drag yet, moving on from the same press is; a line
  // without a value and a press already released drag nothing.
  send(QEvent::MouseButtonPress, at(4), Qt::LeftButton);
  send(QEvent::MouseMove, at(4) + QPoint(2, 0), Qt::LeftButton);
  send(QEvent::MouseMove, at(4) + QPoint(20, 0), Qt::LeftButton);
  send(QEvent::MouseButtonPress, at(3), Qt::LeftButton);
  send(QEvent::MouseMove, at(3) + QPoint(20, 0), Qt::LeftButton);
  send(QEvent::MouseButtonPress, at(1), Qt::LeftButton);
  send(QEvent::MouseButtonRelease, at(1), Qt::NoButton);
  send(QEvent::MouseMove, at(1) + QPoint(20, 0), Qt::LeftButton);
  send(QEvent::MouseButtonPress, at(6), Qt::LeftButton);
  send(QEvent::MouseMove, at(6) - QPoint(20, 0), Qt::LeftButton);
  QCOMPARE(dragged, (QStringList{"7'- 3\"", "8'- 9\""}));
}

}  // namespace mezura

QTEST_MAIN(mezura::TestTapeWindow)
#include "tst_tape_window.moc"
