#include "memory/ui/memory_form.h"

#include <QPixmap>

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include "memory/memory_layout.h"
#include "memory/ui/accessible_value.h"
#include "memory/ui/memory_controller.h"
#include "memory/ui/value_label.h"
#include "measure/twips.h"
#include "tape/ui/design_metrics.h"

namespace mezura {
namespace {

constexpr int kLabelLeft = 270;
constexpr int kLabelHeight = 285;
// What a cell wears when the configured colours are not used.
constexpr ColourNumber kPlainBackground = 128 + 256 * 128 + 65536 * 128;

}  // namespace

MemoryForm::MemoryForm(MemoryController& controller, int number, QWidget* parent)
    : QMdiSubWindow(parent, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowCloseButtonHint),
      m_controller(controller),
      m_number(number),
      m_client(new QWidget),
      m_label(new ValueLabel(m_client)) {
  setObjectName(QStringLiteral("MemoryForm"));
  // Cells carry no icon; an empty QIcon would fall back to the program's.
  QPixmap blank(16, 16);
  blank.fill(Qt::transparent);
  setWindowIcon(QIcon(blank));
  m_client->setObjectName(QStringLiteral("MemoryFormClient"));
  mezura::SetBackground(m_client, kPlainBackground);
  m_label->setObjectName(QStringLiteral("Label1"));
  // A screen reader names the value by its cell, as the title bar does.
  MakeAccessibleValue(m_label, QStringLiteral("Memory"), QStringLiteral("The value held in this memory cell"));
  m_label->setFont(DesignFont(8.25, true));
  m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_label->setText(QStringLiteral("0."));
  mezura::SetBackground(m_label, kDefaultReadoutColour);
  m_label->setGeometry(TwipsToPixels(kLabelLeft), 0, TwipsToPixels(1575), TwipsToPixels(kLabelHeight));
  m_label->SetDragSource(DragSource::Cell(number));
  connect(this, &QWidget::windowTitleChanged, m_label, [this](const QString& title) {
    m_label->setAccessibleName(title.isEmpty() ? QStringLiteral("Memory") : title);
  });
  setWidget(m_client);
  // The model, not the window, holds the cell, so the window may go when closed.
  setAttribute(Qt::WA_DeleteOnClose);
  m_client->installEventFilter(this);
  m_label->installEventFilter(this);

  connect(m_label, &ValueLabel::doubleClicked, this, [this] { m_controller.Label1_DblClick(m_number); });
  connect(m_label, &ValueLabel::valueDropped, this,
          [this](const QMimeData* mime, int x) { m_controller.Label1_DragDrop(m_number, mime, x); });
}

void MemoryForm::SetValue(const QString& value) { SetAccessibleValueText(m_label, value); }

void MemoryForm::SetColours(ColourNumber background, ColourNumber readout) {
  SetBackground(background);
  SetReadoutColour(readout);
}

void MemoryForm::SetBackground(ColourNumber colour) { mezura::SetBackground(m_client, colour); }

void MemoryForm::SetReadoutColour(ColourNumber colour) { mezura::SetBackground(m_label, colour); }

void MemoryForm::SetActiveMark(bool active) {
  m_label->setFrameStyle(active ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
  m_label->setLineWidth(active ? 2 : 1);
}

void MemoryForm::SetLabelWidthTwips(int twips) {
  m_label->setGeometry(TwipsToPixels(kLabelLeft), 0, TwipsToPixels(twips), TwipsToPixels(kLabelHeight));
}

int MemoryForm::ValueTextWidthTwips() const {
  return PixelsToTwips(m_label->fontMetrics().horizontalAdvance(m_label->text()));
}

int MemoryForm::NeededHeightTwips() {
  QStyleOptionTitleBar option;
  option.titleBarFlags = Qt::SubWindow;
  QStyle* style = QApplication::style();
  const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, &option);
  const int frame = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr);
  return std::max(kCellHeight, PixelsToTwips(title + frame + TwipsToPixels(kLabelHeight) + frame));
}

void MemoryForm::resizeEvent(QResizeEvent* event) {
  QMdiSubWindow::resizeEvent(event);
  m_controller.Form_Resize(m_number);
}

void MemoryForm::closeEvent(QCloseEvent* event) {
  QMdiSubWindow::closeEvent(event);
  if (event->isAccepted()) m_controller.Form_Unload(m_number);
}

void MemoryForm::mousePressEvent(QMouseEvent* event) {
  // The title bar and the frame: the rest of the window reaches the filter.
  m_controller.CellPressed(m_number);
  QMdiSubWindow::mousePressEvent(event);
}

bool MemoryForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && (watched == m_client || watched == m_label))
    m_controller.CellPressed(m_number);
  if (watched == m_client) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        m_pressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
      case QEvent::MouseButtonRelease: {
        const bool click = m_pressed && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        m_pressed = false;
        m_controller.SelectCellTape(m_number);  // Form_MouseUp
        if (click) m_controller.Form_Click(m_number);
        break;
      }
      case QEvent::MouseButtonDblClick:
        m_pressed = false;
        m_controller.Form_DblClick(m_number);
        return true;
      default:
        break;
    }
  }
  return QMdiSubWindow::eventFilter(watched, event);
}

}  // namespace mezura
