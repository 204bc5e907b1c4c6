#include "tape/ui/tape_line_delegate.h"

#include <QApplication>
#include <QStyle>

#include "tape/ui/design_metrics.h"

namespace mezura {

QFont TapeLineDelegate::LineFont(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QWidget* widget = item.widget;
  const QStyle* style = widget ? widget->style() : QApplication::style();
  // The style keeps this much clear of the cell's edges on either side.
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
  return FitFontToWidth(item.font, item.text, item.rect.width() - 2 * margin);
}

void TapeLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  item.font = LineFont(option, index);
  item.fontMetrics = QFontMetrics(item.font);
  item.textElideMode = Qt::ElideNone;
  const QWidget* widget = item.widget;
  const QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
}

}  // namespace mezura
