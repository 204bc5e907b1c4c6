#include "app/calculator.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include "app/calculator_face.h"
#include "app/calculator_layout.h"
#include "app/keep_on_top.h"
#include "app/help/shell_commands.h"
#include "app/keys/key_mapping.h"
#include "app/session.h"
#include "converter/ui/converter.h"
#include "measure/measurement.h"
#include "memory/ui/accessible_value.h"
#include "memory/ui/mdi_form1.h"
#include "memory/ui/memory_controller.h"
#include "memory/ui/value_drag.h"
#include "memory/ui/value_label.h"
#include "memory/undo_history.h"
#include "tape/ui/design_metrics.h"
#include "tape/ui/tape_printer.h"
#include "tape/ui/tape_window.h"

namespace mezura {

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A refused paste: how long the display flashes and the reason shows beside it.
constexpr int kRefusalFlashMs = 250;
constexpr int kRefusalReasonMs = 5000;
// Enough of a refused text to recognise it by.
constexpr qsizetype kRefusedTextShown = 40;

}  // namespace

Calculator::Calculator(Session& session, QWidget* parent)
    : QMainWindow(parent),
      m_session(session),
      m_engine(session.Engine()),
      m_windowWidth(kZoom100.windowWidth),
      m_windowHeight(kZoom100.heightWithKeys) {
  setObjectName(QStringLiteral("Calculator"));
  // A fixed-size window: caption, system menu, minimise and close, no maximise.
  // It is kept on top from the start: on X11, Qt re-creates a window whose
  // stay-on-top hint changes between its creation and its first showing.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  setWindowTitle(QStringLiteral("Brellin Calculator"));
  // The window exists natively before any companion does, and is never
  // re-created: the companions name it as their owner when they are created.
  winId();
  windowHandle()->installEventFilter(this);
  QApplication::instance()->installEventFilter(new KeepDialogsOnTop(this));
  BuildControls();
  m_menus = std::make_unique<CalculatorMenus>(*this);
  ApplyWindowSize();
  CaptionsChanged();
  BuildCompanions();
  WearColours(Settings());
  FocusEqual();
}

Calculator::~Calculator() {
  // The memory windows call back into this window.
  m_memory.reset();
  // The tape window calls back into this window; it must go while this
  // window is still whole.
  delete m_tape;
  m_tape = nullptr;
}

void Calculator::BuildControls() {
  // The menu bar takes the window's font too: it must hold its menus in the
  // window's fixed width at either zoom. The menus that drop from it are
  // windows of their own and keep the desktop's font, as the dialogs do.
  setFont(DesignFont(8.25));
  m_face = new CalculatorFace(this);
  setCentralWidget(m_face);

  m_label1 = new QLabel(m_face);
  m_label1->setObjectName(QStringLiteral("Label1"));
  m_label1->setFont(DesignFont(8.25));
  m_label1->setAutoFillBackground(true);
  QPalette labelPalette = m_label1->palette();
  labelPalette.setColor(QPalette::Window, Qt::yellow);
  labelPalette.setColor(QPalette::WindowText, Qt::black);
  m_label1->setPalette(labelPalette);
  MakeAccessibleValue(m_label1, QStringLiteral("Prompt"));
  m_controls.push_back({m_label1, kLabel1Design, kLabel1Design});

  // The display is a drag source and a drop target for values.
  auto* readout = new ValueLabel(m_face);
  readout->SetDragSource(DragSource::Readout());
  m_readout = readout;
  m_readout->setObjectName(QStringLiteral("Readout"));
  m_readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_readout->setFont(DesignFont(kZoom100.readoutPointSize, kZoom100.readoutBold));
  m_readout->setAutoFillBackground(true);
  m_readout->setContentsMargins(0, 0, 2, 0);  // the text keeps clear of the sunken edge
  QPalette readoutPalette = m_readout->palette();
  readoutPalette.setColor(QPalette::WindowText, Qt::black);
  m_readout->setPalette(readoutPalette);
  // Screen readers hear the measurement whenever it changes (ShowCaptions).
  MakeAccessibleValue(m_readout, QStringLiteral("Display"), QStringLiteral("The entry, or the last result"));
  m_controls.push_back({m_readout, kReadoutDesign, kReadoutDesign});

  m_actionLabel = new QLabel(m_face);
  m_actionLabel->setObjectName(QStringLiteral("ActionLabel"));
  m_actionLabel->setAlignment(Qt::AlignCenter);
  m_actionLabel->setFont(DesignFont(13.5));
  QPalette actionPalette = m_actionLabel->palette();
  actionPalette.setColor(QPalette::WindowText, Qt::red);
  m_actionLabel->setPalette(actionPalette);
  MakeAccessibleValue(m_actionLabel, QStringLiteral("Operation"), QStringLiteral("The pending operation"));
  m_controls.push_back({m_actionLabel, kActionLabelDesign, kActionLabelDesign});

  // The drag images are held by invisible labels; the transfers give them
  // their pictures.
  for (int i = 0; i < 5; ++i) {
    auto* image = new QLabel(m_face);
    image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
    image->hide();
    m_controls.push_back({image, kImageDesign[i], kImageDesign[i]});
  }

  // The keys are raised 3-D buttons with a bevel, as on an adding machine:
  // the classic style draws exactly that, whatever the desktop's style is.
  QStyle* keyStyle = QStyleFactory::create(QStringLiteral("Windows"));
  if (keyStyle) keyStyle->setParent(this);
  for (const KeyDefinition& key : KeypadTable()) {
    auto* button = new QPushButton(FromUtf8(key.caption), m_face);
    if (keyStyle) button->setStyle(keyStyle);
    button->setObjectName(FromUtf8(key.name));
    button->setToolTip(FromUtf8(key.toolTip));
    button->setAccessibleName(FromUtf8(key.accessibleName));
    button->setFont(DesignFont(key.pointSize, true));
    button->setAutoDefault(false);
    // The keyboard belongs to "=": a click (a right click for the pop-up
    // menu too) must not move the focus to the key that was clicked.
    if (key.name != "Equal") button->setFocusPolicy(Qt::TabFocus);
    // Only the hidden keys are told: showing a child before its window is
    // shown would size it to its caption first, measuring every key for nothing.
    if (!key.visible) button->hide();
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, &key] { Press(key); });
    if (key.name == "Equal") m_equal = button;
    m_controls.push_back({button, key.geometry, key.geometry});
  }
  // The operation marker overlaps the display's left end and stays in front.
  m_actionLabel->raise();
  m_face->SetEdgeControl(m_readout);
  m_face->installEventFilter(this);
  installEventFilter(this);
  connect(m_face, &CalculatorFace::mousePressed, this,
          [this](QWidget*, Qt::MouseButton button, QPoint globalPos) { Form_MouseDown(button, globalPos); });
  connect(m_face, &CalculatorFace::doubleClicked, this, [this](QWidget* target) {
    if (target == m_face || target == m_label1) Form_DblClick();
  });
  PlaceControls();
}

void Calculator::Press(const KeyDefinition& key) {
  if (key.digit >= 0)
    Apply(m_engine.Number_Click(key.digit));
  else if (key.press)
    Apply((m_engine.*key.press)());
}

void Calculator::PlaceControls() {
  for (const Control& control : m_controls) control.widget->setGeometry(ToPixels(control.current));
  m_face->update();
}

void Calculator::ApplyWindowSize() {
  const QSize client(TwipsToPixels(m_windowWidth - kFrameWidthTwips), TwipsToPixels(m_windowHeight - kFrameHeightTwips));
  m_face->setFixedSize(client);
  setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
}

std::vector<QWidget*> Calculator::Controls() const {
  std::vector<QWidget*> widgets;
  for (const Control& control : m_controls) widgets.push_back(control.widget);
  return widgets;
}

TwipRect Calculator::ControlTwips(const QWidget* control) const {
  for (const Control& c : m_controls)
    if (c.widget == control) return c.current;
  return {};
}

TwipRect Calculator::DesignTwips(const QWidget* control) const {
  for (const Control& c : m_controls)
    if (c.widget == control) return c.design;
  return {};
}

void Calculator::StartUp() {
  Form_Load();
  show();
  FocusEqual();
}

// ---- What the engine reports ----------------------------------------------

void Calculator::Apply(const EngineOutcome& outcome) {
  // Every key and drop lands here once its change is made: the history keeps
  // the point before it.
  if (m_history) {
    m_history->Record(outcome.cleared);
    ShowUndoState();
  }
  for (int i = 0; i < outcome.beeps; ++i) Beep();
  // A message comes before the rest of the step shows (the division by zero
  // shows its box over the divisor, then the total).
  if (outcome.message) {
    const EngineMessage& m = *outcome.message;
    ShowCaptions(m.readout, m.actionLabel, m.label1);
    ShowMessage(m.text, m.title);
  }
  if (outcome.captionsChanged || outcome.message) CaptionsChanged();
  if (outcome.focusEqual) FocusEqual();
}

void Calculator::Beep() {
  if (m_beepHook)
    m_beepHook();
  else
    QApplication::beep();
  // Many desktops make no sound at all: every refusal is seen as well.
  FlashReadout();
}

void Calculator::FlashReadout() {
  if (m_flashPalette) return;  // already flashing
  // The display's own colours swapped, then back.
  m_flashPalette = m_readout->palette();
  QPalette flash = *m_flashPalette;
  flash.setColor(QPalette::Window, m_flashPalette->color(QPalette::WindowText));
  flash.setColor(QPalette::WindowText, m_flashPalette->color(QPalette::Window));
  m_readout->setPalette(flash);
  QTimer::singleShot(kRefusalFlashMs, this, [this, flash] {
    // A colour chosen meanwhile stays.
    if (m_flashPalette && m_readout->palette() == flash) m_readout->setPalette(*m_flashPalette);
    m_flashPalette.reset();
  });
}

void Calculator::ShowMessage(std::string_view text, std::string_view title) {
  // A topmost calculator would cover its own message box: lift it meanwhile.
  const bool onTop = windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  if (onTop) KeepOnTop(this, false);
  QMessageBox::warning(this, FromUtf8(title), FromUtf8(text));
  if (onTop) KeepOnTop(this, true);
  FocusEqual();
}

void Calculator::FocusEqual() {
  // The "=" key has the keyboard only while its window is the active one: a
  // memory window or the converter that took the activation gives it back.
  if (isVisible() && !isMinimized() && !isActiveWindow()) activateWindow();
  if (m_equal) m_equal->setFocus(Qt::OtherFocusReason);
  // What the user types now is written on the calculator's tape, so that is
  // the tape in view, whichever one a memory cell or the arrows showed last.
  ShowCalculatorTape();
}

void Calculator::ShowCalculatorTape() {
  TapeStore& tapes = m_session.Tapes();
  if (tapes.CurrentTape() == 0 && tapes.View().firstVisibleColumn == 0) return;
  Form_Activate();
}

void Calculator::CaptionsChanged() { ShowCaptions(m_engine.Readout(), m_engine.ActionLabel(), m_engine.Label1()); }

void Calculator::ShowCaptions(std::string_view readout, std::string_view actionLabel, std::string_view label1) {
  const QString shown = FromUtf8(readout);
  // Why a paste was refused holds only while the display still shows what it did then.
  if (shown != m_readout->text()) {
    m_readout->setToolTip({});
    if (m_refusalNote) m_refusalNote->hide();
  }
  SetAccessibleValueText(m_readout, shown);
  FitReadoutFont();
  SetAccessibleValueText(m_actionLabel, FromUtf8(actionLabel));
  SetAccessibleValueText(m_label1, FromUtf8(label1));
}

void Calculator::FitReadoutFont() {
  // A long entry or result shrinks until all of it shows: cutting either end
  // off would hide digits of the value.
  const ZoomLevel& zoom = ZoomedSmall() ? kZoom75 : kZoom100;
  const QMargins margins = m_readout->contentsMargins();
  const double room = TwipsToPixels(ControlTwips(m_readout).width) - margins.left() - margins.right();
  const QFont font = FitFontToWidth(DesignFont(zoom.readoutPointSize, zoom.readoutBold), m_readout->text(), room);
  if (m_readout->font() != font) m_readout->setFont(font);
}

// ---- TapeDockHost -------------------------------------------------------

TwipRect Calculator::CalculatorRect() const {
  // The frame as the window manager drew it, not the design's outer size:
  // the tape docks on what the user sees. Until the window manager has
  // framed the window only the client area is known; asking for the frame
  // sooner would also make Qt keep a frame of nothing until the next time
  // the window manager moves the window. The native window's frame is read:
  // the widget's own copy of it can lag behind.
  const QWindow* handle = windowHandle();
  return ToTwips(m_framed && handle ? handle->frameGeometry() : geometry());
}

bool Calculator::CalculatorMinimized() const { return windowState().testFlag(Qt::WindowMinimized); }

void Calculator::RaiseTapeAndCalculator() {
  if (Showing(m_tape)) KeepOnTop(m_tape, true);
  KeepOnTop(this, true);
}

void Calculator::TapeHiddenByUser() { m_menus->SetShowTape(false); }

// ---- Zoom and key display -----------------------------------------------

bool Calculator::ZoomedSmall() const { return m_windowWidth <= kZoomWidthThreshold; }

void Calculator::ZoomSmall_Click() {
  if (!ZoomedSmall()) {
    for (Control& control : m_controls) control.current = ZoomSmallRect(control.design);
    for (Control& control : m_controls) {
      if (control.widget != m_readout) continue;
      control.current.left = kZoom75.readoutLeft;
      control.current.width = kZoom75.readoutWidth;
    }
    m_menus->SetZoomSmall(true);
    m_windowWidth = kZoom75.windowWidth;
    m_windowHeight = Choices().showKeys ? kZoom75.heightWithKeys : kZoom75.heightWithoutKeys;
    PlaceControls();
    FitReadoutFont();
    ApplyWindowSize();
  }
  RedockTape();
}

void Calculator::ZoomLarge_Click() {
  if (ZoomedSmall()) {
    for (Control& control : m_controls) control.current = control.design;
    m_menus->SetZoomSmall(false);
    m_windowWidth = kZoom100.windowWidth;
    m_windowHeight = Choices().showKeys ? kZoom100.heightWithKeys : kZoom100.heightWithoutKeys;
    PlaceControls();
    FitReadoutFont();
    ApplyWindowSize();
  }
  RedockTape();
}

void Calculator::RedockTape() {
  if (Showing(m_tape)) m_tape->Form_Resize();
}

void Calculator::ShowKeys_Click() {
  bool show = false;
  if (ZoomedSmall()) {
    show = !Choices().showKeys;
    m_windowHeight = show ? kZoom75.heightWithKeys : kZoom75.heightWithoutKeys;
  } else {
    show = m_windowHeight == kZoom100.heightWithoutKeys;
    m_windowHeight = show ? kZoom100.heightWithKeys : kZoom100.heightWithoutKeys;
  }
  m_menus->SetShowKeys(show);
  // The keys stay where they are; the shorter window just does not reach them.
  ApplyWindowSize();
}

// ---- Tape window --------------------------------------------------------

void Calculator::mnuTape_Click() {
  if (Choices().showTape) {
    if (m_tape) m_tape->hide();
    m_menus->SetShowTape(false);
  } else {
    m_menus->SetShowTape(true);
    // The tape docks on the calculator's frame, which exists only once the
    // window manager has mapped the calculator: until then it waits.
    if (m_framed) ShowTape();
  }
}

void Calculator::ShowTape() {
  TapeWindow* tape = Tape();
  tape->show();
  tape->Form_Resize();
  KeepOnTop(tape, true);
  KeepOnTop(this, true);
}

TapeWindow* Calculator::Tape() {
  if (!m_tape) {
    m_tape = new TapeWindow(m_session.Tapes(), *this, this);
    m_tape->SetScrollButtonsVisible(m_memory->Model().TapeCount() >= 2);
    // The tape window's pop-up menu prints through whichever printer is set
    // then; its "Print Tape" prints the tape shown, the File menu's the
    // current one.
    m_tape->SetPrintCommands([this](int tape) { Printer().PrintTape(tape); }, [this] { Printer().PrintAllTapes(); });
    m_tape->SetPreviewCommand([this](int tape) { Printer().PreviewTape(tape); });
    // A value line is dragged like text from outside: the drop reads the
    // line's value as any other text, and the tape keeps the line.
    m_tape->SetLineDragCommand([](QWidget* source, QPoint press, QPoint current, const QString& value) {
      return StartValueDrag(source, press, current, value, DragSource::External());
    });
  }
  return m_tape;
}

bool Calculator::Showing(const QWidget* window) { return window && window->isVisible(); }

void Calculator::Form_Exposed() {
  m_framed = true;
  const TwipRect here = CalculatorRect();
  m_lastCalcLeft = here.left;
  m_lastCalcTop = here.top;
  if (Choices().showTape && !Showing(m_tape) && !isMinimized())
    ShowTape();
  else
    RedockTape();
}

// ---- Menu items that drive the engine or the window ---------------------

void Calculator::Circumference_Click() { Apply(m_engine.Circumference_Click()); }
void Calculator::CircArea_Click() { Apply(m_engine.CircArea_Click()); }
void Calculator::CylVolume_Click() { Apply(m_engine.CylVolume_Click()); }
void Calculator::mnuDiagonal_Click() { Apply(m_engine.mnuDiagonal_Click()); }
void Calculator::mnuStairs_Click() { Apply(m_engine.mnuStairs_Click()); }

void Calculator::Sixteen_Click() { ChooseAccuracy(kAccuracy16); }
void Calculator::thirtysecond_Click() { ChooseAccuracy(kAccuracy32); }

void Calculator::ChooseAccuracy(int accuracy) {
  m_accuracyToSave.reset();  // a choice from the menus is kept
  // The display keeps its text: the next result is written in the new accuracy.
  m_engine.SetAccuracy(accuracy);
  if (m_converter) m_converter->SetAccuracy(accuracy);
  m_menus->SetAccuracy(accuracy);
}

void Calculator::SetAccuracyForThisRun(int accuracy) {
  if (!IsAccuracy(accuracy)) return;
  const int saved = m_engine.Accuracy();
  ChooseAccuracy(accuracy);
  m_accuracyToSave = saved;
}

void Calculator::mnuPopup1Cancel_Click() {}

// ---- Clipboard and the keyboard's pop-up ----------------------------------

void Calculator::Copy_Click() {
  // The value as another program would take it: the display's padding blanks
  // are layout, not part of it.
  QGuiApplication::clipboard()->setText(FromUtf8(TrimBlanks(m_engine.Readout())));
  FocusEqual();
}

void Calculator::Paste_Click() {
  const QString text = QGuiApplication::clipboard()->text();
  const ValueOutcome outcome = m_engine.EnterValue(text.toStdString(), ValueRole::Entry, TextOrigin::Outside);
  Apply(outcome.feedback);
  if (outcome.result == ValueResult::Refused) {
    const QString trimmed = text.simplified();
    if (trimmed.isEmpty())
      RefuseText(QStringLiteral("Nothing pasted: the clipboard holds no text"));
    else if (trimmed.size() > kRefusedTextShown)
      RefuseText(QStringLiteral("Not a measurement: \u201c%1\u2026\u201d").arg(trimmed.left(kRefusedTextShown)));
    else
      RefuseText(QStringLiteral("Not a measurement: \u201c%1\u201d").arg(trimmed));
  }
  FocusEqual();
}

void Calculator::RefuseText(const QString& why) {
  m_readout->setToolTip(why);
  if (!m_refusalNote) {
    m_refusalNote = new QLabel(m_face);
    m_refusalNote->setObjectName(QStringLiteral("RefusalNote"));
    m_refusalNote->setAutoFillBackground(true);
    m_refusalNote->setFrameShape(QFrame::Box);
    m_refusalNote->setMargin(2);
    // A tooltip's colours, whatever colours the calculator wears.
    QPalette note = m_refusalNote->palette();
    note.setColor(QPalette::Window, QToolTip::palette().color(QPalette::ToolTipBase));
    note.setColor(QPalette::WindowText, QToolTip::palette().color(QPalette::ToolTipText));
    m_refusalNote->setPalette(note);
    m_refusalNote->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_refusalNote->setWordWrap(true);
    m_refusalNoteTimer = new QTimer(m_refusalNote);
    m_refusalNoteTimer->setSingleShot(true);
    connect(m_refusalNoteTimer, &QTimer::timeout, m_refusalNote, &QWidget::hide);
  }
  m_refusalNote->setText(why);
  m_refusalNote->setFixedWidth(m_readout->width());
  m_refusalNote->adjustSize();
  m_refusalNote->move(m_readout->geometry().bottomLeft() + QPoint(0, 1));
  m_refusalNote->show();
  m_refusalNote->raise();
  m_refusalNoteTimer->start(kRefusalReasonMs);
  FlashReadout();
}

void Calculator::CopyTape_Click() {
  Tape()->mnuPopup2CopyTape_Click();
  FocusEqual();
}

void Calculator::SaveTapeAs_Click() {
  Tape()->mnuPopup2SaveTapeAs_Click();
  FocusEqual();
}

void Calculator::ShowPopupAtDisplay() { Popup()->popup(m_readout->mapToGlobal(QPoint(0, m_readout->height()))); }

void Calculator::Undo_Click() {
  if (m_history && m_history->Undo()) {
    CaptionsChanged();
    FocusEqual();
  }
  ShowUndoState();
}

void Calculator::Redo_Click() {
  if (m_history && m_history->Redo()) {
    CaptionsChanged();
    FocusEqual();
  }
  ShowUndoState();
}

void Calculator::ShowUndoState() {
  m_menus->SetUndoRedo(m_history && m_history->CanUndo(), m_history && m_history->CanRedo());
}

// ---- Window events ------------------------------------------------------

void Calculator::Form_Activate() {
  TapeStore& tapes = m_session.Tapes();
  tapes.SelectTape(0, std::string(kCalculatorTapeName));
  tapes.ScrollTapeToEnd();
}

void Calculator::Form_Resize() {
  if (windowState().testFlag(Qt::WindowMinimized)) {
    if (m_tape) m_tape->hide();
    m_memory->HideContainer();
    if (m_converter) m_converter->hide();
  } else if (!windowState().testFlag(Qt::WindowMaximized)) {
    // The window manager may have iconified the companions along with the
    // calculator; shown while still marked minimized they would map iconic
    // and take the calculator down with them again.
    for (QWidget* companion : {static_cast<QWidget*>(m_memory->ContainerIfMade()),
                               static_cast<QWidget*>(m_converter), static_cast<QWidget*>(m_tape)})
      if (companion) companion->setWindowState(companion->windowState() & ~Qt::WindowMinimized);
    m_memory->RestoreContainer();
    if (Choices().converterShown) ConverterWindow()->show();
    if (Choices().showTape && m_framed) ShowTape();
  }
}

void Calculator::Form_DblClick() { ShowKeys_Click(); }

void Calculator::Form_MouseDown(Qt::MouseButton button, QPoint globalPos) {
  if (button == Qt::RightButton) Popup()->popup(globalPos);
}

void Calculator::FollowMove() {
  if (!m_framed || windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  const TwipRect here = CalculatorRect();
  if (here.left == m_lastCalcLeft && here.top == m_lastCalcTop) return;
  m_lastCalcLeft = here.left;
  m_lastCalcTop = here.top;
  if (m_tape) m_tape->FollowCalculator();
  FocusEqual();
}

void Calculator::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  FollowMove();
}

void Calculator::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) {
    Form_Resize();
    FollowMove();
  } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    Form_Activate();
  }
}

void Calculator::closeEvent(QCloseEvent* event) {
  // Form_QueryUnload: the close is never refused; the window goes first.
  hide();
  Form_Unload();
  event->accept();
}

bool Calculator::Form_KeyPress(QKeyEvent* event) {
  const QString text = event->text();
  const KeyAction action =
      MapKeyPress(event->key(), std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                    static_cast<std::size_t>(text.size())),
                  event->modifiers());
  switch (action.kind) {
    case KeyAction::Kind::None: return false;
    case KeyAction::Kind::Character: Apply(m_engine.KeyPress(action.code)); return true;
    case KeyAction::Kind::Pi: Apply(m_engine.Pi_Click()); return true;
    case KeyAction::Kind::Beep: Beep(); return true;
    case KeyAction::Kind::TapeLeft:
    case KeyAction::Kind::TapeRight:
      // The arrow keys reach the tape from the keypad too.
      if (Showing(m_tape)) return m_tape->Grid1_KeyDown(event->key());
      return false;
  }
  return false;
}

bool Calculator::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle()) {
    // The window manager has mapped the window in its frame: now the frame's
    // place and size are known, and the tape can dock on them.
    if (event->type() == QEvent::Expose && windowHandle()->isExposed()) Form_Exposed();
    return QMainWindow::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::KeyPress:
      if (Form_KeyPress(static_cast<QKeyEvent*>(event))) return true;
      break;
    case QEvent::KeyRelease:
      // A released space bar must not click the focused key as well.
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) return true;
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace mezura
