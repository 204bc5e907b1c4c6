// The calculator window's menu bar and pop-up menu, built from one table each:
// control name (the action's objectName), caption, check mark at start and
// handler. Items with a check mark own it through their handlers, which set
// the menu-bar item and its pop-up twin together.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/calculator.h"

namespace mezura {

namespace {

enum class Kind { Menu, Item, Separator, End };

struct MenuEntry {
  Kind kind;
  const char* name;
  const char* caption = "";
  void (Calculator::*handler)() = nullptr;
  bool checkable = false;
  bool checked = false;
};

using C = Calculator;

// A Menu entry opens a submenu that runs to its End entry.
const MenuEntry kMenuBar[] = {
    {Kind::Menu, "File", "&File"},
    {Kind::Item, "mnuOpen", "&Open...", &C::mnuOpen_Click},
    {Kind::Item, "mnuSave", "&Save", &C::mnuSave_Click},
    {Kind::Item, "mnuSaveAs", "Save &As...", &C::mnuSaveAs_Click},
    {Kind::Separator, "mnuSep"},
    {Kind::Item, "mnuPrint", "&Print Current Tape", &C::mnuPrint_Click},
    {Kind::Item, "mnuPrintAll", "Print All &Tapes", &C::mnuPrintAll_Click},
    {Kind::Separator, "mnuSeperator"},
    {Kind::Menu, "Formulas", "&Formulas"},
    {Kind::Item, "Circumference", "Circumference...", &C::Circumference_Click},
    {Kind::Item, "CircArea", "Area of circle...", &C::CircArea_Click},
    {Kind::Item, "CylVolume", "Volume of cylinder...", &C::CylVolume_Click},
    {Kind::Item, "mnuDiagonal", "Diagonal...", &C::mnuDiagonal_Click},
    {Kind::End, ""},
    {Kind::Item, "Exit", "E&xit", &C::Exit_Click},
    {Kind::End, ""},
    {Kind::Menu, "Memory", "&Memory"},
    {Kind::Item, "NewMemory", "New &Memory", &C::NewMemory_Click},
    {Kind::Item, "NamedMemory", "&Named Memory...", &C::NamedMemory_Click},
    {Kind::Item, "mnuArrangeMemory", "&Arrange", &C::mnuArrangeMemory_Click},
    {Kind::Item, "ClearMemory", "&Clear All", &C::ClearMemory_Click},
    {Kind::Item, "EraseMemory", "&Erase All", &C::EraseMemory_Click},
    {Kind::End, ""},
    {Kind::Menu, "DisplayMenu", "&Display"},
    {Kind::Menu, "Accuracy", "&Accuracy"},
    {Kind::Item, "Sixteen", "1/16\"", &C::Sixteen_Click, true, true},
    {Kind::Item, "thirtysecond", "1/32\"", &C::thirtysecond_Click, true},
    {Kind::End, ""},
    {Kind::Item, "ShowKeys", "Show &Keys", &C::ShowKeys_Click, true, true},
    {Kind::Item, "mnuConverter", "&Converter", &C::mnuConverter_Click, true},
    {Kind::Item, "mnuTape", "&Tape", &C::mnuTape_Click, true},
    {Kind::Menu, "Zoom", "&Zoom"},
    {Kind::Item, "ZoomSmall", "75%", &C::ZoomSmall_Click, true},
    {Kind::Item, "ZoomLarge", "100%", &C::ZoomLarge_Click, true, true},
    {Kind::End, ""},
    {Kind::Menu, "mnuColors", "Colors"},  // its items are the mnuColor array, added below
    {Kind::End, ""},
    {Kind::End, ""},
    {Kind::Menu, "HelpMenu", "&Help"},
    {Kind::Item, "mnuHelpContents", "&Contents", &C::mnuHelpContents_Click},
    {Kind::Item, "mnuAbout", "&About", &C::mnuAbout_Click},
    {Kind::End, ""},
};

const char* const kColorCaptions[] = {"Calculator",      "Calculator readout ", "Memory",
                                      "Memory readout",  "Converter",           "Converter readout",
                                      "Converter result readouts"};

const MenuEntry kPopup[] = {
    {Kind::Item, "mnuPopup1NewMemory", "New Memory", &C::NewMemory_Click},
    {Kind::Item, "mnuPopup1NamedMemory", "Named Memory", &C::NamedMemory_Click},
    {Kind::Separator, "mnuPopup1Separator1"},
    {Kind::Item, "mnuPopup1Accuracy16", "1/16\" Accuracy", &C::Sixteen_Click, true, true},
    {Kind::Item, "mnuPopup1Accuracy32", "1/32\" Accuracy", &C::thirtysecond_Click, true},
    {Kind::Separator, "mnuPopup1Separator2"},
    {Kind::Item, "mnuPopup1Zoom75", "Zoom 75%", &C::ZoomSmall_Click, true},
    {Kind::Item, "mnuPopup1Zoom100", "Zoom 100%", &C::ZoomLarge_Click, true, true},
    {Kind::Item, "mnuPopup1ShowKeys", "Show Keys", &C::ShowKeys_Click, true, true},
    {Kind::Item, "mnuPopup1ShowTape", "ShowTape", &C::mnuTape_Click, true},
    {Kind::Separator, "mnuPopup1Separator3"},
    {Kind::Item, "mnuPopUp1Circumference", "Circumference...", &C::Circumference_Click},
    {Kind::Item, "mnuPopUp1AreaofCircle", "Area of Circle...", &C::CircArea_Click},
    {Kind::Item, "mnuPopUp1VolumeofCylinder", "VolumeofCylinder...", &C::CylVolume_Click},
    {Kind::Item, "mnuPopUp1Diagonal", "Diagonal...", &C::mnuDiagonal_Click},
    {Kind::Separator, "mnuPopup1Separator4"},
    {Kind::Item, "mnuPopup1Cancel", "Cancel", &C::mnuPopup1Cancel_Click},
};

}  // namespace

void Calculator::BuildMenus() {
  auto addItem = [this](QMenu* menu, const MenuEntry& entry) {
    QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
    action->setObjectName(QString::fromUtf8(entry.name));
    action->setCheckable(entry.checkable);
    action->setChecked(entry.checked);
    const auto handler = entry.handler;
    connect(action, &QAction::triggered, this, [this, action, handler] {
      // Qt flips a checkable item before this runs; the handlers decide the
      // check marks themselves from the state the user saw, so undo the flip.
      if (action->isCheckable()) action->setChecked(!action->isChecked());
      (this->*handler)();
    });
  };

  std::vector<QMenu*> open;  // the submenu chain being filled
  for (const MenuEntry& entry : kMenuBar) {
    switch (entry.kind) {
      case Kind::Menu: {
        const QString caption = QString::fromUtf8(entry.caption);
        QMenu* menu = open.empty() ? menuBar()->addMenu(caption) : open.back()->addMenu(caption);
        menu->setObjectName(QString::fromUtf8(entry.name));
        menu->menuAction()->setObjectName(QString::fromUtf8(entry.name));
        open.push_back(menu);
        break;
      }
      case Kind::Item:
        addItem(open.back(), entry);
        break;
      case Kind::Separator:
        open.back()->addSeparator()->setObjectName(QString::fromUtf8(entry.name));
        break;
      case Kind::End:
        if (open.back()->objectName() == QLatin1String("mnuColors")) {
          for (int i = 0; i < 7; ++i) {
            QAction* action = open.back()->addAction(QString::fromUtf8(kColorCaptions[i]));
            action->setObjectName(QStringLiteral("mnuColor(%1)").arg(i));
            connect(action, &QAction::triggered, this, [this, i] { mnuColor_Click(i); });
          }
        }
        open.pop_back();
        break;
    }
  }

  m_popup = new QMenu(QStringLiteral("Popup1"), this);
  m_popup->setObjectName(QStringLiteral("mnuPopup1"));
  m_popup->menuAction()->setObjectName(QStringLiteral("mnuPopup1"));
  for (const MenuEntry& entry : kPopup) {
    if (entry.kind == Kind::Separator)
      m_popup->addSeparator()->setObjectName(QString::fromUtf8(entry.name));
    else
      addItem(m_popup, entry);
  }
}

QAction* Calculator::Action(const char* name) const { return findChild<QAction*>(QString::fromUtf8(name)); }

void Calculator::SetChecked(const char* name, bool checked) {
  if (QAction* action = Action(name)) action->setChecked(checked);
}

bool Calculator::IsChecked(const char* name) const {
  const QAction* action = Action(name);
  return action && action->isChecked();
}

}  // namespace mezura
