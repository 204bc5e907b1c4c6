#include "app/calculator_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/calculator.h"

namespace mezura {

namespace {

enum class Kind {
  Menu,        ///< opens a submenu that runs to its End row
  End,
  Item,
  Separator,
  Accuracies,  ///< the accuracy items, from kAccuracyItems
  Colours,     ///< the control array mnuColor, from kColourCaptions
  MemoryKeys,  ///< the memory keys' items, from kMemoryKeyItems
};

using C = Calculator;

// The accuracies offered: each is an item of the Accuracy submenu and its
// twin in the pop-up menu, checked while it is in force. An accuracy without
// a handler of its own is simply chosen by its items.
struct AccuracyItem {
  int accuracy;
  const char* barName;
  const char* barCaption;
  const char* popupName;
  const char* popupCaption;
  void (Calculator::*handler)() = nullptr;
};

const AccuracyItem kAccuracyItems[] = {
    {kAccuracy16, "Sixteen", "1/&16\"", "mnuPopup1Accuracy16", "1/16\" Accuracy", &C::Sixteen_Click},
    {kAccuracy32, "thirtysecond", "1/&32\"", "mnuPopup1Accuracy32", "1/32\" Accuracy", &C::thirtysecond_Click},
    // Coarse ones for rough framing, then the finest.
    {kAccuracy4, "mnuAccuracy4", "1/&4\"", "mnuPopup1Accuracy4", "1/4\" Accuracy"},
    {kAccuracy8, "mnuAccuracy8", "1/&8\"", "mnuPopup1Accuracy8", "1/8\" Accuracy"},
    {kAccuracy64, "mnuAccuracy64", "1/&64\"", "mnuPopup1Accuracy64", "1/64\" Accuracy"},
};

// The memory keys work on the active cell from the keyboard; each is also
// an item of the Memory menu, which shows its first key. Keys not used are
// Qt::Key_unknown. The plus key is reached with or without Shift, and from
// the keypad.
struct MemoryKeyItem {
  const char* name;
  const char* caption;
  void (Calculator::*handler)();
  QKeyCombination keys[3];
};

const MemoryKeyItem kMemoryKeyItems[] = {
    {"mnuMemoryAdd", "A&dd to Cell", &C::mnuMemoryAdd_Click,
     {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal, Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus}},
    {"mnuMemorySubtract", "&Subtract from Cell", &C::mnuMemorySubtract_Click,
     {Qt::CTRL | Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus, {}}},
    {"mnuMemoryRecall", "&Recall Cell", &C::mnuMemoryRecall_Click, {Qt::CTRL | Qt::Key_R, {}, {}}},
};

// mnuColor(0) to mnuColor(6), in the order of the calculator's colour targets.
const char* const kColourCaptions[] = {"&Calculator",     "Calculator &readout ", "&Memory",
                                       "Memory r&eadout", "C&onverter",           "Con&verter readout",
                                       "Converter re&sult readouts"};
static_assert(std::size(kColourCaptions) == Calculator::kColourCount);

}  // namespace

struct CalculatorMenus::Row {
  Kind kind;
  const char* name = "";
  const char* caption = "";
  void (Calculator::*handler)() = nullptr;
  Mark mark = Mark::None;
  /// Shortcuts, as QKeySequence::listFromString reads them ("Ctrl+C; Ctrl+Ins").
  const char* keys = nullptr;
};

const CalculatorMenus::Row CalculatorMenus::kMenuBar[] = {
    {Kind::Menu, "File", "&File"},
    {Kind::Item, "mnuOpen", "&Open...", &C::mnuOpen_Click, Mark::None, "Ctrl+O"},
    {Kind::Item, "mnuSave", "&Save", &C::mnuSave_Click, Mark::None, "Ctrl+S"},
    {Kind::Item, "mnuSaveAs", "Save &As...", &C::mnuSaveAs_Click},
    {Kind::Separator, "mnuSep"},
    {Kind::Item, "mnuPrint", "&Print Current Tape", &C::mnuPrint_Click, Mark::None, "Ctrl+P"},
    {Kind::Item, "mnuPrintAll", "Print All &Tapes", &C::mnuPrintAll_Click},
    {Kind::Separator, "mnuSeperator"},
    {Kind::Menu, "Formulas", "&Formulas"},
    {Kind::Item, "Circumference", "&Circumference...", &C::Circumference_Click},
    {Kind::Item, "CircArea", "&Area of circle...", &C::CircArea_Click},
    {Kind::Item, "CylVolume", "&Volume of cylinder...", &C::CylVolume_Click},
    {Kind::Item, "mnuDiagonal", "&Diagonal...", &C::mnuDiagonal_Click},
    {Kind::Item, "mnuStairs", "&Stairs...", &C::mnuStairs_Click},
    {Kind::End},
    {Kind::Item, "Exit", "E&xit", &C::Exit_Click, Mark::None, "Ctrl+Q"},
    {Kind::End},
    {Kind::Menu, "Memory", "&Memory"},
    {Kind::Item, "NewMemory", "New &Memory", &C::NewMemory_Click},
    {Kind::Item, "NamedMemory", "&Named Memory...", &C::NamedMemory_Click},
    {Kind::Item, "mnuArrangeMemory", "&Arrange", &C::mnuArrangeMemory_Click},
    {Kind::Item, "ClearMemory", "&Clear All", &C::ClearMemory_Click},
    {Kind::Item, "EraseMemory", "&Erase All", &C::EraseMemory_Click},
    {Kind::Separator, "mnuMemoryKeysSeparator"},
    {Kind::MemoryKeys},
    {Kind::Item, "mnuKeepCells", "&Keep Cells After Exit", &C::mnuKeepCells_Click, Mark::KeepCells},
    {Kind::End},
    {Kind::Menu, "DisplayMenu", "&Display"},
    {Kind::Menu, "Accuracy", "&Accuracy"},
    {Kind::Accuracies},
    {Kind::End},
    {Kind::Item, "ShowKeys", "Show &Keys", &C::ShowKeys_Click, Mark::ShowKeys},
    {Kind::Item, "mnuConverter", "&Converter", &C::mnuConverter_Click, Mark::Converter},
    {Kind::Item, "mnuTape", "&Tape", &C::mnuTape_Click, Mark::ShowTape},
    {Kind::Menu, "Zoom", "&Zoom"},
    {Kind::Item, "ZoomSmall", "&75%", &C::ZoomSmall_Click, Mark::ZoomSmall},
    {Kind::Item, "ZoomLarge", "&100%", &C::ZoomLarge_Click, Mark::ZoomLarge},
    {Kind::End},
    {Kind::Menu, "mnuColors", "C&olors"},
    {Kind::Colours},
    {Kind::End},
    {Kind::End},
    {Kind::Menu, "HelpMenu", "&Help"},
    {Kind::Item, "mnuHelpContents", "&Contents", &C::mnuHelpContents_Click, Mark::None, "F1"},
    {Kind::Item, "mnuAbout", "&About", &C::mnuAbout_Click},
    {Kind::End},
};

// Each item runs the handler of its menu-bar twin.
const CalculatorMenus::Row CalculatorMenus::kPopup[] = {
    {Kind::Item, "mnuPopup1NewMemory", "New Memory", &C::NewMemory_Click},
    {Kind::Item, "mnuPopup1NamedMemory", "Named Memory", &C::NamedMemory_Click},
    {Kind::Separator, "mnuPopup1Separator1"},
    {Kind::Accuracies},
    {Kind::Separator, "mnuPopup1Separator2"},
    {Kind::Item, "mnuPopup1Zoom75", "Zoom 75%", &C::ZoomSmall_Click, Mark::ZoomSmall},
    {Kind::Item, "mnuPopup1Zoom100", "Zoom 100%", &C::ZoomLarge_Click, Mark::ZoomLarge},
    {Kind::Item, "mnuPopup1ShowKeys", "Show Keys", &C::ShowKeys_Click, Mark::ShowKeys},
    {Kind::Item, "mnuPopup1ShowTape", "ShowTape", &C::mnuTape_Click, Mark::ShowTape},
    {Kind::Separator, "mnuPopup1Separator3"},
    {Kind::Item, "mnuPopUp1Circumference", "Circumference...", &C::Circumference_Click},
    {Kind::Item, "mnuPopUp1AreaofCircle", "Area of Circle...", &C::CircArea_Click},
    {Kind::Item, "mnuPopUp1VolumeofCylinder", "VolumeofCylinder...", &C::CylVolume_Click},
    {Kind::Item, "mnuPopUp1Diagonal", "Diagonal...", &C::mnuDiagonal_Click},
    {Kind::Item, "mnuPopUp1Stairs", "Stairs...", &C::mnuStairs_Click},
    {Kind::Separator, "mnuPopup1Separator4"},
    {Kind::Item, "mnuPopup1Cancel", "Cancel", &C::mnuPopup1Cancel_Click},
    {Kind::Separator, "mnuPopup1SeparatorClipboard"},
    {Kind::Item, "mnuPopup1Copy", "Copy", &C::Copy_Click, Mark::None, "Ctrl+C; Ctrl+Ins"},
    {Kind::Item, "mnuPopup1Paste", "Paste", &C::Paste_Click, Mark::None, "Ctrl+V; Shift+Ins"},
    // The tape window's own commands, for the keyboard, which never reaches that window.
    {Kind::Item, "mnuPopup1CopyTape", "Copy Tape", &C::CopyTape_Click, Mark::None, "Ctrl+Shift+C"},
    {Kind::Item, "mnuPopup1SaveTapeAs", "Save Tape As...", &C::SaveTapeAs_Click, Mark::None, "Ctrl+Shift+S"},
};

CalculatorMenus::CalculatorMenus(Calculator& window) : m_window(window), m_accuracies(std::size(kAccuracyItems)) {
  Fill(nullptr, kMenuBar);
  m_popup = new QMenu(QStringLiteral("Popup1"), &window);
  m_popup->setObjectName(QStringLiteral("mnuPopup1"));
  m_popup->menuAction()->setObjectName(QStringLiteral("mnuPopup1"));
  Fill(m_popup, kPopup);
  // The keyboard's way to the pop-up menu, which the mouse opens with a right click.
  auto* showPopup = new QAction(QStringLiteral("Popup1"), &window);
  showPopup->setObjectName(QStringLiteral("PopupKeys"));
  showPopup->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
  showPopup->setShortcutContext(Qt::WindowShortcut);
  window.addAction(showPopup);
  QObject::connect(showPopup, &QAction::triggered, &window, [this] { m_window.ShowPopupAtDisplay(); });
  AddUndoRedo();
  ShowChoices();
}

void CalculatorMenus::AddUndoRedo() {
  // The items after "Cancel" are also the window's shortcuts: the window holds
  // them too, so the keys work while the pop-up is closed, and a disabled item
  // leaves its key to nobody (Ctrl combinations are never typing).
  m_popup->addSeparator()->setObjectName(QStringLiteral("mnuPopup1SeparatorUndo"));
  m_undo = AddItem(m_popup, QStringLiteral("mnuPopup1Undo"), "Undo", [this] { m_window.Undo_Click(); });
  m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  m_redo = AddItem(m_popup, QStringLiteral("mnuPopup1Redo"), "Redo", [this] { m_window.Redo_Click(); });
  m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  for (QAction* action : {m_undo, m_redo}) {
    action->setShortcutContext(Qt::WindowShortcut);
    action->setEnabled(false);
    m_window.addAction(action);
  }
}

void CalculatorMenus::SetUndoRedo(bool canUndo, bool canRedo) {
  m_undo->setEnabled(canUndo);
  m_redo->setEnabled(canRedo);
}

void CalculatorMenus::Fill(QMenu* root, std::span<const Row> rows) {
  std::vector<QMenu*> open;  // the submenu chain being filled
  if (root) open.push_back(root);
  for (const Row& row : rows) {
    switch (row.kind) {
      case Kind::Menu: {
        const QString caption = QString::fromUtf8(row.caption);
        QMenu* menu = open.empty() ? m_window.menuBar()->addMenu(caption) : open.back()->addMenu(caption);
        menu->setObjectName(QString::fromUtf8(row.name));
        menu->menuAction()->setObjectName(QString::fromUtf8(row.name));
        open.push_back(menu);
        break;
      }
      case Kind::End:
        open.pop_back();
        break;
      case Kind::Separator:
        open.back()->addSeparator()->setObjectName(QString::fromUtf8(row.name));
        break;
      case Kind::Item: {
        QAction* action =
            AddItem(open.back(), QString::fromUtf8(row.name), row.caption, [this, h = row.handler] { (m_window.*h)(); });
        if (row.mark != Mark::None) Keep(root, action, Marked(row.mark));
        if (row.keys) {
          action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(row.keys)));
          action->setShortcutContext(Qt::WindowShortcut);
          // On the window itself too, so that a pop-up item's keys work
          // while the pop-up is closed.
          m_window.addAction(action);
        }
        break;
      }
      case Kind::Accuracies:
        for (std::size_t i = 0; i < std::size(kAccuracyItems); ++i) {
          const AccuracyItem& item = kAccuracyItems[i];
          const auto choose = [this, &item] {
            if (item.handler)
              (m_window.*item.handler)();
            else
              m_window.ChooseAccuracy(item.accuracy);
          };
          QAction* action = root ? AddItem(open.back(), QString::fromUtf8(item.popupName), item.popupCaption, choose)
                                 : AddItem(open.back(), QString::fromUtf8(item.barName), item.barCaption, choose);
          Keep(root, action, m_accuracies[i]);
        }
        break;
      case Kind::MemoryKeys:
        for (const MemoryKeyItem& item : kMemoryKeyItems) {
          QAction* action = AddItem(open.back(), QString::fromUtf8(item.name), item.caption,
                                    [this, h = item.handler] { (m_window.*h)(); });
          QList<QKeySequence> keys;
          for (const QKeyCombination key : item.keys)
            if (key.key() != Qt::Key_unknown) keys.append(QKeySequence(key));
          action->setShortcuts(keys);
          action->setShortcutContext(Qt::WindowShortcut);
          m_memoryKeys.push_back(action);
        }
        break;
      case Kind::Colours:
        for (int i = 0; i < Calculator::kColourCount; ++i) {
          AddItem(open.back(), QStringLiteral("mnuColor(%1)").arg(i), kColourCaptions[i],
                  [this, i] { m_window.mnuColor_Click(i); });
        }
        break;
    }
  }
}

QAction* CalculatorMenus::AddItem(QMenu* menu, const QString& name, const char* caption, std::function<void()> run) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(name);
  QObject::connect(action, &QAction::triggered, menu, [this, action, run = std::move(run)] {
    run();
    // Qt has flipped the item's mark already; the choices decide it.
    if (action->isCheckable()) ShowChoices();
  });
  return action;
}

void CalculatorMenus::Keep(QMenu* root, QAction* action, Twins& twins) {
  action->setCheckable(true);
  (root ? twins.popup : twins.bar) = action;
}

void CalculatorMenus::Twins::SetChecked(bool checked) const {
  if (bar) bar->setChecked(checked);
  if (popup) popup->setChecked(checked);
}

void CalculatorMenus::ShowChoices() {
  for (std::size_t i = 0; i < m_accuracies.size(); ++i)
    m_accuracies[i].SetChecked(kAccuracyItems[i].accuracy == m_choices.accuracy);
  Marked(Mark::ZoomSmall).SetChecked(m_choices.zoomSmall);
  Marked(Mark::ZoomLarge).SetChecked(!m_choices.zoomSmall);
  Marked(Mark::ShowKeys).SetChecked(m_choices.showKeys);
  Marked(Mark::ShowTape).SetChecked(m_choices.showTape);
  Marked(Mark::Converter).SetChecked(m_choices.converterShown);
  Marked(Mark::KeepCells).SetChecked(m_choices.keepCells);
}

void CalculatorMenus::SetAccuracy(int accuracy) {
  m_choices.accuracy = accuracy;
  ShowChoices();
}

void CalculatorMenus::SetZoomSmall(bool small) {
  m_choices.zoomSmall = small;
  ShowChoices();
}

void CalculatorMenus::SetShowKeys(bool shown) {
  m_choices.showKeys = shown;
  ShowChoices();
}

void CalculatorMenus::SetShowTape(bool shown) {
  m_choices.showTape = shown;
  ShowChoices();
}

void CalculatorMenus::SetKeepCells(bool keep) {
  m_choices.keepCells = keep;
  ShowChoices();
}

void CalculatorMenus::SetConverterShown(bool shown) {
  m_choices.converterShown = shown;
  ShowChoices();
}

}  // namespace mezura
