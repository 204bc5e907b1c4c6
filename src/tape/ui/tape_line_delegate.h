#pragma once
// Draws the tape grid's lines whole: a line wider than its column is drawn in
// a smaller font until it fits, where the grid would cut it off with "…" and
// hide the last digits of a result. Its tooltip (from the model) is the line
// at full size.

#include <QStyledItemDelegate>

namespace mezura {

class TapeLineDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  /// The font line `index` is drawn in for `option`'s cell.
  QFont LineFont(const QStyleOptionViewItem& option, const QModelIndex& index) const;
};

}  // namespace mezura
