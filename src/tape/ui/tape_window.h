#pragma once
// The tape window (frmTape): a narrow, captionless tool window docked on the
// calculator window's top edge, showing one tape of the TapeStore at a time
// under its title, with two arrow buttons and the arrow keys to switch tapes.
// It owns its layout pass (height snapped to whole rows, docked above the
// calculator) and mirrors the store's view state (first visible row and
// column, title). The store and what is written on it belong to others; the
// calculator decides when the window is shown and answers TapeDockHost.
// A right click on the grid opens the pop-up menu mnuPopup2 ("Print Tape",
// "Print All Tapes", then "Copy Tape", "Save Tape As...", "Print Preview...");
// what printing and previewing mean is handed in by the calculator
// (SetPrintCommands, SetPreviewCommand), so this window knows nothing of
// printers. Copying (Ctrl+C, Ctrl+Insert, "Copy Tape") and saving the shown
// tape are its own; the file dialogs can be replaced (FileDialogs()).
// A value line is a drag source: which lines hold a value is the tape's value
// rule (tape/tape_line_value.h); how the drag runs is handed in
// (SetLineDragCommand), so this window knows no drag formats.

#include <QWidget>
#include <functional>
#include <optional>

#include "tape/tape_layout.h"
#include "tape/tape_store.h"
#include "tape/ui/tape_files.h"

class QLabel;
class QMenu;
class QPushButton;
class QTableView;

namespace mezura {

class TapeDockHost;
class TapeTableModel;

class TapeWindow : public QWidget, public TapeStoreListener {
  Q_OBJECT

 public:
  TapeWindow(TapeStore& store, TapeDockHost& host, QWidget* parent = nullptr);
  ~TapeWindow() override;

  /// The layout pass: snaps the height to whole rows, docks the window above
  /// the calculator and lays out the title, the grid and the arrow buttons.
  void Form_Resize();
  /// Follows a moved calculator window, keeping the height; nothing is lifted
  /// on top while it runs.
  void FollowCalculator();
  /// The arrow keys: switch to the tape on the left (Qt::Key_Left) or right
  /// (Qt::Key_Right). Returns whether the key was one of them.
  bool Grid1_KeyDown(int key);
  void cmdScrollTape_Click(int index);
  void Grid1_DblClick();
  void Label1_DblClick();
  /// The arrow buttons show while more than one tape is open.
  void SetScrollButtonsVisible(bool visible);

  /// What the pop-up menu's two items do: print one tape (given the tape the
  /// window shows, the one the user right-clicked on), print every tape.
  /// Until they are given the items do nothing.
  void SetPrintCommands(std::function<void(int tape)> printTape, std::function<void()> printAllTapes);
  void mnuPopup2PrintTape_Click();
  void mnuPopup2PrintAllTapes_Click();
  /// What "Print Preview..." does with the tape shown; nothing until given.
  void SetPreviewCommand(std::function<void(int tape)> previewTape);
  /// The whole tape shown, to the clipboard.
  void mnuPopup2CopyTape_Click();
  /// The tape shown, to a text or CSV file the user chooses.
  void mnuPopup2SaveTapeAs_Click();
  void mnuPopup2PrintPreview_Click();
  /// Ctrl+C and Ctrl+Insert: the selected lines of the tape shown, or the
  /// whole tape when none of its lines is selected, to the clipboard.
  void CopySelectedLines();
  /// The dialogs "Save Tape As..." asks; tests answer them.
  TapeFileDialogs& FileDialogs() { return m_fileDialogs; }
  /// Starts a drag of a value line's value from `source` once the pointer
  /// has moved far enough from `pressPos`; returns whether it did.
  using LineDrag = std::function<bool(QWidget* source, QPoint pressPos, QPoint currentPos, const QString& value)>;
  /// What dragging a value line does; lines stay put until given.
  void SetLineDragCommand(LineDrag drag);
  /// The value a drag of `row` of the tape shown carries; empty for a line
  /// that holds none (a title, a separator, "Clear").
  QString LineDragValue(int row) const;
  /// The grid's right-button press: opens mnuPopup2 at `globalPos`.
  void Grid1_MouseDown(Qt::MouseButton button, QPoint globalPos);
  QMenu* Popup() const { return m_popup; }

  /// The outer geometry the layout pass gave the window, in twips: the rule's
  /// place, kept on the screen.
  TwipRect GeometryTwips() const { return m_geometry; }
  /// The rows the user gave the window; fewer show while the screen is short.
  int RequestedRows() const { return m_rows; }
  QTableView* Grid() const { return m_grid; }
  TapeTableModel* Model() const { return m_model; }
  QLabel* Title() const { return m_title; }

  // TapeStoreListener
  void TapeViewChanged() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Lay(double windowHeight);
  double RequestedHeight() const;
  /// The frame the window manager put around the window (pixels per side).
  QMargins WindowManagerFrame() const;
  /// The frame the window draws itself where the window manager's is thinner.
  QMargins OwnEdges() const;
  /// The height beyond the grid rows: title strip and both frames, twips.
  double ChromeTwips() const;
  TwipRect WorkAreaTwips() const;
  void ApplyView();
  void HideByUser();
  int ShownTape() const;

  TapeStore& m_store;
  TapeDockHost& m_host;
  TapeTableModel* m_model = nullptr;
  QLabel* m_title = nullptr;
  QTableView* m_grid = nullptr;
  QPushButton* m_scroll[2] = {nullptr, nullptr};
  QMenu* m_popup = nullptr;
  std::function<void(int tape)> m_printTape;
  std::function<void()> m_printAllTapes;
  std::function<void(int tape)> m_previewTape;
  LineDrag m_lineDrag;
  // Where the left button went down on the grid, and on which row: a move
  // far enough from there drags that row's value.
  std::optional<QPoint> m_linePress;
  int m_linePressRow = -1;
  TapeFileDialogs m_fileDialogs;
  TwipRect m_geometry;
  int m_rows = 5;
  QRect m_requested;                   // the client geometry last asked of the window system
  QSize m_refusedSize;                 // a size it gave us instead
  std::optional<QPoint> m_refusedPlace;  // and a place
  bool m_watchingHandle = false;
  bool m_inLayout = false;
  bool m_movingTape = false;
  // The window has no frame to drag, so its top edge is the handle: the
  // pointer's start and the height at the start of a drag.
  std::optional<int> m_resizeFromY;
  double m_resizeStartHeight = 0;
};

}  // namespace mezura
