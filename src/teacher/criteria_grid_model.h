#pragma once

#include <QAbstractTableModel>
#include <QFont>

class CriteriaGrid;

// Shows the criteria grid in a table view: the heading row and the level column grey, edited cells
// yellow, the cell-copy selection pale blue.
class CriteriaGridModel : public QAbstractTableModel {
 public:
  explicit CriteriaGridModel(const CriteriaGrid& grid, QObject* parent = nullptr)
      : QAbstractTableModel(parent), grid_(grid) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // The headings are long for their columns: they get a smaller font of their own.
  void setHeadingFont(const QFont& font);
  // After the grid was loaded (the rows may differ).
  void reload();
  // After cells, colours or the cursor changed.
  void refresh();

 private:
  const CriteriaGrid& grid_;
  QFont headingFont_;
  bool hasHeadingFont_ = false;
};
