// The memory windows driven through MemoryController, on the offscreen platform.

#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include "memory/ui/frm_input.h"
#include "memory/ui/mdi_form1.h"
#include "memory/ui/memory_controller.h"
#include "memory/ui/memory_form.h"
#include "measure/twips.h"
#include "memory/ui/value_drag.h"
#include "memory/ui/value_label.h"
#include "support/drop_events.h"

using namespace mezura;

namespace {

struct CountingHost {
  int beeps = 0;
};

QStringList TapeLines(const TapeStore& tapes, int tape) { return testing::TapeLineTexts(tapes, tape); }

// A drag from another window onto a cell or the display, at x; `hover` gets
// the image the target showed while the drag was over it.
void DropOn(ValueLabel* target, QMimeData* mime, int x, std::optional<DragImage>* hover = nullptr) {
  testing::SendDrop(target, mime, QPoint(x, target->height() / 2), Qt::CopyAction, [&] {
    if (hover) *hover = target->HoverImage();
  });
}

bool Overlap(const QRect& a, const QRect& b) { return a.intersects(b); }

}  // namespace

class TstMemoryController : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void createsDefaultCells();
  void namedMemoryAsksThroughTheDialog_data();
  void namedMemoryAsksThroughTheDialog();
  void renameAndResetByDoubleClick();
  void singleCellSizesTheContainer();
  void arrangePlacesCellsColumnByColumn();
  void containerResizeReflowsTheGrid();
  void hundredsOfCellsDoNotOverlap();
  void closingCellsAndErasing();
  void containerCloseErasesAll();
  void theContainerIsMadeWhereItWasPlaced();
  void colourRule_data();
  void colourRule();
  void dropsOntoACell_data();
  void dropsOntoACell();
  void dropOntoItselfClears();
  void foreignTextIsCheckedAndBeeps();
  void widenToTheLongestValue();
  void resizingOneCellResizesAll();
  void namingDialogEscapeAndReturn();
  void valueDragRoundTrip();
  void readoutAsValueLabel();
  void dragStartsPastTheDragDistance();
  void aSecondDragWaitsForTheFirstToEnd();
  void loadAndClearCells();

 private:
  void NewCells(int count) {
    for (int i = 0; i < count; ++i) m_memory->NewMemory();
  }
  std::unique_ptr<TapeStore> m_tapes;
  std::unique_ptr<CountingHost> m_host;
  std::unique_ptr<CalculatorEngine> m_engine;
  std::unique_ptr<MemoryController> m_memory;
  QList<bool> m_arrows;
  QString m_answer;
  QStringList m_asked;
};

void TstMemoryController::init() {
  m_tapes = std::make_unique<TapeStore>();
  m_host = std::make_unique<CountingHost>();
  m_engine = std::make_unique<CalculatorEngine>(*m_tapes);
  m_memory = std::make_unique<MemoryController>(*m_engine, *m_tapes);
  m_memory->SetFeedbackHandler([this](const EngineOutcome& outcome) { m_host->beeps += outcome.beeps; });
  m_arrows.clear();
  m_asked.clear();
  m_memory->SetTapeArrowsHandler([this](bool visible) { m_arrows << visible; });
  m_memory->SetNameAsker([this](const QString& initial) {
    m_asked << initial;
    return m_answer;
  });
}

void TstMemoryController::cleanup() {
  m_memory.reset();
  m_engine.reset();
  m_host.reset();
  m_tapes.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TstMemoryController::createsDefaultCells() {
  QVERIFY(!m_memory->Container()->isVisible());
  NewCells(2);
  QVERIFY(m_memory->Container()->isVisible());
  QCOMPARE(m_memory->Container()->windowTitle(), QStringLiteral("Memory"));
  MemoryForm* first = m_memory->Form(1);
  QVERIFY(first);
  QCOMPARE(first->windowTitle(), QStringLiteral("Memory 1"));
  QCOMPARE(m_memory->Form(2)->windowTitle(), QStringLiteral("Memory 2"));
  QCOMPARE(first->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("0."));
  QCOMPARE(m_tapes->TapeName(2), "Memory 2");
  QCOMPARE(m_memory->Model().TapeCount(), 3);
  QCOMPARE(m_memory->Container()->Area()->subWindowList().size(), 2);
  QCOMPARE(m_arrows, (QList<bool>{true, true}));
}

void TstMemoryController::namedMemoryAsksThroughTheDialog_data() {
  QTest::addColumn<bool>("accept");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("cells");
  QTest::newRow("ok") << true << "Walls" << 1;
  QTest::newRow("cancel") << false << "Walls" << 0;
  QTest::newRow("ok with nothing") << true << "" << 0;
}

void TstMemoryController::namedMemoryAsksThroughTheDialog() {
  QFETCH(bool, accept);
  QFETCH(QString, typed);
  QFETCH(int, cells);
  m_memory->SetNameAsker(nullptr);  // the real dialog
  QString offered, selected;
  bool sawDialog = false;
  QTimer::singleShot(0, this, [&] {
    auto* dialog = qobject_cast<frmInput*>(QApplication::activeModalWidget());
    if (!dialog) return;
    sawDialog = true;
    offered = dialog->txtText1()->text();
    selected = dialog->txtText1()->selectedText();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Named Memory"));
    dialog->txtText1()->setText(typed);
    (accept ? dialog->Command1() : dialog->Command2())->click();
  });
  m_memory->NamedMemory();
  QVERIFY(sawDialog);
  QCOMPARE(offered, QStringLiteral("Memory 1"));
  QCOMPARE(selected, offered);
  QCOMPARE(m_memory->Model().CellCount(), cells);
  if (cells) {
    QCOMPARE(m_memory->Form(1)->windowTitle(), typed);
    QCOMPARE(m_tapes->TapeName(1), typed.toStdString());
  } else {
    QVERIFY(!m_memory->Container()->isVisible());
    QCOMPARE(m_memory->Model().NextMemoryNumber(), 1);
  }
}

void TstMemoryController::renameAndResetByDoubleClick() {
  m_memory->NewMemory();
  MemoryForm* form = m_memory->Form(1);
  m_memory->Model().SetValue(1, " 3'- 0\" ");
  QCOMPARE(form->Label1()->text(), QStringLiteral(" 3'- 0\" "));

  m_answer = QStringLiteral("Floor");
  QTest::mouseDClick(form->Client(), Qt::LeftButton, {}, QPoint(3, 3));
  QCOMPARE(m_asked, QStringList{QStringLiteral("Memory 1")});
  QCOMPARE(form->windowTitle(), QStringLiteral("Floor"));
  QCOMPARE(m_tapes->TapeName(1), "Floor");

  m_answer.clear();  // cancelled: nothing changes
  QTest::mouseDClick(form->Client(), Qt::LeftButton, {}, QPoint(3, 3));
  QCOMPARE(form->windowTitle(), QStringLiteral("Floor"));

  QTest::mouseDClick(form->Label1(), Qt::LeftButton);
  QCOMPARE(form->Label1()->text(), QStringLiteral("0."));
  QCOMPARE(m_tapes->TapeRowCount(1), 0);
}

void TstMemoryController::singleCellSizesTheContainer() {
  // The first cell since the start, and a cell alone again after the
  // container had laid out two (once it has a frame of its own).
  for (int round = 0; round < 2; ++round) {
    if (round == 1) {
      NewCells(2);
      QVERIFY(QTest::qWaitForWindowExposed(m_memory->Container()));
      m_memory->EraseAll();
    }
    m_memory->NewMemory();
    // Inside the frame: the cell's width, and the design's 630 or the cell's
    // height if that is more; the cell at the top left with no scroll bar.
    QMdiArea* area = m_memory->Container()->Area();
    QTRY_COMPARE(area->contentsRect().width(), TwipsToPixels(1935));
    QTRY_COMPARE(area->contentsRect().height(), std::max(TwipsToPixels(630), m_memory->Form(1)->height()));
    QCOMPARE(m_memory->Form(1)->pos(), QPoint(0, 0));
    QVERIFY(!area->verticalScrollBar()->isVisible() && !area->horizontalScrollBar()->isVisible());
  }
}

void TstMemoryController::arrangePlacesCellsColumnByColumn() {
  NewCells(5);
  // An inner area of two columns and two rows.
  const int cellHeight = TwipsToPixels(m_memory->CellHeight());
  const int cellWidth = TwipsToPixels(1935);
  m_memory->Container()->resize(2 * cellWidth, 2 * cellHeight);
  m_memory->Arrange();
  QList<QRect> rects;
  for (int n = 1; n <= 5; ++n) rects << m_memory->Form(n)->geometry();
  QCOMPARE(rects[0].topLeft(), QPoint(0, 0));
  QCOMPARE(rects[0].size(), QSize(cellWidth, cellHeight));
  QCOMPARE(rects[1].topLeft(), QPoint(0, cellHeight));
  QCOMPARE(rects[2].topLeft(), QPoint(0, 2 * cellHeight));
  QCOMPARE(rects[3].topLeft(), QPoint(cellWidth, 0));
  QCOMPARE(rects[4].topLeft(), QPoint(cellWidth, cellHeight));
  QCOMPARE(m_memory->Container()->Area()->viewport()->height(), 3 * cellHeight);
  for (int i = 0; i < 5; ++i)
    for (int j = i + 1; j < 5; ++j) QVERIFY2(!Overlap(rects[i], rects[j]), qPrintable(QString("%1 %2").arg(i).arg(j)));
}

void TstMemoryController::containerResizeReflowsTheGrid() {
  NewCells(4);
  const int cellHeight = TwipsToPixels(m_memory->CellHeight());
  const int cellWidth = TwipsToPixels(1935);
  MDIForm1* container = m_memory->Container();
  QVERIFY(QTest::qWaitForWindowExposed(container));
  // Every resize by the user is followed, one after the other.
  const struct {
    QSize size;
    int columns;
  } steps[] = {{{4 * cellWidth, cellHeight}, 4}, {{cellWidth, 4 * cellHeight}, 1}, {{2 * cellWidth + 3, 2 * cellHeight}, 2}};
  for (const auto& step : steps) {
    container->resize(step.size);
    QSet<int> lefts;
    for (int n = 1; n <= 4; ++n) lefts.insert(m_memory->Form(n)->x());
    QCOMPARE(lefts.size(), step.columns);
    QCoreApplication::processEvents();
    QCOMPARE(container->Area()->viewport()->width(), step.columns * cellWidth);
  }
  // Maximized: the container keeps its size, the cells still form the grid.
  container->showMaximized();
  const QSize maximized = container->size();
  m_memory->Arrange();
  QCOMPARE(container->size(), maximized);
  QCOMPARE(m_memory->Form(2)->pos(), QPoint(0, cellHeight));
}

void TstMemoryController::hundredsOfCellsDoNotOverlap() {
  constexpr int kCells = 150;
  NewCells(kCells);
  m_memory->Form(7)->close();
  m_memory->Arrange();
  QList<QRect> rects;
  for (const MemoryCell& cell : m_memory->Model().Cells()) rects << m_memory->Form(cell.number)->geometry();
  QCOMPARE(rects.size(), kCells - 1);
  const QRect inner = m_memory->Container()->Area()->viewport()->rect();
  for (int i = 0; i < rects.size(); ++i) {
    QVERIFY2(inner.contains(rects[i]), qPrintable(QString::number(i)));
    for (int j = i + 1; j < rects.size(); ++j) QVERIFY(!Overlap(rects[i], rects[j]));
  }
}

void TstMemoryController::closingCellsAndErasing() {
  NewCells(2);
  QPointer<MemoryForm> first = m_memory->Form(1);
  first->close();
  QCOMPARE(m_memory->Model().TapeCount(), 2);
  QVERIFY(!m_memory->Form(1));
  m_memory->NewMemory();
  QCOMPARE(m_memory->Form(3)->windowTitle(), QStringLiteral("Memory 3"));
  QCOMPARE(m_tapes->ColumnCount(), 4);

  m_memory->EraseAll();
  QVERIFY(!m_memory->Container()->isVisible());
  QCOMPARE(m_memory->Model().CellCount(), 0);
  QCOMPARE(m_memory->Model().NextMemoryNumber(), 1);
  QCOMPARE(m_tapes->ColumnCount(), 1);
  QCOMPARE(m_arrows.last(), false);
  QTRY_COMPARE(m_memory->Container()->Area()->subWindowList().size(), 0);

  m_memory->NewMemory();
  QVERIFY(m_memory->Container()->isVisible());
  QCOMPARE(m_memory->Form(1)->windowTitle(), QStringLiteral("Memory 1"));
  QCOMPARE(m_arrows.last(), true);

  m_memory->Form(1)->close();
  QCOMPARE(m_memory->Model().TapeCount(), 1);
  QCOMPARE(m_arrows.last(), false);
}

void TstMemoryController::containerCloseErasesAll() {
  NewCells(3);
  QVERIFY(!m_memory->Container()->close());  // the close is turned into a reset
  QVERIFY(!m_memory->Container()->isVisible());
  QCOMPARE(m_memory->Model().TapeCount(), 1);
  QCOMPARE(m_memory->Model().NextMemoryNumber(), 1);
  QCOMPARE(m_memory->ContainerGeometry().width, static_cast<double>(PixelsToTwips(TwipsToPixels(2055))));
}

void TstMemoryController::theContainerIsMadeWhereItWasPlaced() {
  // The settings place it at start; it is made only for its first cell.
  m_memory->MoveContainer(1590, 1650);
  QVERIFY(!m_memory->ContainerIfMade());
  QCOMPARE(m_memory->ContainerGeometry(), (TwipRect{1590, 1650, 1935, 630}));
  m_memory->EraseAll();
  QVERIFY(!m_memory->ContainerIfMade());
  m_memory->NewMemory();
  QVERIFY(m_memory->ContainerIfMade() && m_memory->ContainerIfMade()->isVisible());
  QCOMPARE(m_memory->ContainerGeometry().left, 1590.0);
  QCOMPARE(m_memory->ContainerGeometry().top, 1650.0);
}

void TstMemoryController::colourRule_data() {
  QTest::addColumn<uint>("background");
  QTest::addColumn<uint>("readout");
  QTest::addColumn<QColor>("windowColour");
  QTest::addColumn<QColor>("labelColour");
  QTest::newRow("defaults") << 8421376u << 8454143u << QColor(0, 128, 128) << QColor(255, 255, 128);
  QTest::newRow("and is zero") << 255u << 65280u << QColor(128, 128, 128) << QColor(255, 255, 128);
}

void TstMemoryController::colourRule() {
  QFETCH(uint, background);
  QFETCH(uint, readout);
  QFETCH(QColor, windowColour);
  QFETCH(QColor, labelColour);
  m_memory->SetMemoryBackground(background);
  m_memory->SetMemoryReadout(readout);
  m_memory->NewMemory();
  MemoryForm* form = m_memory->Form(1);
  QCOMPARE(form->Client()->palette().color(QPalette::Window), windowColour);
  QCOMPARE(form->Label1()->palette().color(QPalette::Window), labelColour);
  // The colour menu recolours open cells whatever the rule says.
  m_memory->SetMemoryBackground(255);
  QCOMPARE(form->Client()->palette().color(QPalette::Window), QColor(255, 0, 0));
}

void TstMemoryController::dropsOntoACell_data() {
  QTest::addColumn<bool>("leftHalf");
  QTest::addColumn<QStringList>("tape");
  QTest::addColumn<QString>("value");
  QTest::addColumn<int>("image");
  QTest::newRow("right adds") << false
                              << QStringList{" +  7'- 3 1/2\" ", "---------------- ", " 7'- 3 1/2\" "}
                              << " 7'- 3 1/2\" " << int(DragImage::Add);
  QTest::newRow("left subtracts") << true
                                  << QStringList{" -  7'- 3 1/2\" ", "---------------- ", "- 7'- 3 1/2\" "}
                                  << "- 7'- 3 1/2\" " << int(DragImage::Subtract);
}

void TstMemoryController::dropsOntoACell() {
  QFETCH(bool, leftHalf);
  QFETCH(QStringList, tape);
  QFETCH(QString, value);
  QFETCH(int, image);
  m_memory->NewMemory();
  ValueLabel* label = m_memory->Form(1)->Label1();
  QMimeData* mime = EncodeValueDrag(QStringLiteral(" 7'- 3 1/2\""), DragSource::Readout());
  std::optional<DragImage> hover;
  DropOn(label, mime, leftHalf ? 2 : label->width() - 2, &hover);
  delete mime;
  QCOMPARE(hover.has_value(), true);
  QCOMPARE(int(*hover), image);
  QVERIFY(!label->HoverImage());
  QCOMPARE(TapeLines(*m_tapes, 1), tape);
  QCOMPARE(label->text(), value);
  QCOMPARE(m_tapes->CurrentTape(), 1);
}

void TstMemoryController::dropOntoItselfClears() {
  m_memory->NewMemory();
  m_memory->Model().SetValue(1, " 2'- 0\" ");
  ValueLabel* label = m_memory->Form(1)->Label1();
  std::unique_ptr<QMimeData> mime(EncodeValueDrag(label->text(), label->Source()));
  DropOn(label, mime.get(), 2);
  QCOMPARE(label->text(), QStringLiteral("0."));
  QCOMPARE(TapeLines(*m_tapes, 1), (QStringList{" ", "Clear ", " "}));
}

void TstMemoryController::foreignTextIsCheckedAndBeeps() {
  m_memory->NewMemory();
  ValueLabel* label = m_memory->Form(1)->Label1();
  QMimeData words;
  words.setText(QStringLiteral("twelve feet"));
  DropOn(label, &words, label->width() - 2);
  QCOMPARE(m_host->beeps, 1);
  QCOMPARE(label->text(), QStringLiteral("0."));
  QCOMPARE(m_tapes->TapeRowCount(1), 0);

  QMimeData number;
  number.setText(QStringLiteral("12\n"));
  DropOn(label, &number, label->width() - 2);
  QCOMPARE(label->text(), QStringLiteral(" 1'- 0\" "));

  // Refused sums leave neither the cell nor its tape changed.
  QMimeData square;
  square.setText(QStringLiteral("4 sq."));
  DropOn(label, &square, label->width() - 2);
  QCOMPARE(m_host->beeps, 3);
  QCOMPARE(label->text(), QStringLiteral(" 1'- 0\" "));
  QCOMPARE(m_tapes->TapeRowCount(1), 3);
}

void TstMemoryController::widenToTheLongestValue() {
  NewCells(2);
  const std::string longValue = " 12345'- 11 31/32\" sq. ";
  m_memory->Model().SetValue(2, longValue);
  MemoryForm* first = m_memory->Form(1);
  const int textWidth = m_memory->Form(2)->ValueTextWidthTwips();
  QVERIFY(textWidth > PixelsToTwips(first->Label1()->width()));
  QTest::mouseClick(first->Client(), Qt::LeftButton, {}, QPoint(2, 2));
  const int expected = PixelsToTwips(TwipsToPixels(textWidth + 375));
  QCOMPARE(m_memory->Model().MemoryWidth(), expected);
  QCOMPARE(PixelsToTwips(m_memory->Form(2)->width()), expected);
  QVERIFY(!first->geometry().intersects(m_memory->Form(2)->geometry()));
  QCOMPARE(m_tapes->CurrentTape(), 1);  // the mouse-up selected the cell's tape
}

void TstMemoryController::resizingOneCellResizesAll() {
  m_memory->NewMemory();
  const int width = m_memory->Form(1)->width();
  m_memory->Form(1)->resize(width + 40, m_memory->Form(1)->height());
  QCOMPARE(m_memory->Form(1)->width(), width);  // a single cell snaps back
  QCOMPARE(m_memory->Model().MemoryWidth(), 1935);

  NewCells(2);
  m_memory->Form(2)->resize(width + 40, 200);
  for (int n = 1; n <= 3; ++n) {
    QCOMPARE(m_memory->Form(n)->width(), width + 40);
    QCOMPARE(m_memory->Form(n)->height(), TwipsToPixels(m_memory->CellHeight()));
    QCOMPARE(m_memory->Form(n)->Label1()->width(), TwipsToPixels(PixelsToTwips(width + 40) - 375));
  }
  QCOMPARE(m_memory->Model().MemoryWidth(), PixelsToTwips(width + 40));
  for (int a = 1; a <= 3; ++a)
    for (int b = a + 1; b <= 3; ++b) QVERIFY(!Overlap(m_memory->Form(a)->geometry(), m_memory->Form(b)->geometry()));
}

void TstMemoryController::namingDialogEscapeAndReturn() {
  frmInput dialog;
  QVERIFY(dialog.Command1()->isDefault());
  QCOMPARE(dialog.findChild<QLabel*>()->text(), QStringLiteral("Enter a name for this memory cell:"));
  QTimer::singleShot(0, &dialog, [&] {
    dialog.txtText1()->setText(QStringLiteral("typed"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  dialog.SetText(QStringLiteral("Memory 4"));
  QCOMPARE(dialog.exec(), int(QDialog::Rejected));
  QCOMPARE(dialog.InputResult(), QString());
  QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(dialog.txtText1(), Qt::Key_Return); });
  QCOMPARE(dialog.exec(), int(QDialog::Accepted));
  QCOMPARE(dialog.InputResult(), QStringLiteral("typed"));
}

void TstMemoryController::valueDragRoundTrip() {
  std::unique_ptr<QMimeData> mime(EncodeValueDrag(QStringLiteral("- 3\u00bd"), DragSource::Cell(12)));
  QCOMPARE(mime->text(), QStringLiteral("- 3\u00bd"));
  QCOMPARE(mime->data(kValueSourceMimeType), QByteArray("memory 12"));
  const std::optional<ValueDrag> drag = DecodeValueDrag(mime.get());
  QVERIFY(drag);
  QCOMPARE(QString::fromStdString(drag->text), QStringLiteral("- 3\u00bd"));
  QCOMPARE(int(drag->source.kind), int(DragSource::Kind::Cell));
  QCOMPARE(drag->source.cell, 12);
  QVERIFY(!DecodeValueDrag(nullptr));
  // The same cell number in another running program is not our cell, and its
  // text must read as a value like any other program's.
  mime->setData(kValueInstanceMimeType, QByteArray::number(QCoreApplication::applicationPid() + 1));
  QVERIFY(!DecodeValueDrag(mime.get()));
  mime->setData(kValueMimeType, QByteArrayLiteral(" 3'- 0\" "));
  QCOMPARE(int(DecodeValueDrag(mime.get())->source.kind), int(DragSource::Kind::External));
  QList<QImage> images;
  for (DragImage image : {DragImage::Add, DragImage::Subtract, DragImage::Plain, DragImage::Multiply, DragImage::Divide})
    images << DragImagePixmap(image).toImage();
  for (int i = 0; i < images.size(); ++i)
    for (int j = i + 1; j < images.size(); ++j) QVERIFY(images[i] != images[j]);
}

void TstMemoryController::readoutAsValueLabel() {
  ValueLabel readout;
  readout.resize(200, 23);
  readout.SetDragSource(DragSource::Readout());
  readout.SetDragImageRule([&](int x) { return m_memory->Transfers().ReadoutDragImage(x, 0, readout.width()); });
  connect(&readout, &ValueLabel::valueDropped, this,
          [&](const QMimeData* m, int x) { m_memory->DropOnReadout(m, x, 0, readout.width()); });
  readout.show();
  const QImage plain = readout.grab().toImage();

  std::unique_ptr<QMimeData> mime(EncodeValueDrag(QStringLiteral(" 3'- 0\""), DragSource::Cell(1)));
  QDragEnterEvent enter(QPoint(150, 10), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&readout, &enter);
  QVERIFY(enter.isAccepted());
  QCOMPARE(readout.HoverImage(), std::optional<DragImage>(DragImage::Add));
  QVERIFY(readout.grab().toImage() != plain);  // the target shows what a drop does
  QDragLeaveEvent leave;
  QCoreApplication::sendEvent(&readout, &leave);
  QVERIFY(!readout.HoverImage());

  // A multiplication pending: the multiply image everywhere (what the drop then gives is
  // checked through the real display in the integration test).
  m_engine->Number_Click(5);
  m_engine->Foot_Click();
  m_engine->Equal_Click();
  m_engine->Multiply_Click();
  std::optional<DragImage> hover;
  DropOn(&readout, mime.get(), 10, &hover);
  QCOMPARE(hover, std::optional<DragImage>(DragImage::Multiply));

  QMimeData image;
  image.setImageData(QImage(2, 2, QImage::Format_RGB32));
  QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &image, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&readout, &refused);
  QVERIFY(!refused.isAccepted());
}

void TstMemoryController::dragStartsPastTheDragDistance() {
  QLabel source;
  const QPoint press(5, 5);
  const int distance = QApplication::startDragDistance();
  QVERIFY(!StartValueDrag(&source, press, press + QPoint(distance - 1, 0), QStringLiteral("1"), DragSource::Readout()));
  QVERIFY(!StartValueDrag(nullptr, press, press + QPoint(distance, 0), QStringLiteral("1"), DragSource::Readout()));
  // Offscreen, the drag ends at once; starting it is what counts here.
  QVERIFY(StartValueDrag(&source, press, press + QPoint(distance, 0), QStringLiteral("1"), DragSource::Readout()));
}

void TstMemoryController::aSecondDragWaitsForTheFirstToEnd() {
  ValueLabel first, second;
  first.setText(QStringLiteral("1"));
  second.setText(QStringLiteral("2"));
  const QPoint press(5, 5), far = press + QPoint(QApplication::startDragDistance() + 1, 0);
  const auto send = [](ValueLabel& label, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, QPointF(at), QPointF(label.mapToGlobal(at)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&label, &event);
  };
  int firstDrags = 0, secondDrags = 0, firstDuring = -1, secondDuring = -1;
  second.SetDragRunner([&](QDrag&) { ++secondDrags; });
  first.SetDragRunner([&](QDrag&) {
    ++firstDrags;
    // While the drop is made, the drag loop can still hand out the moves of
    // this drag and the press and moves of a quick next one.
    send(first, QEvent::MouseMove, far + QPoint(20, 0));
    send(second, QEvent::MouseButtonPress, press);
    send(second, QEvent::MouseMove, far);
    QVERIFY(ValueDragRunning());
    firstDuring = firstDrags;
    secondDuring = secondDrags;
  });
  send(first, QEvent::MouseButtonPress, press);
  send(first, QEvent::MouseMove, far);
  QCOMPARE(firstDuring, 1);
  QCOMPARE(secondDuring, 0);
  QVERIFY(!ValueDragRunning());
  send(first, QEvent::MouseMove, far + QPoint(30, 0));  // a drag is one per press
  QCOMPARE(firstDrags, 1);
  // The second drag waited: its next move starts it.
  send(second, QEvent::MouseMove, far + QPoint(1, 0));
  QCOMPARE(secondDrags, 1);
}

void TstMemoryController::loadAndClearCells() {
  m_memory->NewMemory();
  m_memory->LoadCells({{"Memory 1", "0."}, {"Deck", " 12'- 6\" "}}, 2400, TwipRect{1500, 1600, 5000, 1200},
                      QStringLiteral("house"));
  QCOMPARE(m_memory->Model().CellCount(), 2);
  QCOMPARE(m_memory->Model().NextMemoryNumber(), 3);
  QCOMPARE(m_memory->Form(2)->windowTitle(), QStringLiteral("Deck"));
  QCOMPARE(m_memory->Form(2)->Label1()->text(), QStringLiteral(" 12'- 6\" "));
  QCOMPARE(m_tapes->Line(2, 0), " 12'- 6\" ");
  QCOMPARE(m_tapes->TapeRowCount(2), 0);
  QCOMPARE(m_memory->Container()->windowTitle(), QStringLiteral("house"));
  QVERIFY(m_memory->Container()->isVisible());
  QCOMPARE(m_memory->Form(1)->width(), TwipsToPixels(2400));
  QVERIFY(!m_memory->Form(1)->geometry().intersects(m_memory->Form(2)->geometry()));

  m_memory->ClearAll();
  for (int n = 1; n <= 2; ++n) {
    QCOMPARE(m_memory->Form(n)->Label1()->text(), QStringLiteral("0."));
    QCOMPARE(TapeLines(*m_tapes, n), (QStringList{" ", "Clear ", " "}));
  }
  QCOMPARE(m_memory->Model().CellCount(), 2);
}

QTEST_MAIN(TstMemoryController)
#include "tst_memory_controller.moc"
