#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The criteria editor's grid: the text of the criteria table as loaded, the cell under the cursor,
// the cells changed since the last load, and the rules of the editing keys. Row 0 holds the
// headings and column 0 the level numbers; row r >= 1 is level r, columns 1..12 its fields.
class CriteriaGrid {
 public:
  static constexpr int kColumns = 13;
  static constexpr int kLastColumn = 12;
  static constexpr int kLastCheckedColumn = 9;  // columns 1..9 are read as numbers

  enum class Key { Up, Down, ShiftDown, Left, Right };

  // A cell that must not be saved.
  struct BadCell {
    enum class Kind { NotANumber, Separator };
    int row = 0;
    int column = 0;
    Kind kind = Kind::NotANumber;
  };

  // The file's rows, heading line first (it is not shown: row 0 always holds the fixed headings).
  // Colours and `changed` are reset; the cursor stays where it was when that cell still exists.
  void load(const QList<QStringList>& fileRows);

  int rowCount() const { return int(cells_.size()) - 1; }  // level rows
  QString text(int row, int column) const;
  bool isFixed(int row, int column) const { return row == 0 || column == 0; }
  // Coloured yellow: edited since the grid was loaded (a save keeps the colours).
  bool isEdited(int row, int column) const;
  bool changed() const { return changed_; }

  int row() const { return row_; }
  int column() const { return column_; }
  // The last row of the cell-copy selection, which runs down the current column from the current row.
  int selectionLastRow() const { return selectionLastRow_; }
  bool isSelected(int row, int column) const;

  // Makes a cell current (a click). Fixed cells and cells outside the grid are refused.
  bool setCurrent(int row, int column);
  // The edit box's text into the current cell (TextToGrid転送).
  void setCurrentText(const QString& text);
  void press(Key key);

  // What a save writes: the heading row and one row per level, twelve cells a row.
  QList<QStringList> rowsToSave() const;
  // After a successful save: nothing is pending any more; the colours stay until the next load.
  void markSaved() { changed_ = false; }

  // The first cell, row by row, that would load as something other than the teacher meant: a
  // non-number in columns 1 to 9, a pass or lowest time that is not above 0, or a comma, quote or
  // line break, which would shift the fields of the line.
  std::optional<BadCell> firstBadCell() const;

 private:
  void moveTo(int row, int column);
  void write(int row, int column, const QString& text);

  std::vector<QStringList> cells_{QStringList()};  // [row][column], 13 columns; row 0 the headings
  std::vector<std::vector<bool>> edited_{{}};
  bool changed_ = false;
  int row_ = 1;
  int column_ = 1;
  int selectionLastRow_ = 1;
};

// The explanation of a column shown under the grid: the heading, then the explanation lines, each
// line break CR LF; empty for columns without one.
QString columnExplanation(int column);

// The message for a cell that cannot be saved, naming its level and column.
QString badCellMessage(const CriteriaGrid::BadCell& cell);
