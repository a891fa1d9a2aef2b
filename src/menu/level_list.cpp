#include "menu/level_list.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>

// The lines as a read-only list model: shown and selectable, never edited.
class LevelListLines : public QAbstractListModel {
 public:
  explicit LevelListLines(QObject* parent) : QAbstractListModel(parent) {}

  void setLines(const QStringList& lines) {
    beginResetModel();
    lines_ = lines;
    endResetModel();
  }
  const QStringList& lines() const { return lines_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : int(lines_.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= lines_.size()) return {};
    if (role == Qt::DisplayRole) return lines_.at(index.row());
    return {};
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
  }

 private:
  QStringList lines_;
};

LevelList::LevelList(QWidget* parent) : QListView(parent), model_(new LevelListLines(this)) {
  setModel(model_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Every line is one line of the same font: the list need not measure its thousands of lines.
  setUniformItemSizes(true);
}

void LevelList::setLines(const QStringList& lines) {
  pendingScroll_.reset();
  model_->setLines(lines);
}

const QStringList& LevelList::lines() const { return model_->lines(); }

int LevelList::count() const { return int(model_->lines().size()); }

QString LevelList::line(int row) const { return model_->lines().value(row); }

void LevelList::scrollToRow(int row, ScrollHint hint) {
  if (row < 0 || row >= count()) return;
  if (!isVisible()) {
    pendingScroll_ = Scroll{row, hint};
    return;
  }
  pendingScroll_.reset();
  scrollTo(model_->index(row), hint);
}

void LevelList::showEvent(QShowEvent* event) {
  QListView::showEvent(event);
  if (pendingScroll_) scrollToRow(pendingScroll_->row, pendingScroll_->hint);
}

int LevelList::currentRow() const { return currentIndex().row(); }

void LevelList::setCurrentRow(int row) {
  selectionModel()->setCurrentIndex(row >= 0 ? model_->index(row) : QModelIndex(),
                                    QItemSelectionModel::ClearAndSelect);
}
