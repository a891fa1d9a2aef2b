#pragma once

#include <QListView>
#include <QStringList>
#include <optional>

class LevelListLines;

// A level column's list of lines. A results view puts a line for every pupil into each of the 25
// lists at every visit of the menu, so the lines stay one list of texts behind the view rather than
// an item object each.
class LevelList : public QListView {
 public:
  explicit LevelList(QWidget* parent = nullptr);

  // Replaces the lines; nothing is selected afterwards.
  void setLines(const QStringList& lines);
  void clear() { setLines({}); }
  const QStringList& lines() const;
  int count() const;
  QString line(int row) const;

  // The row's line brought into view as the hint says; a row outside the lines is ignored. A
  // hidden list does it when it is next shown: placing thousands of lines is work only a list on
  // the screen needs.
  void scrollToRow(int row, ScrollHint hint);
  int currentRow() const;
  // Makes the row current and selected, or nothing current for -1.
  void setCurrentRow(int row);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct Scroll {
    int row;
    ScrollHint hint;
  };
  LevelListLines* model_;
  std::optional<Scroll> pendingScroll_;
};
