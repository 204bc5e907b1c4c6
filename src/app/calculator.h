#pragma once
// The calculator window ("Brellin Calculator") and the start-up it runs.
//
// Which class does what:
//   Session           owns the tape store, the engine and the settings store;
//                     main() makes one, tests as many as they like.
//   CalculatorEngine  what every key means: display, pending operation, tape
//                     lines (engine/). This window hands it the keys and
//                     carries out the EngineOutcome each key answers with
//                     (beeps, a message, captions changed, focus to "=").
//   Calculator        this window: its controls at their design places
//                     (calculator_layout), the two zooms and the key display,
//                     the keyboard, the docked tape following the window, the
//                     settings read at start and written at the end, the
//                     seven colours (kColourTargets), the memory files, and
//                     the handler of every menu item, which hands the work to
//                     its owner below (calculator_companions.cpp).
//   CalculatorMenus   the menu bar, the pop-up menu and the DisplayChoices
//                     their check marks show.
//   CalculatorFace    the client area: background, sunken display edge,
//                     the mouse presses the controls let through.
//   TapeWindow        shows the tapes and lays itself out above this window,
//                     which answers its TapeDockHost questions.
//   MemoryController  the memory cells, their container, drops on the display.
//   Converter         the unit converter window.
//   TapePrinter, ShellCommands (Exit, help, About), CalculatorDialogs (the
//                     modal questions, which tests answer).

#include <QMainWindow>
#include <QPalette>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/calculator_dialogs.h"
#include "app/calculator_menus.h"
#include "engine/calculator_engine.h"
#include "storage/memory_file_codec.h"
#include "storage/settings_model.h"
#include "measure/twips.h"
#include "tape/ui/tape_dock_host.h"

class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QPushButton;
class QTimer;

namespace mezura {

class CalculatorFace;
class Converter;
class MemoryController;
class Session;
class ShellCommands;
class TapePrinter;
class TapeWindow;
class UndoHistory;
struct KeyDefinition;

class Calculator : public QMainWindow, public TapeDockHost {
  Q_OBJECT

 public:
  /// The colour menu's items, mnuColor(0) to mnuColor(6).
  static constexpr int kColourCount = 7;

  explicit Calculator(Session& session, QWidget* parent = nullptr);
  ~Calculator() override;

  /// The start-up: Form_Load, then the window is shown with the tape window
  /// docked above it (if the settings say so) and "=" has the focus.
  void StartUp();
  /// Reads the settings and applies them: places, colours, zoom, accuracy,
  /// key display, converter. Defaults when the session keeps no settings.
  void Form_Load();
  /// Writes the settings, erases the memory cells and hides the companions;
  /// settings that could not be written are told through Dialogs().inform.
  void Form_Unload();
  /// Shows lengths to 1/`accuracy` inch (one of kAccuracies) in this run only,
  /// as the command line asks: the settings keep the accuracy they hold unless
  /// the user picks one from the menus.
  void SetAccuracyForThisRun(int accuracy);

  /// Does what an engine call (or a drop) reported: beeps, then the message
  /// box, then the captions repainted, then the focus to "=".
  void Apply(const EngineOutcome& outcome);
  void Beep();
  /// A short swap of the display's colours, the beep made visible.
  void FlashReadout();
  void FocusEqual();

  // TapeDockHost
  TwipRect CalculatorRect() const override;
  bool CalculatorMinimized() const override;
  void RaiseTapeAndCalculator() override;
  void TapeHiddenByUser() override;

  /// The companion windows are made the first time they are needed: the
  /// tape window when it is first shown (or asked for), the converter too.
  TapeWindow* Tape();
  MemoryController& Memory() const { return *m_memory; }
  Converter* ConverterWindow();
  ShellCommands& Commands() const { return *m_commands; }
  /// The modal questions; tests replace them.
  CalculatorDialogs& Dialogs() { return m_dialogs; }
  /// Replaces the printer, which is otherwise made at the first print.
  void SetPrinter(std::unique_ptr<TapePrinter> printer);
  /// Where beeps go instead of the system beep (tests count them); none
  /// restores the system beep.
  void SetBeepHook(std::function<void()> hook) { m_beepHook = std::move(hook); }
  /// The memory file last chosen in Open or Save As.
  QString MemoryFileName() const { return m_memoryFileName; }
  /// Opens the memory file at `path` as File, Open does once a file is
  /// chosen (the command line's file); a file that does not exist is
  /// reported rather than skipped, since nobody chose it from a list.
  void OpenMemoryFile(const QString& path);
  /// The settings as the windows show them now (what Form_Unload writes).
  Settings CurrentSettings() const;
  /// Screen and window sizes the settings' defaults and checks depend on.
  SettingsContext CurrentSettingsContext() const;
  QMenu* Popup() const { return m_menus->Popup(); }
  /// What the menus' check marks show.
  const DisplayChoices& Choices() const { return m_menus->Choices(); }
  QLabel* Readout() const { return m_readout; }
  /// The window's outer design size in twips (3615 x 3590 at 100% with keys).
  double WindowWidth() const { return m_windowWidth; }
  double WindowHeight() const { return m_windowHeight; }
  /// A control's present place in twips, and its place in the design table.
  TwipRect ControlTwips(const QWidget* control) const;
  TwipRect DesignTwips(const QWidget* control) const;
  /// Every control with a place, in the window's collection order.
  std::vector<QWidget*> Controls() const;

 public slots:
  // File
  void mnuOpen_Click();
  void mnuSave_Click();
  void mnuSaveAs_Click();
  void mnuPrint_Click();
  void mnuPrintAll_Click();
  void Circumference_Click();
  void CircArea_Click();
  void CylVolume_Click();
  void mnuDiagonal_Click();
  void mnuStairs_Click();
  void Exit_Click();
  // Memory
  void NewMemory_Click();
  void NamedMemory_Click();
  void mnuArrangeMemory_Click();
  void ClearMemory_Click();
  void EraseMemory_Click();
  /// The memory keys (Ctrl+Plus, Ctrl+Minus, Ctrl+R) on the active cell.
  void mnuMemoryAdd_Click();
  void mnuMemorySubtract_Click();
  void mnuMemoryRecall_Click();
  void mnuKeepCells_Click();
  // Display
  void Sixteen_Click();
  void thirtysecond_Click();
  /// The accuracy of the results from now on, as its menu items choose it.
  void ChooseAccuracy(int accuracy);
  void ShowKeys_Click();
  void mnuConverter_Click();
  void mnuTape_Click();
  void ZoomSmall_Click();
  void ZoomLarge_Click();
  void mnuColor_Click(int index);
  // Help
  void mnuHelpContents_Click();
  void mnuAbout_Click();
  // Pop-up menu
  void mnuPopup1Cancel_Click();
  /// The display's value, without its padding blanks, to the clipboard.
  void Copy_Click();
  /// The clipboard's text as the entry, if it reads as a measurement;
  /// otherwise a beep, a flash of the display and the reason beside it.
  void Paste_Click();
  /// The tape in view to the clipboard, or to a text or CSV file.
  void CopyTape_Click();
  void SaveTapeAs_Click();
  /// The pop-up menu, opened from the keyboard, at the display.
  void ShowPopupAtDisplay();
  // Undo and redo (Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y, and the pop-up menu)
  void Undo_Click();
  void Redo_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  /// The display added to or taken from the active cell, as a drop there would.
  void DisplayToActiveCell(bool subtract);
  struct Control {
    QWidget* widget;
    TwipRect design;
    TwipRect current;
  };

  void BuildControls();
  void Press(const KeyDefinition& key);
  void PlaceControls();
  void ApplyWindowSize();
  void FitReadoutFont();
  bool ZoomedSmall() const;
  void RedockTape();
  void ShowTape();
  void ShowCalculatorTape();
  /// The window manager has shown the window in its frame.
  void Form_Exposed();
  void BuildCompanions();
  TapePrinter& Printer();
  /// A companion window that has been made and shows.
  static bool Showing(const QWidget* window);
  void ApplySettings(const Settings& settings);
  /// True unless the user keeps the cells that opening a file would erase.
  bool ConfirmOpenErasesCells();
  /// Loads `path`, which becomes the file Save writes to unless it is refused.
  void LoadChosenMemoryFile(const QString& path);
  /// False when the file was refused (not a memory file, unreadable).
  bool LoadMemoryFile();
  void SaveMemoryFile();
  /// The cells and their container as a memory file holds them.
  MemoryFileData CellsAsFile() const;
  /// The cells of a memory file (or the kept cells) in place of all cells,
  /// the container placed where the file says, fitted to the screens.
  void ShowFileCells(const MemoryFileData& file, const QString& caption);
  /// The cells kept after the last Exit, when the user keeps them; what
  /// went wrong is told once the window shows.
  void LoadKeptCells();
  /// An empty text, or why the cells could not be kept.
  QString SaveKeptCells();
  QString FileDialogFolder() const;
  void Readout_DragDrop(const QMimeData* mime, int x);
  void LiftTopmost();
  void RestoreTopmost();
  void RestackAroundContainer(Qt::WindowStates state);
  /// Every colour target wears the colour `settings` give it.
  void WearColours(const Settings& settings);
  void WearColour(int index);
  void ShowMessage(std::string_view text, std::string_view title);
  /// Tells why text was not taken: the display flashes, its tooltip says why.
  void RefuseText(const QString& why);
  void CaptionsChanged();
  /// Undo and Redo are offered only when there is something to take back or do again.
  void ShowUndoState();
  void ShowCaptions(std::string_view readout, std::string_view actionLabel, std::string_view label1);

  // Handlers owned by this window that are not menu items.
  void Form_Activate();
  void Form_Resize();
  void Form_DblClick();
  void Form_MouseDown(Qt::MouseButton button, QPoint globalPos);
  bool Form_KeyPress(QKeyEvent* event);
  void FollowMove();

  Session& m_session;
  CalculatorEngine& m_engine;
  CalculatorFace* m_face = nullptr;
  QLabel* m_readout = nullptr;
  QLabel* m_actionLabel = nullptr;
  QLabel* m_label1 = nullptr;
  QPushButton* m_equal = nullptr;
  std::vector<Control> m_controls;
  /// One item of the colour menu: the setting its colour is kept in, and
  /// who wears it.
  struct ColourTarget {
    ColourNumber Settings::*setting;
    void (*wear)(Calculator& calculator, ColourNumber colour);
  };
  static const ColourTarget kColourTargets[kColourCount];
  /// The colours worn now, in the colour menu's order.
  std::array<ColourNumber, kColourCount> m_colours{};
  std::unique_ptr<CalculatorMenus> m_menus;
  TapeWindow* m_tape = nullptr;
  std::unique_ptr<MemoryController> m_memory;
  // Every key and drop that changed the calculation, for Undo; made with the cells.
  std::unique_ptr<UndoHistory> m_history;
  Converter* m_converter = nullptr;
  /// The converter's place (twips) as the settings gave it, for when it is made.
  std::optional<QPoint> m_converterPlace;
  std::unique_ptr<TapePrinter> m_printer;
  std::unique_ptr<ShellCommands> m_commands;
  CalculatorDialogs m_dialogs;
  std::function<void()> m_beepHook;
  QString m_memoryFileName;
  // Closing runs Form_Unload once, whether from Exit or the close box.
  bool m_unloaded = false;
  // The accuracy the settings keep while the command line's is shown.
  std::optional<int> m_accuracyToSave;
  double m_windowWidth;
  double m_windowHeight;
  // Where the window was when the tape last followed it (twips).
  double m_lastCalcLeft = -1e9;
  double m_lastCalcTop = -1e9;
  // Mapped by the window manager at least once, so its frame is known.
  bool m_framed = false;
  // The display's palette while it flashes for a refused paste.
  std::optional<QPalette> m_flashPalette;
  // Why a paste was refused, shown under the display for a while. Not a
  // QToolTip: that one goes at the next key released, before it can be read.
  QLabel* m_refusalNote = nullptr;
  QTimer* m_refusalNoteTimer = nullptr;
};

}  // namespace mezura
