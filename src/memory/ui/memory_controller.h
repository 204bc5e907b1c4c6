#pragma once
// The memory cells' windows and commands, for the calculator window to call.
//
// The start-up creates one controller over the program's engine and tape
// store; it owns the cells' model (MemoryModel), the transfers
// (MemoryTransfers), the container window (MDIForm1, made when it is first
// needed, which is mostly for the first cell) and one MemoryForm per open
// cell. Wiring from the calculator window:
//
//   NewMemory_Click (menu bar and pop-up)             -> NewMemory()
//   NamedMemory_Click (menu bar and pop-up)           -> NamedMemory()
//   ClearMemory_Click                                 -> ClearAll()
//   EraseMemory_Click (also on exit)                  -> EraseAll()
//   mnuArrangeMemory_Click                            -> Arrange()
//   calculator minimized / restored                   -> HideContainer() / RestoreContainer()
//   colour menu "Memory" / "Memory readout"           -> SetMemoryBackground(c) / SetMemoryReadout(c)
//   settings MDILeft/MDITop                           -> MoveContainer() / ContainerGeometry()
//   Readout drag over (the image on the half)         -> Transfers().ReadoutDragImage(x, left, width)
//   Readout drop (Readout_DragDrop)                   -> DropOnReadout(mime, x, left, width), whose
//                                                        feedback the calculator applies
//   Readout drag start                                -> StartValueDrag() of memory/ui/value_drag.h
//   memory file load                                  -> LoadCells(); save reads Model().Cells()
//   memory keys (Ctrl+Plus, Ctrl+Minus, Ctrl+R)        -> DisplayToActiveCell(text, subtract),
//                                                        RecallActiveCell(), whose feedback the
//                                                        calculator applies
//   hooks: SetTapeArrowsHandler (tape window's arrow buttons, shown while
//          TapeCount >= 2), SetFeedbackHandler (beeps and the focus to "="
//          from the commands and the drops onto cells),
//          SetKeepCalculatorOnTopHandler (lifted while the naming dialog shows),
//          SetContainerStateHandler (restack companions when the container
//          is maximized or restored), SetNameAsker (tests).
// Positions passed with a Readout drag are in one unit (pixels of the
// Readout's parent, say): only the halves matter.
//
// The Readout may simply be a ValueLabel (memory/ui/value_label.h), which
// starts drags, paints the image under the pointer and reports drops:
//   readout->SetDragSource(DragSource::Readout());
//   readout->SetDragImageRule([&](int x) {
//     return memory.Transfers().ReadoutDragImage(x, 0, readout->width()); });
//   connect(readout, &ValueLabel::valueDropped, [&](const QMimeData* m, int x) {
//     calculator.Apply(memory.DropOnReadout(m, x, 0, readout->width()).feedback); });

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "engine/calculator_engine.h"
#include "memory/memory_layout.h"
#include "memory/memory_model.h"
#include "memory/memory_transfers.h"
#include "memory/ui/mdi_form1.h"

class QAction;
class QMimeData;
class QWidget;

namespace mezura {

class MDIForm1;
class MemoryForm;

class MemoryController : public QObject, private MemoryModelListener {
  Q_OBJECT

 public:
  MemoryController(CalculatorEngine& engine, TapeStore& tapes, QObject* parent = nullptr);
  ~MemoryController() override;

  MemoryModel& Model() { return m_model; }
  MemoryTransfers& Transfers() { return m_transfers; }
  /// The container window, made the first time it is needed.
  MDIForm1* Container();
  /// The container window if it has been made, else null.
  MDIForm1* ContainerIfMade() const { return m_container.get(); }
  /// The window of open cell n, or null.
  MemoryForm* Form(int number) const;

  // Memory menu.
  void NewMemory();
  void NamedMemory();
  void ClearAll();
  void EraseAll();
  void Arrange();

  // The container follows the calculator's window state.
  void HideContainer();
  void RestoreContainer();
  void MoveContainer(int leftTwips, int topTwips);
  /// The container's place (its client area's top-left) and its frame's size.
  TwipRect ContainerGeometry() const;

  // The colours of every cell window and of its value label; new cells take
  // them when MemoryModel::UsesConfiguredColours says so.
  void SetMemoryBackground(ColourNumber colour);
  void SetMemoryReadout(ColourNumber colour);
  ColourNumber MemoryBackground() const { return m_background; }
  ColourNumber MemoryReadout() const { return m_readout; }

  // The calculator's display as a drop target: the caller acts on the feedback.
  ValueOutcome DropOnReadout(const QMimeData* mime, int x, int readoutLeft, int readoutWidth);

  /// The cell the memory keys work on: the last one the user clicked or
  /// that was created; 0 when there is none (never made, or closed since).
  int ActiveCell() const { return m_activeCell; }
  /// The display's text added to or subtracted from the active cell, as the
  /// display dropped on that cell would; a beep when there is no active cell.
  void DisplayToActiveCell(const QString& display, bool subtract);
  /// The active cell's value into the display, as that cell dropped on the
  /// display's right half would; a refusal with a beep when there is none.
  ValueOutcome RecallActiveCell();

  /// A memory file's cells replace all cells: names and values in order (the
  /// model numbers them), the common width, the container's frame in twips
  /// and its caption.
  void LoadCells(const std::vector<MemoryCell>& cells, int memoryWidth, const TwipRect& container,
                 const QString& caption);

  // Hooks.
  void SetTapeArrowsHandler(std::function<void(bool visible)> handler) { m_tapeArrows = std::move(handler); }
  /// Beeps and the focus for the calculator's "=" key, from the commands
  /// and the drops onto cells; called after every drop, even one with
  /// nothing to show, so that the calculator can record it as a step.
  void SetFeedbackHandler(std::function<void(const EngineOutcome&)> handler) { m_feedback = std::move(handler); }
  void SetKeepCalculatorOnTopHandler(std::function<void(bool)> handler) { m_keepOnTop = std::move(handler); }
  void SetContainerStateHandler(std::function<void(Qt::WindowStates)> handler) {
    m_containerState = std::move(handler);
  }
  /// Asks for a cell name starting from `initial`; "" means cancelled. The
  /// default shows frmInput modally.
  void SetNameAsker(std::function<QString(const QString& initial)> asker) { m_askName = std::move(asker); }
  /// Commands whose shortcuts also work while the container is the active
  /// window (the memory keys, after a click on a cell).
  void SetContainerActions(QList<QAction*> actions);
  /// The parent for the naming dialog (the calculator window).
  void SetDialogParent(QWidget* parent) { m_dialogParent = parent; }

  /// Height of every cell window in twips: 585, or more when the
  /// platform's title bar needs it.
  int CellHeight() const;

  // Called by the windows.
  void Form_Resize(int number);
  void Form_Click(int number);
  void Form_DblClick(int number);
  void SelectCellTape(int number);
  void Label1_DblClick(int number);
  /// A mouse button pressed anywhere on cell n's window: n becomes active.
  void CellPressed(int number);
  void Label1_DragDrop(int number, const QMimeData* mime, int x);
  void Form_Unload(int number);
  void MDIForm_Resize();
  void MDIForm_Unload();

 private:
  // MemoryModelListener
  void CellCreated(const MemoryCell& cell) override;
  void CellChanged(const MemoryCell& cell) override;
  void CellClosed(int number) override;
  void CellsErased() override;

  std::vector<TwipRect> CellRects() const;
  ContainerMetrics Metrics() const;
  void ApplyLayout(const MemoryLayout& layout);
  void ApplyCellSizes(const CellSizeResult& sizes);
  void Relayout();
  void Created();
  void FocusCalculator();
  void Beep();
  void Report(const EngineOutcome& outcome);
  QString AskName(const QString& initial);
  void SetActiveCell(int number);

  TapeStore& m_tapes;
  MemoryModel m_model;
  MemoryTransfers m_transfers;
  std::unique_ptr<MDIForm1> m_container;
  /// Where the container will be made, and its size then, until it is.
  TwipRect m_unmadeContainer = MDIForm1::kStartTwips;
  std::map<int, QPointer<MemoryForm>> m_forms;
  ColourNumber m_background = kDefaultBackgroundColour;
  ColourNumber m_readout = kDefaultReadoutColour;
  QWidget* m_dialogParent = nullptr;
  int m_activeCell = 0;
  QList<QAction*> m_containerActions;

  // Our own moves raise resize events too; these tell them from the user's.
  /// Our own code is moving or sizing windows (a layout, a load, an erase).
  bool m_arranging = false;
  /// What a cell window's resize event is.
  enum class CellResize {
    User,            ///< the user's: the size rule follows it
    Ours,            ///< raised by our own sizing: ignored
    FirstPlacement,  ///< the first one of a cell just added is its placement: skipped once
  };
  CellResize m_cellResize = CellResize::User;
  /// The container's resize pass is running: the resizes it raises are ignored.
  bool m_inContainerPass = false;
  /// That pass resized the container: the resize this brings (at once or
  /// later, from the window system) is skipped once.
  bool m_containerResizePending = false;

  std::function<void(bool)> m_tapeArrows;
  std::function<void(const EngineOutcome&)> m_feedback;
  std::function<void(bool)> m_keepOnTop;
  std::function<void(Qt::WindowStates)> m_containerState;
  std::function<QString(const QString&)> m_askName;
};

}  // namespace mezura
