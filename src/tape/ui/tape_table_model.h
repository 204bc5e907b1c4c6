#pragma once
// The tape grid's model: a read-only view of the TapeStore's table (one column
// per tape, the shared row count). It copies no text: every cell is read from
// the store when the view asks, and only the display, tooltip and alignment
// roles are answered. As a TapeStoreListener it turns the store's changes into the
// narrowest model signals (one cell, appended rows or columns). Which tape is
// shown and where the view scrolls is the tape window's business.

#include <QAbstractTableModel>

#include "tape/tape_store.h"

namespace mezura {

class TapeTableModel : public QAbstractTableModel, public TapeStoreListener {
  Q_OBJECT

 public:
  explicit TapeTableModel(TapeStore& store, QObject* parent = nullptr);
  ~TapeTableModel() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // TapeStoreListener
  void TapeTableResized() override;
  void TapeLineChanged(int tape, int row) override;

 private:
  TapeStore& m_store;
  // The counts the view was last told about: the store changes before it
  // notifies, and the model's begin/end signals need the old counts.
  int m_rows = 0;
  int m_columns = 0;
};

}  // namespace mezura
