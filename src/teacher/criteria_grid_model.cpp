#include "teacher/criteria_grid_model.h"

#include <QColor>

#include "teacher/criteria_grid.h"

int CriteriaGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.rowCount() + 1;
}

int CriteriaGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : CriteriaGrid::kColumns;
}

QVariant CriteriaGridModel::data(const QModelIndex& index, int role) const {
  const int row = index.row();
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return grid_.text(row, column);
    case Qt::FontRole:
      return row == 0 && hasHeadingFont_ ? QVariant(headingFont_) : QVariant();
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
      if (grid_.isFixed(row, column)) return QColor(215, 215, 215);
      if (grid_.isEdited(row, column)) return QColor(255, 255, 0);
      if (grid_.isSelected(row, column)) return QColor(190, 215, 245);
      return QVariant();
    default:
      return QVariant();
  }
}

void CriteriaGridModel::setHeadingFont(const QFont& font) {
  headingFont_ = font;
  hasHeadingFont_ = true;
  emit dataChanged(index(0, 0), index(0, columnCount() - 1), {Qt::FontRole});
}

void CriteriaGridModel::reload() {
  beginResetModel();
  endResetModel();
}

void CriteriaGridModel::refresh() {
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}
