#include "tape/ui/tape_table_model.h"

namespace mezura {

TapeTableModel::TapeTableModel(TapeStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_rows(store.RowCount()), m_columns(store.ColumnCount()) {
  m_store.AddListener(this);
}

TapeTableModel::~TapeTableModel() { m_store.RemoveListener(this); }

int TapeTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int TapeTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_columns; }

QVariant TapeTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  // The tooltip is the whole line, for a long one drawn small to fit.
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
    const std::string_view line = m_store.Line(index.column(), index.row());
    if (line.empty()) return {};
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
  }
  // A screen reader reads the line without the blanks that align it.
  if (role == Qt::AccessibleTextRole) {
    const std::string_view line = m_store.Line(index.column(), index.row());
    if (line.empty()) return {};
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())).trimmed();
  }
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  return {};
}

void TapeTableModel::TapeTableResized() {
  const int rows = m_store.RowCount();
  const int columns = m_store.ColumnCount();
  if (rows == m_rows && columns == m_columns) {
    // Same shape: a tape was opened again in a column it already had, so its
    // old cells may read differently now.
    if (m_rows > 0 && m_columns > 0) emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1), {Qt::DisplayRole});
    return;
  }
  if (columns < m_columns) {
    beginRemoveColumns({}, columns, m_columns - 1);
    m_columns = columns;
    endRemoveColumns();
  } else if (columns > m_columns) {
    beginInsertColumns({}, m_columns, columns - 1);
    m_columns = columns;
    endInsertColumns();
  }
  if (rows > m_rows) {
    beginInsertRows({}, m_rows, rows - 1);
    m_rows = rows;
    endInsertRows();
  } else if (rows < m_rows) {
    beginRemoveRows({}, rows, m_rows - 1);
    m_rows = rows;
    endRemoveRows();
  }
}

void TapeTableModel::TapeLineChanged(int tape, int row) {
  if (tape < 0 || tape >= m_columns || row < 0 || row >= m_rows) return;
  const QModelIndex cell = index(row, tape);
  emit dataChanged(cell, cell, {Qt::DisplayRole});
}

}  // namespace mezura
