#pragma once
// The calculator window's menu bar and pop-up menu, and the display choices
// their check marks show. The menus are built from tables (control name,
// caption, the Calculator handler an item runs, its shortcuts); the handlers decide, and
// tell the new choices here, and the check marks of every item are set from
// the choices in one place, the menu bar's and their pop-up twins' alike.
// What an item does is the Calculator's; nothing looks an item up by name.

#include <QString>
#include <array>
#include <functional>
#include <span>
#include <vector>

#include "storage/settings_model.h"

class QAction;
class QMenu;

namespace mezura {

class Calculator;

class CalculatorMenus {
 public:
  /// Fills the window's menu bar and builds its pop-up menu (owned by the window).
  explicit CalculatorMenus(Calculator& window);
  CalculatorMenus(const CalculatorMenus&) = delete;
  CalculatorMenus& operator=(const CalculatorMenus&) = delete;

  QMenu* Popup() const { return m_popup; }
  /// The memory keys' items, whose shortcuts other windows may share.
  const std::vector<QAction*>& MemoryKeyActions() const { return m_memoryKeys; }

  const DisplayChoices& Choices() const { return m_choices; }
  void SetAccuracy(int accuracy);
  void SetZoomSmall(bool small);
  void SetShowKeys(bool shown);
  void SetShowTape(bool shown);
  void SetConverterShown(bool shown);
  void SetKeepCells(bool keep);
  /// Enables the pop-up's Undo and Redo items and their shortcuts.
  void SetUndoRedo(bool canUndo, bool canRedo);

 private:
  /// The choice an item's check mark shows (accuracies have their own table).
  enum class Mark { None, ZoomSmall, ZoomLarge, ShowKeys, ShowTape, Converter, KeepCells, Count };
  /// A menu-bar item and its pop-up twin; the converter item has no twin.
  struct Twins {
    QAction* bar = nullptr;
    QAction* popup = nullptr;
    void SetChecked(bool checked) const;
  };
  struct Row;
  static const Row kMenuBar[];
  static const Row kPopup[];

  /// Adds `rows` to `root`, or to the menu bar when `root` is null.
  void Fill(QMenu* root, std::span<const Row> rows);
  /// Undo and Redo at the pop-up's end, after a separator.
  void AddUndoRedo();
  QAction* AddItem(QMenu* menu, const QString& name, const char* caption, std::function<void()> run);
  /// Makes `action` show a choice, as the menu-bar item or the pop-up twin.
  void Keep(QMenu* root, QAction* action, Twins& twins);
  Twins& Marked(Mark mark) { return m_marks[static_cast<std::size_t>(mark)]; }
  void ShowChoices();

  Calculator& m_window;
  QMenu* m_popup = nullptr;
  DisplayChoices m_choices;
  std::array<Twins, static_cast<std::size_t>(Mark::Count)> m_marks;
  /// One per accuracy offered, in the order of the accuracy table.
  std::vector<Twins> m_accuracies;
  std::vector<QAction*> m_memoryKeys;
  QAction* m_undo = nullptr;
  QAction* m_redo = nullptr;
};

}  // namespace mezura
