#include "memory/ui/memory_controller.h"

#include <QApplication>
#include <QMdiArea>
#include <QMimeData>
#include <QScopedValueRollback>

#include "memory/ui/frm_input.h"
#include "memory/ui/mdi_form1.h"
#include "memory/ui/memory_form.h"
#include "memory/ui/value_drag.h"
#include "memory/ui/value_label.h"
#include "measure/twips.h"
#include "tape/ui/design_metrics.h"

namespace mezura {
namespace {

constexpr int kClosedContainerWidth = 2055;

}  // namespace

MemoryController::MemoryController(CalculatorEngine& engine, TapeStore& tapes, QObject* parent)
    : QObject(parent),
      m_tapes(tapes),
      m_model(tapes),
      m_transfers(engine, m_model) {
  m_model.AddListener(this);
}

MemoryController::~MemoryController() {
  m_model.RemoveListener(this);
  // The forms call back into this controller when they close.
  m_arranging = true;
  for (auto& [number, form] : m_forms)
    if (form) delete form.data();
  m_forms.clear();
}

MemoryForm* MemoryController::Form(int number) const {
  const auto it = m_forms.find(number);
  return it == m_forms.end() ? nullptr : it->second.data();
}

int MemoryController::CellHeight() const { return MemoryForm::NeededHeightTwips(); }

MDIForm1* MemoryController::Container() {
  if (!m_container) {
    m_container = std::make_unique<MDIForm1>(*this);
    MoveContainer(static_cast<int>(m_unmadeContainer.left), static_cast<int>(m_unmadeContainer.top));
    connect(m_container->Area(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
      if (auto* form = qobject_cast<MemoryForm*>(window)) SelectCellTape(form->CellNumber());  // Form_Activate
    });
    m_container->addActions(m_containerActions);
  }
  return m_container.get();
}

// ---- Memory menu -------------------------------------------------------------

void MemoryController::NewMemory() {
  if (!m_model.CanCreate() || m_model.CreateCell() == 0) {
    Beep();
    return;
  }
  Created();
}

void MemoryController::NamedMemory() {
  if (!m_model.CanCreate()) {
    Beep();
    return;
  }
  if (m_keepOnTop) m_keepOnTop(false);
  const QString name = AskName(QString::fromStdString(m_model.NextDefaultName()));
  if (m_keepOnTop) m_keepOnTop(true);
  if (name.isEmpty()) return;
  if (m_model.CreateNamedCell(name.toStdString()) == 0) {
    Beep();
    return;
  }
  Created();
}

void MemoryController::Created() {
  Arrange();
  FocusCalculator();
}

void MemoryController::ClearAll() { m_model.ClearAll(); }

void MemoryController::EraseAll() { MDIForm_Unload(); }

void MemoryController::Arrange() {
  if (m_model.TapeCount() < 2) return;
  const MemoryLayout layout =
      ArrangeLayout(Metrics(), CellRects(), m_model.MemoryWidth(), m_model.NextMemoryNumber(), CellHeight());
  ApplyLayout(layout);
}

void MemoryController::Relayout() {
  if (m_model.CellCount() == 0) return;
  ApplyLayout(RelayoutAfterCellChange(Metrics(), CellRects(), m_model.MemoryWidth(), CellHeight()));
}

// ---- Container -----------------------------------------------------------------

void MemoryController::HideContainer() {
  if (m_container) m_container->hide();
}

void MemoryController::RestoreContainer() {
  if (m_model.TapeCount() > 1) Container()->show();
}

void MemoryController::MoveContainer(int leftTwips, int topTwips) {
  if (!m_container) {
    m_unmadeContainer.left = leftTwips;
    m_unmadeContainer.top = topTwips;
    return;
  }
  const QScopedValueRollback arranging(m_arranging, true);
  m_container->MoveFrameTwips(leftTwips, topTwips);
}

TwipRect MemoryController::ContainerGeometry() const {
  // Read back through pixels, as from the window it will be.
  return m_container ? m_container->FrameTwips() : ToTwips(ToPixels(m_unmadeContainer));
}

void MemoryController::MDIForm_Resize() {
  if (m_containerState && !m_inContainerPass) m_containerState(m_container->windowState());
  if (m_containerResizePending && m_model.TapeCount() > 2) {
    m_containerResizePending = false;
    return;
  }
  if (m_inContainerPass || m_arranging || m_model.CellCount() == 0 || m_container->isMinimized()) return;
  const QScopedValueRollback pass(m_inContainerPass, true);
  const MemoryLayout layout = ContainerResizeLayout(Metrics(), CellRects(), m_model.MemoryWidth(), CellHeight());
  // Qt may deliver the resize our own move raises at once (inside
  // ApplyLayout) or later from the window system, so it is only expected when
  // a move will really happen: an expectation left over would swallow the
  // user's next resize instead.
  const TwipRect frame = m_container->FrameTwips();
  m_containerResizePending = m_model.TapeCount() > 2 && layout.resizeContainer &&
                             (TwipsToPixels(layout.containerWidth) != TwipsToPixels(frame.width) ||
                              TwipsToPixels(layout.containerHeight) != TwipsToPixels(frame.height));
  ApplyLayout(layout);
}

void MemoryController::MDIForm_Unload() {
  const QScopedValueRollback arranging(m_arranging, true);
  if (m_container) {
    m_container->setWindowState(Qt::WindowNoState);
    m_container->ResizeFrameTwips(kClosedContainerWidth, m_container->FrameTwips().height);
    m_container->setWindowTitle(tr("Memory"));
    m_container->hide();
  }
  m_model.EraseAll();
}

// ---- Colours -------------------------------------------------------------------

void MemoryController::SetMemoryBackground(ColourNumber colour) {
  m_background = colour;
  for (const MemoryCell& cell : m_model.Cells())
    if (MemoryForm* form = Form(cell.number)) form->SetBackground(colour);
}

void MemoryController::SetMemoryReadout(ColourNumber colour) {
  m_readout = colour;
  for (const MemoryCell& cell : m_model.Cells())
    if (MemoryForm* form = Form(cell.number)) form->SetReadoutColour(colour);
}

// ---- The calculator's display ----------------------------------------------

ValueOutcome MemoryController::DropOnReadout(const QMimeData* mime, int x, int readoutLeft, int readoutWidth) {
  if (!CarriesValue(mime)) return {};
  const std::optional<ValueDrag> drag = DecodeValueDrag(mime);
  if (!drag) {  // text from outside that is no value
    ValueOutcome refused{ValueResult::Refused, {}};
    refused.feedback.beeps = 1;
    return refused;
  }
  return m_transfers.DropOnReadout(drag->text, drag->source, x, readoutLeft, readoutWidth);
}

void MemoryController::SetContainerActions(QList<QAction*> actions) {
  m_containerActions = std::move(actions);
  if (m_container) m_container->addActions(m_containerActions);
}

// ---- Memory keys -------------------------------------------------------------

void MemoryController::DisplayToActiveCell(const QString& display, bool subtract) {
  if (!m_model.Cell(m_activeCell)) {
    Beep();
    return;
  }
  // The keyboard stays with the calculator, and the cell's tape stays in view
  // with the lines just written; the drop's focus change is the mouse's.
  Report(m_transfers.DisplayToCell(m_activeCell, display.toStdString(), subtract).feedback);
}

ValueOutcome MemoryController::RecallActiveCell() { return m_transfers.RecallCell(m_activeCell); }

void MemoryController::CellPressed(int number) { SetActiveCell(number); }

void MemoryController::SetActiveCell(int number) {
  if (number == m_activeCell) return;
  if (MemoryForm* old = Form(m_activeCell)) old->SetActiveMark(false);
  m_activeCell = m_model.Cell(number) ? number : 0;
  if (MemoryForm* form = Form(m_activeCell)) form->SetActiveMark(true);
}

// ---- Memory files ------------------------------------------------------------

void MemoryController::LoadCells(const std::vector<MemoryCell>& cells, int memoryWidth,
                                 const TwipRect& container, const QString& caption) {
  EraseAll();
  {
    const QScopedValueRollback arranging(m_arranging, true);
    m_model.SetMemoryWidth(memoryWidth);
    MDIForm1* window = Container();
    window->setWindowTitle(caption);
    window->MoveFrameTwips(container.left, container.top);
    window->ResizeFrameTwips(container.width, container.height);
    for (const MemoryCell& cell : cells) {
      if (m_model.LoadCell(cell.name, cell.value) == 0) {
        Beep();
        break;
      }
    }
  }
  Arrange();
  FocusCalculator();
}

// ---- Cell windows ------------------------------------------------------------

void MemoryController::CellCreated(const MemoryCell& cell) {
  auto* form = new MemoryForm(*this, cell.number);
  m_forms[cell.number] = form;
  form->setWindowTitle(QString::fromStdString(cell.name));
  form->SetValue(QString::fromStdString(cell.value));
  if (MemoryModel::UsesConfiguredColours(m_background, m_readout)) form->SetColours(m_background, m_readout);
  m_cellResize = CellResize::FirstPlacement;
  Container()->Area()->addSubWindow(form, form->windowFlags());
  const int width = m_model.MemoryWidth();
  form->setGeometry(ToPixels(TwipRect{0, 0, static_cast<double>(width), static_cast<double>(CellHeight())}));
  m_container->show();
  form->show();
  // A window shown for the first time sends its first resize later on some
  // platforms: a user's resize then must not be skipped in its place.
  m_cellResize = CellResize::User;
  form->SetLabelWidthTwips(LabelWidthFor(width));
  if (m_tapeArrows) m_tapeArrows(true);
  SetActiveCell(cell.number);
}

void MemoryController::CellChanged(const MemoryCell& cell) {
  if (MemoryForm* form = Form(cell.number)) {
    form->setWindowTitle(QString::fromStdString(cell.name));
    form->SetValue(QString::fromStdString(cell.value));
  }
}

void MemoryController::CellClosed(int number) {
  if (number == m_activeCell) SetActiveCell(0);
  const auto it = m_forms.find(number);
  if (it != m_forms.end()) {
    QPointer<MemoryForm> form = it->second;
    m_forms.erase(it);
    if (form) form->close();  // a user's close is already under way; this one is ours
  }
  if (m_model.TapeCount() < 2 && m_tapeArrows) m_tapeArrows(false);
}

void MemoryController::CellsErased() {
  SetActiveCell(0);
  if (m_tapeArrows) m_tapeArrows(false);
}

void MemoryController::Form_Unload(int number) {
  // Already gone from the model when the program closed it.
  m_forms.erase(number);
  m_model.CloseCell(number);
}

void MemoryController::Form_Resize(int number) {
  if (m_cellResize == CellResize::Ours) return;
  if (m_cellResize == CellResize::FirstPlacement) {
    m_cellResize = CellResize::User;
    return;
  }
  if (m_arranging || !Form(number)) return;
  const QScopedValueRollback sizing(m_cellResize, CellResize::Ours);
  ApplyCellSizes(ApplyCellSizeRule(CellRects(), m_model.IndexOf(number), m_model.MemoryWidth(), CellHeight()));
  Relayout();
}

void MemoryController::Form_Click(int number) {
  MemoryForm* form = Form(number);
  if (!form) return;
  std::vector<int> widths;
  for (const MemoryCell& cell : m_model.Cells())
    if (MemoryForm* f = Form(cell.number)) widths.push_back(f->ValueTextWidthTwips());
  const std::optional<int> width =
      WidenToLongestValue(widths, PixelsToTwips(form->Label1()->width()));
  if (width) {
    {
      const QScopedValueRollback sizing(m_cellResize, CellResize::Ours);
      form->resize(TwipsToPixels(*width), form->height());
    }
    Form_Resize(number);
  }
  Relayout();
}

void MemoryController::Form_DblClick(int number) {
  const MemoryCell* cell = m_model.Cell(number);
  if (!cell) return;
  if (m_keepOnTop) m_keepOnTop(false);
  const QString name = AskName(QString::fromStdString(cell->name));
  if (m_keepOnTop) m_keepOnTop(true);
  if (!name.isEmpty()) m_model.Rename(number, name.toStdString());
  FocusCalculator();
}

void MemoryController::SelectCellTape(int number) {
  const MemoryCell* cell = m_model.Cell(number);
  if (!cell) return;
  m_tapes.SelectTape(number, cell->name);
  m_tapes.ScrollTapeToEnd();
}

void MemoryController::Label1_DblClick(int number) { m_model.ResetValue(number); }

void MemoryController::Label1_DragDrop(int number, const QMimeData* mime, int x) {
  MemoryForm* form = Form(number);
  if (!form || !CarriesValue(mime)) return;
  const std::optional<ValueDrag> drag = DecodeValueDrag(mime);
  if (!drag) {
    Beep();  // text from outside that is no value
    return;
  }
  const ValueOutcome outcome = m_transfers.DropOnCell(number, drag->text, drag->source, x, 0, form->Label1()->width());
  Report(outcome.feedback);
  if (outcome.result == ValueResult::Done) {
    Container()->Area()->setActiveSubWindow(form);
    form->setFocus();
  }
}

// ---- Layout helpers --------------------------------------------------------

std::vector<TwipRect> MemoryController::CellRects() const {
  std::vector<TwipRect> rects;
  for (const MemoryCell& cell : m_model.Cells()) {
    if (const MemoryForm* form = Form(cell.number))
      rects.push_back(ToTwips(form->geometry()));
    else
      rects.push_back(TwipRect{0, 0, static_cast<double>(m_model.MemoryWidth()), static_cast<double>(CellHeight())});
  }
  return rects;
}

ContainerMetrics MemoryController::Metrics() const { return m_container->Metrics(); }

void MemoryController::ApplyLayout(const MemoryLayout& layout) {
  const QScopedValueRollback sizing(m_cellResize, CellResize::Ours);
  m_model.SetMemoryWidth(layout.memoryWidth);
  if (layout.resizeContainer) {
    const QScopedValueRollback arranging(m_arranging, true);
    m_container->ResizeFrameTwips(layout.containerWidth, layout.containerHeight);
  }
  const auto& cells = m_model.Cells();
  for (std::size_t i = 0; i < cells.size() && i < layout.cells.size(); ++i) {
    if (MemoryForm* form = Form(cells[i].number)) {
      form->setGeometry(ToPixels(layout.cells[i]));
      form->SetLabelWidthTwips(LabelWidthFor(WholeTwips(layout.cells[i].width)));
    }
  }
}

void MemoryController::ApplyCellSizes(const CellSizeResult& sizes) {
  m_model.SetMemoryWidth(sizes.memoryWidth);
  const auto& cells = m_model.Cells();
  for (std::size_t i = 0; i < cells.size() && i < sizes.cells.size(); ++i) {
    if (MemoryForm* form = Form(cells[i].number)) {
      form->setGeometry(ToPixels(sizes.cells[i]));
      form->SetLabelWidthTwips(sizes.labelWidth);
    }
  }
}

void MemoryController::FocusCalculator() {
  EngineOutcome focus;
  focus.focusEqual = true;
  Report(focus);
}

void MemoryController::Beep() {
  EngineOutcome beep;
  beep.beeps = 1;
  Report(beep);
}

void MemoryController::Report(const EngineOutcome& outcome) {
  // Told even when there is nothing to show: a drop that changed a cell is a
  // step of its own for the calculator's undo history.
  if (m_feedback) m_feedback(outcome);
}

QString MemoryController::AskName(const QString& initial) {
  if (m_askName) return m_askName(initial);
  return frmInput::Ask(m_dialogParent, initial);
}

}  // namespace mezura
