#include "tape/ui/tape_window.h"

#include <algorithm>

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QWindow>
#include <qdrawutil.h>

#include "tape/tape_export.h"
#include "tape/tape_line_value.h"
#include "tape/ui/design_metrics.h"
#include "tape/ui/tape_dock_host.h"
#include "tape/ui/tape_line_delegate.h"
#include "tape/ui/tape_table_model.h"
#include "tape/ui/window_system.h"

namespace mezura {

namespace {
// How close to the tape window's top edge a press starts a resize.
constexpr int kResizeEdgePixels = 5;

// Ctrl+C, and Ctrl+Insert, which the platform's copy binding does not
// always include.
bool IsCopyKey(const QKeyEvent& key) {
  return key.matches(QKeySequence::Copy) ||
         (key.key() == Qt::Key_Insert && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier);
}

// A rectangle in twips as pixels, edge by edge, so that the bottom edge that
// overlaps the calculator lands exactly where the rule puts it.
QRect EdgesToPixels(const TwipRect& r) {
  const int left = TwipsToPixels(r.left), top = TwipsToPixels(r.top);
  return {left, top, TwipsToPixels(r.left + r.width) - left, TwipsToPixels(r.top + r.height) - top};
}
}  // namespace

TapeWindow::TapeWindow(TapeStore& store, TapeDockHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint), m_store(store), m_host(host) {
  setObjectName(QStringLiteral("frmTape"));
  // Showing the tape must not take the keyboard from the calculator. It is
  // on top whenever it shows, so it is created so: on X11, Qt re-creates a
  // window whose stay-on-top hint changes before it is shown.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setWindowTitle(QString());
  // The window has no caption to read; a screen reader still needs a name.
  setAccessibleName(QStringLiteral("Tape"));
  setFont(DesignFont(8.25));
  // Where it cannot dock (Wayland), the tape keeps the usual frame for the
  // user to move it by; docked, the calculator's frame is its handle.
  if (!CanPlaceWindows()) setWindowFlag(Qt::CustomizeWindowHint, false);

  m_title = new QLabel(QString::fromStdString(store.View().title), this);
  m_title->setObjectName(QStringLiteral("Label1"));
  m_title->setAlignment(Qt::AlignCenter);
  m_title->setFont(DesignFont(8.25, true));

  m_model = new TapeTableModel(store, this);
  m_grid = new QTableView(this);
  m_grid->setObjectName(QStringLiteral("Grid1"));
  m_grid->setModel(m_model);
  m_grid->setAccessibleName(QStringLiteral("Tape: %1").arg(m_title->text()));
  m_grid->setFrameShape(QFrame::NoFrame);
  m_grid->setShowGrid(false);
  m_grid->setWordWrap(false);
  m_grid->setTextElideMode(Qt::ElideNone);
  m_grid->setItemDelegate(new TapeLineDelegate(m_grid));
  m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Several lines at once, for copying them.
  m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
  m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Always there, so that one column is exactly the width that is left.
  m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_grid->horizontalHeader()->hide();
  m_grid->verticalHeader()->hide();
  // Fixed sizes keep the view from measuring 32767 rows of text.
  const int rowPixels = TwipsToPixels(kTapeRowHeight);
  m_grid->verticalHeader()->setMinimumSectionSize(1);
  m_grid->verticalHeader()->setDefaultSectionSize(rowPixels);
  m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_grid->horizontalHeader()->setMinimumSectionSize(1);
  m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);

  static constexpr const char* kArrows[2] = {"\u25C0", "\u25B6"};  // the two pointing triangles
  for (int i = 0; i < 2; ++i) {
    auto* button = new QPushButton(QString::fromUtf8(kArrows[i]), this);
    button->setObjectName(QStringLiteral("cmdScrollTape(%1)").arg(i));
    button->setAccessibleName(i == 0 ? QStringLiteral("Previous tape") : QStringLiteral("Next tape"));
    button->setFont(DesignFont(6));
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    connect(button, &QPushButton::clicked, this, [this, i] { cmdScrollTape_Click(i); });
    m_scroll[i] = button;
  }

  m_popup = new QMenu(QStringLiteral("Popup2"), this);
  m_popup->setObjectName(QStringLiteral("mnuPopup2"));
  QAction* printTape = m_popup->addAction(QStringLiteral("Print Tape"));
  printTape->setObjectName(QStringLiteral("mnuPopup2PrintTape"));
  connect(printTape, &QAction::triggered, this, &TapeWindow::mnuPopup2PrintTape_Click);
  QAction* printAll = m_popup->addAction(QStringLiteral("Print All Tapes"));
  printAll->setObjectName(QStringLiteral("mnuPopup2PrintAllTapes"));
  connect(printAll, &QAction::triggered, this, &TapeWindow::mnuPopup2PrintAllTapes_Click);
  m_popup->addSeparator()->setObjectName(QStringLiteral("mnuPopup2Separator1"));
  QAction* copyTape = m_popup->addAction(QStringLiteral("Copy Tape"));
  copyTape->setObjectName(QStringLiteral("mnuPopup2CopyTape"));
  connect(copyTape, &QAction::triggered, this, &TapeWindow::mnuPopup2CopyTape_Click);
  QAction* saveTape = m_popup->addAction(QStringLiteral("Save Tape As..."));
  saveTape->setObjectName(QStringLiteral("mnuPopup2SaveTapeAs"));
  connect(saveTape, &QAction::triggered, this, &TapeWindow::mnuPopup2SaveTapeAs_Click);
  QAction* preview = m_popup->addAction(QStringLiteral("Print Preview..."));
  preview->setObjectName(QStringLiteral("mnuPopup2PrintPreview"));
  connect(preview, &QAction::triggered, this, &TapeWindow::mnuPopup2PrintPreview_Click);
  m_fileDialogs = DesktopTapeFileDialogs(this);

  m_grid->installEventFilter(this);
  m_grid->viewport()->installEventFilter(this);
  m_title->installEventFilter(this);
  m_title->setMouseTracking(true);  // the resize cursor over the top edge
  m_store.AddListener(this);

  // First placement: docked on the calculator, five rows high.
  Lay(kTapeStartHeight);
  ApplyView();
}

TapeWindow::~TapeWindow() { m_store.RemoveListener(this); }

void TapeWindow::Form_Resize() {
  if (m_host.CalculatorMinimized()) return;
  Lay(RequestedHeight());
}

void TapeWindow::FollowCalculator() {
  m_movingTape = true;
  Lay(RequestedHeight());
  m_movingTape = false;
}

double TapeWindow::RequestedHeight() const { return m_rows * kTapeRowHeight + ChromeTwips(); }

QMargins TapeWindow::WindowManagerFrame() const {
  // Nothing until the window manager has framed the window, and nothing at
  // all when it honours the request for no frame.
  return FrameMargins(*this);
}

QMargins TapeWindow::OwnEdges() const {
  // The window draws its own frame where the window manager draws none; the
  // bottom edge is the strip that overlaps the calculator, so the grid ends
  // on the calculator's top edge whatever frame the window manager adds.
  const QMargins wm = WindowManagerFrame();
  const int edge = TwipsToPixels(kTapeEdge);
  return {std::max(0, edge - wm.left()), std::max(0, edge - wm.top()), std::max(0, edge - wm.right()),
          std::max(0, edge - wm.bottom())};
}

double TapeWindow::ChromeTwips() const {
  const QMargins wm = WindowManagerFrame(), own = OwnEdges();
  return PixelsToTwips(wm.top() + own.top() + wm.bottom() + own.bottom()) + kTapeTitleHeight;
}

TwipRect TapeWindow::WorkAreaTwips() const {
  const TwipRect calc = m_host.CalculatorRect();
  const QPoint centre(TwipsToPixels(calc.left + calc.width / 2), TwipsToPixels(calc.top));
  const QScreen* screen = QGuiApplication::screenAt(centre);
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect area = screen->availableGeometry();
  return {static_cast<double>(PixelsToTwips(area.x())), static_cast<double>(PixelsToTwips(area.y())),
          static_cast<double>(PixelsToTwips(area.width())), static_cast<double>(PixelsToTwips(area.height()))};
}

void TapeWindow::Lay(double windowHeight) {
  // Our own move and resize come back as events; the guard swallows the ones
  // that arrive while the pass runs, and an event with the geometry we asked
  // for changes nothing, so the pass settles.
  if (m_inLayout) return;
  m_inLayout = true;

  const double chrome = ChromeTwips();
  m_rows = SnapTapeHeight(windowHeight, kTapeRowHeight, chrome).rows;
  // Where the compositor places windows the calculator's edge says nothing
  // about the room above it, so the rows are not cut to fit there.
  const TwipRect screen = CanPlaceWindows() ? WorkAreaTwips() : TwipRect{};
  const TapeDock dock = DockTapeOnScreen(m_host.CalculatorRect(), m_rows, kTapeRowHeight, screen, chrome);
  m_geometry = dock.rect;
  const double gridTwips = dock.rows * kTapeRowHeight;

  const QRect client = EdgesToPixels(m_geometry) - WindowManagerFrame();
  if (geometry() != client && client != m_requested) setGeometry(client);
  m_requested = client;

  const QMargins own = OwnEdges();
  const int innerWidth = std::max(1, client.width() - own.left() - own.right());
  const int titleHeight = TwipsToPixels(kTapeTitleHeight);
  const int gridHeight = TwipsToPixels(gridTwips);
  m_title->setGeometry(own.left(), own.top(), innerWidth, titleHeight);
  m_grid->setGeometry(own.left(), own.top() + titleHeight, innerWidth, gridHeight);
  const int scrollBar = m_grid->verticalScrollBar()->sizeHint().width();
  m_grid->horizontalHeader()->setDefaultSectionSize(std::max(1, innerWidth - scrollBar));
  const QSize arrow(TwipsToPixels(kTapeArrowWidth), TwipsToPixels(kTapeArrowHeight));
  m_scroll[0]->setGeometry(QRect(QPoint(own.left(), own.top()), arrow));
  m_scroll[1]->setGeometry(QRect(QPoint(own.left() + innerWidth - arrow.width(), own.top()), arrow));
  m_scroll[0]->raise();
  m_scroll[1]->raise();

  const bool heightChanged = m_store.View().visibleHeight != gridTwips;
  m_store.SetViewGeometry(gridTwips, kTapeRowHeight);
  // A taller or shorter grid keeps the newest line on its bottom row.
  if (heightChanged) m_store.ScrollTapeToEnd();
  ApplyView();
  if (!m_movingTape && isVisible()) m_host.RaiseTapeAndCalculator();
  m_inLayout = false;
}

void TapeWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (m_inLayout || m_host.CalculatorMinimized()) return;
  if (event->size() == m_requested.size()) {  // our own request arriving
    m_refusedSize = QSize();
    return;
  }
  // The same foreign size twice in a row: the window system will not take
  // ours, so stop asking rather than argue with it forever.
  if (event->size() == m_refusedSize) return;
  m_refusedSize = event->size();
  // The user (or the window system) resized the window: snap what it got.
  m_requested = QRect();
  const QMargins wm = WindowManagerFrame();
  Lay(PixelsToTwips(event->size().height() + wm.top() + wm.bottom()));
}

void TapeWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (m_inLayout || !isVisible() || m_host.CalculatorMinimized()) return;
  if (event->pos() == m_requested.topLeft()) {
    m_refusedPlace.reset();
    return;
  }
  // The window manager placed the window by its own rules (or the user
  // dragged it): it goes back onto the calculator, unless the window manager
  // insists on the same place again.
  if (m_refusedPlace == event->pos()) return;
  m_refusedPlace = event->pos();
  m_requested = QRect();
  Lay(RequestedHeight());
}

void TapeWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (QWindow* handle = windowHandle(); handle && !m_watchingHandle) {
    handle->installEventFilter(this);
    m_watchingHandle = true;
  }
}

void TapeWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // The window's own frame, where the window manager draws none.
  if (OwnEdges().isNull()) return;
  QPainter painter(this);
  qDrawWinPanel(&painter, rect(), palette(), false);
}

bool TapeWindow::Grid1_KeyDown(int key) {
  if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
  const int next = NextTapeColumn(m_store.CursorColumn(), m_store.ColumnCount(),
                                  key == Qt::Key_Left ? TapeStep::Left : TapeStep::Right);
  m_store.SelectTape(next, std::string(m_store.TapeName(next)));
  m_store.ScrollTapeToEnd();
  return true;
}

void TapeWindow::cmdScrollTape_Click(int index) {
  Grid1_KeyDown(index == 0 ? Qt::Key_Left : Qt::Key_Right);
  m_grid->setFocus();
}

void TapeWindow::Grid1_DblClick() { HideByUser(); }

void TapeWindow::Label1_DblClick() { HideByUser(); }

void TapeWindow::HideByUser() {
  hide();
  m_host.TapeHiddenByUser();
}

void TapeWindow::closeEvent(QCloseEvent* event) {
  // A close box or the window manager's close key hides the tape as a
  // double-click does, so that the menu's check marks follow.
  event->ignore();
  HideByUser();
}

void TapeWindow::SetScrollButtonsVisible(bool visible) {
  for (auto* button : m_scroll) button->setVisible(visible);
}

void TapeWindow::SetPrintCommands(std::function<void(int tape)> printTape, std::function<void()> printAllTapes) {
  m_printTape = std::move(printTape);
  m_printAllTapes = std::move(printAllTapes);
}

int TapeWindow::ShownTape() const {
  // The tape on screen, which is not always the write cursor's: a line
  // written to another tape moves the cursor and leaves the view alone.
  return m_store.View().firstVisibleColumn;
}

void TapeWindow::mnuPopup2PrintTape_Click() {
  if (m_printTape) m_printTape(ShownTape());
}

void TapeWindow::mnuPopup2PrintAllTapes_Click() {
  if (m_printAllTapes) m_printAllTapes();
}

void TapeWindow::SetPreviewCommand(std::function<void(int tape)> previewTape) {
  m_previewTape = std::move(previewTape);
}

void TapeWindow::mnuPopup2PrintPreview_Click() {
  if (m_previewTape) m_previewTape(ShownTape());
}

void TapeWindow::mnuPopup2CopyTape_Click() {
  QGuiApplication::clipboard()->setText(QString::fromStdString(TapeCopyText(m_store, ShownTape(), {})));
}

void TapeWindow::CopySelectedLines() {
  // A selection left on another tape (or dragged past the shown one) is not
  // what the user sees, so only the shown tape's rows count.
  const int tape = ShownTape();
  std::vector<int> rows;
  for (const QModelIndex& index : m_grid->selectionModel()->selectedIndexes())
    if (index.column() == tape) rows.push_back(index.row());
  QGuiApplication::clipboard()->setText(QString::fromStdString(TapeCopyText(m_store, tape, std::move(rows))));
}

void TapeWindow::mnuPopup2SaveTapeAs_Click() {
  const int tape = ShownTape();
  const std::string title(m_store.TapeName(tape));
  const TapeFileChoice choice =
      WithTapeFileSuffix(m_fileDialogs.saveFile(SuggestedTapePath(title, TapeFileFormat::Text)));
  if (choice.path.isEmpty()) return;
  const QString error = SaveTapeFile(m_store, tape, choice);
  if (!error.isEmpty()) m_fileDialogs.showError(error);
}

void TapeWindow::SetLineDragCommand(LineDrag drag) { m_lineDrag = std::move(drag); }

QString TapeWindow::LineDragValue(int row) const {
  const int tape = ShownTape();
  if (row < 0 || row > m_store.TapeRowCount(tape)) return {};
  const std::string_view previous = row > 0 ? m_store.Line(tape, row - 1) : std::string_view();
  const std::optional<std::string> value = TapeLineValueText(m_store.Line(tape, row), previous);
  return value ? QString::fromStdString(*value) : QString();
}

void TapeWindow::Grid1_MouseDown(Qt::MouseButton button, QPoint globalPos) {
  if (button == Qt::RightButton) m_popup->popup(globalPos);
}

void TapeWindow::TapeViewChanged() { ApplyView(); }

void TapeWindow::ApplyView() {
  const TapeView& view = m_store.View();
  m_title->setText(QString::fromStdString(view.title));
  m_grid->setAccessibleName(QStringLiteral("Tape: %1").arg(m_title->text()));
  // Rows appended just now are not yet in the scroll range; lay the view out
  // first so that the last line can be reached.
  m_grid->doItemsLayout();
  const QModelIndex current = m_grid->currentIndex();
  if (!current.isValid() || current.column() != view.firstVisibleColumn) {
    const QModelIndex cell = m_model->index(m_store.TapeRowCount(view.firstVisibleColumn), view.firstVisibleColumn);
    if (cell.isValid()) m_grid->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
  }
  m_grid->horizontalScrollBar()->setValue(view.firstVisibleColumn);
  m_grid->verticalScrollBar()->setValue(view.firstVisibleRow);
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle()) {
    // Mapped and framed by the window manager: the frame it really gave the
    // window is known now, and the layout accounts for it.
    if (event->type() == QEvent::Expose && windowHandle()->isExposed() &&
        !m_host.CalculatorMinimized())
      Lay(RequestedHeight());
    return QWidget::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::KeyPress:
      if (watched == m_grid) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Before the view's own copy, which takes only the current cell.
        if (IsCopyKey(*key)) {
          CopySelectedLines();
          return true;
        }
        if (Grid1_KeyDown(key->key())) return true;
      }
      break;
    case QEvent::FocusIn:
      // Grid1_GotFocus
      if (watched == m_grid && !m_movingTape && !m_host.CalculatorMinimized()) m_host.RaiseTapeAndCalculator();
      break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
      if (watched == m_grid->viewport() && m_linePress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonRelease || !(mouse->buttons() & Qt::LeftButton)) {
          m_linePress.reset();
        } else if (m_lineDrag) {
          const QString value = LineDragValue(m_linePressRow);
          const QPoint press = *m_linePress;
          m_linePress.reset();  // the drag runs to its end inside the call
          if (!value.isEmpty() && m_lineDrag(m_grid->viewport(), press, mouse->position().toPoint(), value))
            return true;
          if (!value.isEmpty()) m_linePress = press;  // not far enough yet
        }
      }
      if (watched == m_title) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int y = mouse->globalPosition().toPoint().y();
        if (m_resizeFromY && event->type() == QEvent::MouseMove) {
          // Dragging the top edge up makes the tape taller; the layout pass
          // snaps the height to whole rows and keeps the bottom docked.
          Lay(m_resizeStartHeight + PixelsToTwips(*m_resizeFromY - y));
        } else if (event->type() == QEvent::MouseButtonRelease) {
          m_resizeFromY.reset();
        }
        m_title->setCursor(m_resizeFromY || mouse->position().y() < kResizeEdgePixels ? Qt::SizeVerCursor
                                                                                     : Qt::ArrowCursor);
      }
      break;
    case QEvent::MouseButtonPress:
      if (watched == m_title) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && mouse->position().y() < kResizeEdgePixels) {
          m_resizeFromY = mouse->globalPosition().toPoint().y();
          m_resizeStartHeight = m_geometry.height;
          return true;
        }
      }
      // A right click opens the pop-up menu without moving the grid's
      // current cell, which is the write cursor the tapes are printed from.
      if (watched == m_grid->viewport()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
          // The selection goes on as usual; a move far enough drags the value.
          m_linePress = mouse->position().toPoint();
          m_linePressRow = m_grid->rowAt(m_linePress->y());
        }
        if (mouse->button() == Qt::RightButton) {
          Grid1_MouseDown(mouse->button(), mouse->globalPosition().toPoint());
          return true;
        }
      }
      break;
    case QEvent::MouseButtonDblClick:
      if (watched == m_grid->viewport()) {
        Grid1_DblClick();
        return true;
      }
      if (watched == m_title) {
        Label1_DblClick();
        return true;
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace mezura
