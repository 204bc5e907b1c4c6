// The calculator window's side of its companions: the memory cells and their
// container, the converter, the tape printer, help and About, the memory
// files, the settings read at start and written at the end, and the colour
// menu. Each companion does its own work; this file only decides when, from
// which menu item, and with which of the calculator's settings. A companion
// that does not show at start (the converter, the memory container, the
// printer) is made when it is first needed, so that starting costs only what
// the start shows.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include "app/calculator.h"
#include "app/calculator_face.h"
#include "app/help/help_window.h"
#include "app/help/shell_commands.h"
#include "app/keep_on_top.h"
#include "app/session.h"
#include "converter/ui/converter.h"
#include "memory/ui/mdi_form1.h"
#include "memory/ui/memory_controller.h"
#include "memory/ui/value_label.h"
#include "storage/io/kept_cells.h"
#include "memory/undo_history.h"
#include "storage/io/memory_file_io.h"
#include "storage/io/settings_store.h"
#include "tape/ui/design_metrics.h"
#include "tape/ui/tape_printer.h"
#include "tape/ui/tape_window.h"

namespace mezura {

namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void Calculator::BuildCompanions() {
  m_dialogs = DesktopDialogs(this);

  m_memory = std::make_unique<MemoryController>(m_engine, m_session.Tapes());
  m_memory->SetDialogParent(this);
  m_memory->SetTapeArrowsHandler([this](bool visible) {
    if (m_tape) m_tape->SetScrollButtonsVisible(visible);
  });
  m_memory->SetFeedbackHandler([this](const EngineOutcome& outcome) { Apply(outcome); });
  m_history = std::make_unique<UndoHistory>(m_engine, m_memory->Model());
  m_memory->SetKeepCalculatorOnTopHandler([this](bool onTop) { KeepOnTop(this, onTop); });
  m_memory->SetContainerStateHandler([this](Qt::WindowStates state) { RestackAroundContainer(state); });
  // A click on a cell makes it the active one and its window the active window.
  const std::vector<QAction*>& keys = m_menus->MemoryKeyActions();
  m_memory->SetContainerActions(QList<QAction*>(keys.begin(), keys.end()));

  auto* readout = static_cast<ValueLabel*>(m_readout);
  readout->SetDragImageRule([this](int x) { return m_memory->Transfers().ReadoutDragImage(x, 0, m_readout->width()); });
  connect(readout, &ValueLabel::valueDropped, this, [this](const QMimeData* mime, int x) { Readout_DragDrop(mime, x); });

  m_commands = std::make_unique<ShellCommands>(this);
  m_commands->liftTopmost = [this] { LiftTopmost(); };
  m_commands->restoreTopmost = [this] { RestoreTopmost(); };
}

void Calculator::SetPrinter(std::unique_ptr<TapePrinter> printer) { m_printer = std::move(printer); }

TapePrinter& Calculator::Printer() {
  if (!m_printer) m_printer = std::make_unique<TapePrinter>(m_session.Tapes(), this);
  return *m_printer;
}

Converter* Calculator::ConverterWindow() {
  if (!m_converter) {
    m_converter = new Converter(this);
    m_converter->SetAccuracy(m_engine.Accuracy());
    m_converter->SetBeeper([this] { Beep(); });
    if (m_converterPlace) m_converter->MoveTwips(m_converterPlace->x(), m_converterPlace->y());
    connect(m_converter, &Converter::closedByUser, this, [this] { m_menus->SetConverterShown(false); });
    // Every target wears its colour again, the converter's three among them.
    for (int i = 0; i < kColourCount; ++i) WearColour(i);
  }
  return m_converter;
}

// ---- Settings -------------------------------------------------------------

SettingsContext Calculator::CurrentSettingsContext() const {
  SettingsContext context;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    context.screenWidth = PixelsToTwips(area.width());
    context.screenHeight = PixelsToTwips(area.height());
  }
  context.calcWidth = static_cast<int32_t>(m_windowWidth);
  context.calcHeight = static_cast<int32_t>(m_windowHeight);
  context.convWidth = m_converter ? m_converter->WidthTwips() : Converter::StartWidthTwips();
  context.convHeight = m_converter ? m_converter->HeightTwips() : Converter::StartHeightTwips();
  const TwipRect container = m_memory->ContainerGeometry();
  context.mdiWidth = WholeTwips(container.width);
  context.mdiHeight = WholeTwips(container.height);
  for (const QScreen* screen : QGuiApplication::screens())
    context.screens.push_back(ToTwips(screen->availableGeometry()));
  return context;
}

void Calculator::Form_Load() {
  const SettingsContext context = CurrentSettingsContext();
  SettingsStore* store = m_session.Settings();
  ApplySettings(store ? store->Load(context) : DefaultSettings(context));
  // A settings file set aside is told once, when the event loop runs: the
  // start-up shows the window first.
  if (const QString notice = store ? store->TakeStartNotice() : QString(); !notice.isEmpty())
    QTimer::singleShot(0, this, [this, notice] { m_dialogs.inform(notice); });
  LoadKeptCells();
}

void Calculator::ApplySettings(const Settings& settings) {
  m_memory->MoveContainer(settings.mdiLeft, settings.mdiTop);

  WearColours(settings);

  PlaceClientAt(*this, settings.calcLeft, settings.calcTop);
  // A window restored to its saved place does not count as moved.
  const TwipRect here = CalculatorRect();
  m_lastCalcLeft = here.left;
  m_lastCalcTop = here.top;

  const DisplayChoices& chosen = settings.choices;
  if (chosen.zoomSmall) ZoomSmall_Click();
  ChooseAccuracy(chosen.accuracy);
  if (chosen.converterShown && !Choices().converterShown) mnuConverter_Click();
  if (!chosen.showKeys) ShowKeys_Click();
  KeepOnTop(this, true);
  if (chosen.showTape && !Choices().showTape) mnuTape_Click();
  m_menus->SetKeepCells(chosen.keepCells);
  m_session.Tapes().SetCurrentTape(0);
  // The converter goes to its place now if it was shown, else when it is made.
  m_converterPlace = QPoint(settings.convLeft, settings.convTop);
  if (m_converter) m_converter->MoveTwips(settings.convLeft, settings.convTop);
  FocusEqual();
}

Settings Calculator::CurrentSettings() const {
  Settings s;
  s.choices = Choices();
  // An accuracy given for this run only is not the user's setting.
  if (m_accuracyToSave) s.choices.accuracy = *m_accuracyToSave;
  const QPoint here = ClientPlaceTwips(*this);
  s.calcTop = here.y();
  s.calcLeft = here.x();
  // A converter never made is where the settings put it; never placed, at 0, 0.
  const QPoint converter = m_converter ? QPoint(m_converter->LeftTwips(), m_converter->TopTwips())
                                       : m_converterPlace.value_or(QPoint());
  s.convTop = converter.y();
  s.convLeft = converter.x();
  const TwipRect container = m_memory->ContainerGeometry();
  s.mdiTop = WholeTwips(container.top);
  s.mdiLeft = WholeTwips(container.left);
  for (int i = 0; i < kColourCount; ++i) s.*kColourTargets[i].setting = m_colours[i];
  return s;
}

void Calculator::Form_Unload() {
  if (m_unloaded) return;
  m_unloaded = true;
  QString settingsError;
  if (SettingsStore* store = m_session.Settings()) settingsError = store->Save(CurrentSettings());
  const QString keptError = SaveKeptCells();
  m_memory->EraseAll();
  if (m_converter) m_converter->hide();
  if (m_tape) m_tape->hide();
  if (HelpWindow* help = m_commands->Help()) help->close();
  // Told once, after the topmost companions are gone so that none covers it.
  if (!settingsError.isEmpty()) m_dialogs.inform(settingsError);
  if (!keptError.isEmpty()) m_dialogs.inform(keptError);
}

// ---- Colours --------------------------------------------------------------

// In the order of the colour menu. The calculator's window is redrawn with
// its new background, sunken edge included; memory cells opened later take
// their colours from the memory controller.
const Calculator::ColourTarget Calculator::kColourTargets[kColourCount] = {
    {&Settings::calcBackground, [](Calculator& c, ColourNumber n) { SetBackground(c.m_face, n); }},
    {&Settings::readoutBackground, [](Calculator& c, ColourNumber n) { SetBackground(c.m_readout, n); }},
    {&Settings::memoryBackground, [](Calculator& c, ColourNumber n) { c.m_memory->SetMemoryBackground(n); }},
    {&Settings::memoryReadout, [](Calculator& c, ColourNumber n) { c.m_memory->SetMemoryReadout(n); }},
    {&Settings::converterColor,
     [](Calculator& c, ColourNumber n) { if (c.m_converter) c.m_converter->SetConverterColor(n); }},
    {&Settings::convReadout,
     [](Calculator& c, ColourNumber n) { if (c.m_converter) c.m_converter->SetConvReadoutColor(n); }},
    {&Settings::convResult,
     [](Calculator& c, ColourNumber n) { if (c.m_converter) c.m_converter->SetConvResultColor(n); }},
};

void Calculator::WearColours(const Settings& settings) {
  for (int i = 0; i < kColourCount; ++i) {
    m_colours[i] = settings.*kColourTargets[i].setting;
    WearColour(i);
  }
}

void Calculator::WearColour(int index) { kColourTargets[index].wear(*this, m_colours[index]); }

void Calculator::mnuColor_Click(int index) {
  if (index < 0 || index >= kColourCount) return;
  const std::optional<QColor> chosen = m_dialogs.chooseColour();
  if (!chosen) return;
  m_colours[index] = ToColourNumber(*chosen);
  WearColour(index);
  FocusEqual();
}

// ---- Memory cells -----------------------------------------------------------

void Calculator::NewMemory_Click() { m_memory->NewMemory(); }
void Calculator::NamedMemory_Click() { m_memory->NamedMemory(); }
void Calculator::mnuArrangeMemory_Click() { m_memory->Arrange(); }
// Like Clear on the calculator, these end what can be undone.
void Calculator::ClearMemory_Click() {
  m_memory->ClearAll();
  m_history->Restart();
  ShowUndoState();
}
void Calculator::EraseMemory_Click() {
  m_memory->EraseAll();
  m_history->Restart();
  ShowUndoState();
}

void Calculator::mnuMemoryAdd_Click() { DisplayToActiveCell(false); }
void Calculator::mnuMemorySubtract_Click() { DisplayToActiveCell(true); }

void Calculator::DisplayToActiveCell(bool subtract) {
  m_memory->DisplayToActiveCell(m_readout->text(), subtract);
  // Typed from the calculator, the next keys write on its tape: that one stays
  // in view (the cell shows its new value). From the memory window, the cell's
  // tape does.
  if (isActiveWindow()) ShowCalculatorTape();
}

void Calculator::mnuMemoryRecall_Click() {
  Apply(m_memory->RecallActiveCell().feedback);
  FocusEqual();
}

void Calculator::mnuKeepCells_Click() { m_menus->SetKeepCells(!Choices().keepCells); }

void Calculator::Readout_DragDrop(const QMimeData* mime, int x) {
  Apply(m_memory->DropOnReadout(mime, x, 0, m_readout->width()).feedback);
  FocusEqual();
}

void Calculator::RestackAroundContainer(Qt::WindowStates state) {
  if (state.testFlag(Qt::WindowMinimized)) return;
  // A maximized container would cover the calculator: it steps down while
  // the calculator and its visible companions stay above it.
  KeepOnTop(m_memory->Container(), !state.testFlag(Qt::WindowMaximized));
  if (Showing(m_converter)) KeepOnTop(m_converter, true);
  if (Showing(m_tape)) KeepOnTop(m_tape, true);
  KeepOnTop(this, true);
  FocusEqual();
}

// ---- Memory files -----------------------------------------------------------

QString Calculator::FileDialogFolder() const {
  // The program's own folder is read-only once installed: start where the
  // last memory file was, else in the user's documents.
  if (!m_memoryFileName.isEmpty()) return QFileInfo(m_memoryFileName).absolutePath();
  // A documents folder that does not exist would be taken for a file name.
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool Calculator::ConfirmOpenErasesCells() {
  return m_memory->Model().NextMemoryNumber() <= 1 ||
         m_dialogs.confirm(
             QStringLiteral("Existing memory and memory tapes will be erased. Are you sure you want to continue?"));
}

void Calculator::mnuOpen_Click() {
  if (!ConfirmOpenErasesCells()) return;
  const QString chosen = m_dialogs.openFile(FileDialogFolder());
  if (chosen.isEmpty()) return;
  LoadChosenMemoryFile(chosen);
}

void Calculator::OpenMemoryFile(const QString& path) {
  if (!ConfirmOpenErasesCells()) return;
  const QFileInfo file(path);
  if (!file.exists()) {
    m_dialogs.inform(QStringLiteral("%1 could not be found.").arg(QDir::toNativeSeparators(file.absoluteFilePath())));
  } else if (file.isDir()) {
    m_dialogs.inform(QStringLiteral("%1 is a folder, not a memory file.").arg(QDir::toNativeSeparators(file.absoluteFilePath())));
  } else {
    LoadChosenMemoryFile(file.absoluteFilePath());
  }
  FocusEqual();
}

void Calculator::LoadChosenMemoryFile(const QString& path) {
  // A refused file must not become the file "&Save" writes to: that would
  // overwrite someone else's document with memory cells without asking.
  const QString previous = m_memoryFileName;
  m_memoryFileName = path;
  if (!LoadMemoryFile()) m_memoryFileName = previous;
}

bool Calculator::LoadMemoryFile() {
  const MemoryFileReadResult result = MemoryFileIo::Load(m_memoryFileName);
  const QString fileName = QFileInfo(m_memoryFileName).fileName();
  switch (result.status) {
    case MemoryFileStatus::Missing:
      return true;
    case MemoryFileStatus::NotAMemoryFile:
    case MemoryFileStatus::Unreadable:
      // Refused before anything is erased: the cells the user has stay.
      m_dialogs.inform(QStringLiteral("%1 could not be opened as a memory file.\n%2")
                           .arg(fileName, FromUtf8(result.reason)));
      return false;
    case MemoryFileStatus::Ok:
    case MemoryFileStatus::Incomplete:
      break;
  }
  ShowFileCells(result.data, QString::fromStdString(MemoryFileCaption(m_memoryFileName.toStdString())));
  FocusEqual();
  if (result.status == MemoryFileStatus::Incomplete)
    m_dialogs.inform(QStringLiteral("%1 was incomplete: only the cells it holds in full were loaded.\n%2")
                         .arg(fileName, FromUtf8(result.reason)));
  return true;
}

void Calculator::ShowFileCells(const MemoryFileData& file, const QString& caption) {
  // Whatever the file says, the container starts on a screen and fits it,
  // title bar included. The file keeps where the contents start; the frame
  // around them is the container's, or, before it has one, like the
  // calculator's (the same window manager draws both).
  QMargins frame = FrameMargins(*m_memory->Container());
  if (frame.isNull()) frame = FrameMargins(*this);
  const int frameLeft = PixelsToTwips(frame.left()), frameTop = PixelsToTwips(frame.top());
  TwipRect inFile;
  inFile.left = file.left - frameLeft;
  inFile.top = file.top - frameTop;
  inFile.width = file.width;
  inFile.height = file.height;
  TwipRect container = FitOnScreens(inFile, kDefaultMdiLeft - frameLeft, kDefaultMdiTop - frameTop,
                                    CurrentSettingsContext());
  container.left += frameLeft;
  container.top += frameTop;
  m_memory->LoadCells(file.cells, file.memoryWidth, container, caption);
  // Cells read from a file may take the numbers of the ones they replaced:
  // no earlier value may be put back on them.
  if (m_history) m_history->Restart();
  ShowUndoState();
}

void Calculator::LoadKeptCells() {
  KeptCells* kept = m_session.Kept();
  if (!kept || !Choices().keepCells) return;
  const KeptCells::Loaded loaded = kept->Load();
  // Like a file opened, except that it does not become the file "&Save"
  // writes to: that stays a file the user chose.
  if (loaded.data && !loaded.data->cells.empty()) ShowFileCells(*loaded.data, tr("Memory"));
  if (!loaded.notice.isEmpty())
    QTimer::singleShot(0, this, [this, notice = loaded.notice] { m_dialogs.inform(notice); });
}

QString Calculator::SaveKeptCells() {
  KeptCells* kept = m_session.Kept();
  // Off: the file of an earlier session stays as it is.
  if (!kept || !Choices().keepCells) return {};
  // No cells are kept as none, so that cells erased do not come back.
  return kept->Save(CellsAsFile());
}

void Calculator::mnuSave_Click() {
  if (m_memory->Model().TapeCount() <= 1) return;
  if (m_memoryFileName.isEmpty())
    mnuSaveAs_Click();
  else
    SaveMemoryFile();
}

void Calculator::mnuSaveAs_Click() {
  if (m_memory->Model().TapeCount() <= 1) return;
  const QString chosen = m_dialogs.saveFile(FileDialogFolder());
  if (chosen.isEmpty()) return;
  m_memoryFileName = chosen;
  SaveMemoryFile();
}

MemoryFileData Calculator::CellsAsFile() const {
  MemoryFileData file;
  const TwipRect container = m_memory->ContainerGeometry();
  file.left = WholeTwips(container.left);
  file.top = WholeTwips(container.top);
  file.width = WholeTwips(container.width);
  file.height = WholeTwips(container.height);
  file.memoryWidth = static_cast<int16_t>(m_memory->Model().MemoryWidth());
  file.cells = m_memory->Model().Cells();
  return file;
}

void Calculator::SaveMemoryFile() {
  const QString error = MemoryFileIo::Save(m_memoryFileName, CellsAsFile());
  if (!error.isEmpty()) m_dialogs.inform(error);
  FocusEqual();
}

// ---- Converter --------------------------------------------------------------

void Calculator::mnuConverter_Click() {
  if (!m_converter || m_converter->isHidden()) {
    ConverterWindow()->ShowBeside(this);
    m_menus->SetConverterShown(true);
    KeepOnTop(m_converter, true);
  } else {
    m_converter->hide();
    m_menus->SetConverterShown(false);
  }
  FocusEqual();
}

// ---- Printing, help, About, Exit ---------------------------------------------

void Calculator::mnuPrint_Click() { Printer().PrintCurrentTape(); }
void Calculator::mnuPrintAll_Click() { Printer().PrintAllTapes(); }

void Calculator::Exit_Click() { m_commands->Exit_Click(); }
void Calculator::mnuHelpContents_Click() { m_commands->mnuHelpContents_Click(); }
void Calculator::mnuAbout_Click() { m_commands->mnuAbout_Click(); }

void Calculator::LiftTopmost() {
  if (Showing(m_tape)) KeepOnTop(m_tape, false);
  if (Showing(m_converter)) KeepOnTop(m_converter, false);
  if (Showing(m_memory->ContainerIfMade())) KeepOnTop(m_memory->ContainerIfMade(), false);
  KeepOnTop(this, false);
}

void Calculator::RestoreTopmost() {
  if (Showing(m_tape)) KeepOnTop(m_tape, true);
  KeepOnTop(this, true);
  if (Showing(m_converter)) KeepOnTop(m_converter, true);
  if (Showing(m_memory->ContainerIfMade())) KeepOnTop(m_memory->ContainerIfMade(), true);
  FocusEqual();
}

}  // namespace mezura
