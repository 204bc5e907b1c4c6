#include "converter/ui/converter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <cmath>
#include <optional>

#include "memory/ui/accessible_value.h"
#include "memory/ui/value_drag.h"
#include "measure/twips.h"
#include "tape/ui/design_metrics.h"

namespace mezura {
namespace {

// The design sizes are outer sizes; the client area is what is left inside a
// nominal frame (the real frame differs by platform and is not known before
// the window is shown).
constexpr int kCaptionPixels = 19;
constexpr int kBorderPixels = 4;
constexpr int32_t kDesignWidthTwips = 1575 + kConverterLabelMargin;  // labels 1575 wide
constexpr int32_t kLabelLeft = 60;
constexpr int32_t kLabelHeight = 255;
// Label1, then lblLabel(2) to lblLabel(9) every 300 twips; the metric
// labels from lblLabel(7) on continue the column below the imperial ones.
constexpr int32_t kLabelTops[1 + kResultLabelCount] = {120, 420, 720, 1020, 1320, 1620, 1920, 2220, 2520};

int Pixels(double twips) { return TwipsToPixels(twips); }
int32_t Twips(int pixels) { return static_cast<int32_t>(PixelsToTwips(pixels)); }

int ClientHeightFor(int32_t outerHeightTwips) {
  return Pixels(outerHeightTwips) - kCaptionPixels - 2 * kBorderPixels;
}

}  // namespace

// On top whenever it shows, so created so (Qt re-creates an X11 window whose
// stay-on-top hint changes before it is shown).
Converter::Converter(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("Converter"));
  setWindowTitle(QStringLiteral("Converter"));
  // Shown from the calculator's menu, it leaves the keyboard there.
  setAttribute(Qt::WA_ShowWithoutActivating);
  // The converter carries no icon; an empty QIcon would fall back to the program's.
  QPixmap blank(16, 16);
  blank.fill(Qt::transparent);
  setWindowIcon(QIcon(blank));
  setAcceptDrops(true);

  setFont(DesignFont(8.25));
  const QFont labelFont = font();
  const QFont dropFont = DesignFont(8.25, true);

  m_label1 = new QLabel(this);
  m_label1->setObjectName(QStringLiteral("Label1"));
  m_label1->setFont(dropFont);
  m_label1->setAcceptDrops(true);
  m_label1->installEventFilter(this);
  for (size_t i = 0; i < m_results.size(); ++i) {
    QLabel* label = new QLabel(this);
    label->setObjectName(QStringLiteral("lblLabel(%1)").arg(kFirstResultLabel + static_cast<int>(i)));
    label->setFont(labelFont);
    label->installEventFilter(this);
    m_results[i] = label;
  }
  for (QLabel* label : findChildren<QLabel*>()) label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  MakeAccessibleValue(m_label1, QStringLiteral("Value to convert"), QStringLiteral("Drop a value here to convert it"));
  for (size_t i = 0; i < m_results.size(); ++i)
    MakeAccessibleValue(m_results[i], QStringLiteral("Conversion %1").arg(i + 1), QStringLiteral("The value in another unit"));

  SetConverterColor(m_converterColor);
  SetConvReadoutColor(m_convReadoutColor);
  SetConvResultColor(m_convResultColor);

  resize(Pixels(StartWidthTwips()) - 2 * kBorderPixels, Pixels(StartHeightTwips()) - kCaptionPixels - 2 * kBorderPixels);
  ShowModel();
  Form_Resize();
}

void Converter::SetConverterColor(ColourNumber colour) {
  m_converterColor = colour;
  SetBackground(this, colour);
}

void Converter::SetConvReadoutColor(ColourNumber colour) {
  m_convReadoutColor = colour;
  SetBackground(m_label1, colour);
}

void Converter::SetConvResultColor(ColourNumber colour) {
  m_convResultColor = colour;
  for (QLabel* label : m_results) SetBackground(label, colour);
}

// The saved place is the client area's top-left: the frame's is not known
// until the window manager has framed the window, so a place read and
// restored through the frame drifts by the title bar on every start.
int32_t Converter::LeftTwips() const { return Twips(geometry().left()); }
int32_t Converter::TopTwips() const { return Twips(geometry().top()); }
int32_t Converter::WidthTwips() const { return Twips(width() + 2 * kBorderPixels); }
int32_t Converter::HeightTwips() const { return Twips(height() + kCaptionPixels + 2 * kBorderPixels); }
int32_t Converter::StartWidthTwips() { return Twips(Pixels(kDesignWidthTwips)); }
int32_t Converter::StartHeightTwips() { return Twips(Pixels(ConverterModel().HeightTwips())); }

void Converter::MoveTwips(int32_t left, int32_t top) {
  setGeometry(QRect(QPoint(Pixels(left), Pixels(top)), size()));
}

void Converter::ShowBeside(const QWidget* calculator) {
  const QRect calc = calculator->frameGeometry();
  const QScreen* screen = calculator->screen();
  const QRect area = screen ? screen->geometry() : QRect(0, 0, 0, 0);
  const ConverterPlacement place = PlaceConverterBeside(
      Twips(calc.left()), Twips(calc.top()), Twips(calc.width()), Twips(area.left()),
      Twips(area.width()), WidthTwips());
  // Beside the calculator means frame to frame, top-aligned.
  move(Pixels(place.left), Pixels(place.top));
  show();
  raise();
}

void Converter::Label1_DragDrop(const QString& text) {
  m_model.Drop(text.toStdString(), m_accuracy);
  ShowModel();
  ApplyHeight();
}

void Converter::Beep() {
  if (m_beep)
    m_beep();
  else
    QApplication::beep();
}

void Converter::Form_DblClick() {
  m_model.ToggleCollapsed();
  ApplyHeight();
}

void Converter::Label1_DblClick() {
  m_model.Clear();
  ShowModel();
  ApplyHeight();
}

void Converter::Form_Resize() {
  const int labelWidth = Pixels(ConverterLabelWidth(WidthTwips()));
  m_label1->setGeometry(Pixels(kLabelLeft), Pixels(kLabelTops[0]), labelWidth, Pixels(kLabelHeight));
  for (size_t i = 0; i < m_results.size(); ++i)
    m_results[i]->setGeometry(Pixels(kLabelLeft), Pixels(kLabelTops[i + 1]), labelWidth, Pixels(kLabelHeight));
  ApplyHeight();
}

void Converter::ShowModel() {
  SetAccessibleValueText(m_label1, QString::fromStdString(m_model.DropCaption()));
  for (size_t i = 0; i < m_results.size(); ++i)
    SetAccessibleValueText(m_results[i],
                           QString::fromStdString(m_model.ResultCaption(kFirstResultLabel + static_cast<int>(i))));
}

void Converter::ApplyHeight() {
  // The user may change the width, never the height.
  const int height = ClientHeightFor(m_model.HeightTwips());
  if (minimumHeight() != height || maximumHeight() != height) setFixedHeight(height);
}

bool Converter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_label1) {
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove: {
        // Any text is taken over the label: whether it is a value is told
        // at the drop, with a beep when it is not.
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (CarriesValue(drag->mimeData())) {
          drag->acceptProposedAction();
        } else {
          drag->ignore();
        }
        return true;
      }
      case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (const auto drag = DecodeValueDrag(drop->mimeData())) {
          drop->acceptProposedAction();
          Label1_DragDrop(QString::fromStdString(drag->text));
        } else {
          drop->ignore();
          if (CarriesValue(drop->mimeData())) Beep();
        }
        return true;
      }
      case QEvent::MouseButtonDblClick:
        Label1_DblClick();
        return true;
      default:
        break;
    }
  } else if (event->type() == QEvent::MouseButtonDblClick) {
    return true;  // a result label's double-click is its own and does nothing
  }
  return QWidget::eventFilter(watched, event);
}

void Converter::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  Form_DblClick();
}

void Converter::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void Converter::closeEvent(QCloseEvent* event) {
  // Only the user's close hides the window; a close the program asks for
  // (quitting) must go through, or it would cancel the quit.
  if (!event->spontaneous()) {
    QWidget::closeEvent(event);
    return;
  }
  event->ignore();
  hide();
  emit closedByUser();
}

void Converter::dragEnterEvent(QDragEnterEvent* event) {
  if (CarriesValue(event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void Converter::dragMoveEvent(QDragMoveEvent* event) {
  if (CarriesValue(event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void Converter::dropEvent(QDropEvent* event) {
  event->ignore();  // only the drop label converts; the source keeps its value
}

}  // namespace mezura
