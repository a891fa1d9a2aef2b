#include "teacher/criteria_grid.h"

#include <algorithm>

#include "core/criteria.h"
#include "platform/field_reader.h"

namespace {
QStringList headingRow() {
  QStringList row{QStringLiteral("レベル")};
  row += criteriaHeadings();
  while (row.size() < CriteriaGrid::kColumns) row.append(QString());
  return row;
}

bool holdsSeparator(const QString& text) {
  return text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
}

// Columns 1..9 are read as numbers: an empty cell reads as 0, which teachers rely on for the
// over-practice limits, but the pass and lowest times must be above 0 (a limit of 0 would end every
// run at once, and the points divide by the pass time).
bool isSoundNumberCell(int column, const QString& text) {
  const QString trimmed = text.trimmed();
  const bool mustBePositive = column == 1 || column == 2;
  if (trimmed.isEmpty()) return !mustBePositive;
  bool ok = false;
  const double value = trimmed.toDouble(&ok);
  if (!ok || fieldNumber(trimmed) != value) return false;  // also refuses infinities
  return !mustBePositive || roundToInt(value) > 0;          // the times are read as whole seconds
}
}  // namespace

void CriteriaGrid::load(const QList<QStringList>& fileRows) {
  cells_.assign(1, headingRow());
  for (qsizetype i = 1; i < fileRows.size(); ++i) {
    QStringList row{QString::number(i)};
    row += fileRows[i].mid(0, kLastColumn);
    while (row.size() < kColumns) row.append(QString());
    cells_.push_back(row);
  }
  edited_.assign(cells_.size(), std::vector<bool>(kColumns, false));
  changed_ = false;
  if (row_ > rowCount()) row_ = std::max(1, rowCount());
  selectionLastRow_ = row_;
}

QString CriteriaGrid::text(int row, int column) const {
  if (row < 0 || row > rowCount() || column < 0 || column >= kColumns) return QString();
  return cells_[row][column];
}

bool CriteriaGrid::isEdited(int row, int column) const {
  if (row < 0 || row > rowCount() || column < 0 || column >= kColumns) return false;
  return edited_[row][column];
}

bool CriteriaGrid::isSelected(int row, int column) const {
  return column == column_ && row >= row_ && row <= selectionLastRow_;
}

bool CriteriaGrid::setCurrent(int row, int column) {
  if (row < 1 || row > rowCount() || column < 1 || column > kLastColumn) return false;
  moveTo(row, column);
  return true;
}

void CriteriaGrid::moveTo(int row, int column) {
  row_ = row;
  column_ = column;
  selectionLastRow_ = row;
}

void CriteriaGrid::write(int row, int column, const QString& text) {
  if (cells_[row][column] == text) return;
  edited_[row][column] = true;
  changed_ = true;
  cells_[row][column] = text;
}

void CriteriaGrid::setCurrentText(const QString& text) {
  if (rowCount() == 0) return;
  write(row_, column_, text);
}

void CriteriaGrid::press(Key key) {
  if (rowCount() == 0) return;
  switch (key) {
    case Key::Up:
      if (row_ > 1) moveTo(row_ - 1, column_);
      break;
    case Key::Down:
      if (row_ < rowCount()) moveTo(row_ + 1, column_);
      break;
    case Key::ShiftDown: {
      if (selectionLastRow_ >= rowCount()) break;
      ++selectionLastRow_;
      // Copied cells are edits like any other: they are coloured and make Back ask, so that a
      // column filled by copying is never dropped without a word.
      const QString copied = cells_[row_][column_];
      for (int r = row_; r <= selectionLastRow_; ++r) write(r, column_, copied);
      break;
    }
    case Key::Left:
      if (column_ > 1) moveTo(row_, column_ - 1);
      break;
    case Key::Right:
      if (column_ < kLastColumn) moveTo(row_, column_ + 1);
      break;
  }
}

QList<QStringList> CriteriaGrid::rowsToSave() const {
  QList<QStringList> rows;
  for (const QStringList& row : cells_) rows.append(row.mid(1, kLastColumn));
  return rows;
}

std::optional<CriteriaGrid::BadCell> CriteriaGrid::firstBadCell() const {
  for (int r = 1; r <= rowCount(); ++r) {
    for (int c = 1; c <= kLastColumn; ++c) {
      const QString& text = cells_[r][c];
      if (holdsSeparator(text)) return BadCell{r, c, BadCell::Kind::Separator};
      if (c <= kLastCheckedColumn && !isSoundNumberCell(c, text))
        return BadCell{r, c, BadCell::Kind::NotANumber};
    }
  }
  return std::nullopt;
}

QString columnExplanation(int column) {
  static const QList<QStringList> kExplanations = {
      {QStringLiteral("合格基準タイム"), QStringLiteral("\u3000大部分の人ががんばったら出せそうなタイムにしてください")},
      {QStringLiteral("合格最低ラインタイム"), QStringLiteral("  この５倍が時間切れになります")},
      {QStringLiteral("目標ポイント"), QStringLiteral("\u3000\u3000 目標ポイント")},
      {QStringLiteral("目標回数"), QStringLiteral("\u3000\u3000 目標回数")},
      {QStringLiteral("ポイント倍率"), QStringLiteral("  ポイントを何倍にして加算するか"),
       QStringLiteral("  むずかしいレベルや生徒のいやがるレベルは高くしてください")},
      {QStringLiteral("やりすぎ禁止回数"), QStringLiteral("  何回やったらやりすぎ禁止にするか"), QStringLiteral("  ")},
      {QStringLiteral("やりすぎ禁止ポイント"), QStringLiteral("  何ポイントとったらやりすぎ禁止にするか"),
       QStringLiteral(" ")},
      {QStringLiteral("合格判定をする日数"), QStringLiteral("\u3000何日前からのポイントを有効にするか")},
      {QStringLiteral("やりすぎ判定をする日数"), QStringLiteral("\u3000何日前からのポイントを有効にするか")},
  };
  if (column < 1 || column > kExplanations.size()) return QString();
  return kExplanations[column - 1].join(QStringLiteral("\r\n"));
}

QString badCellMessage(const CriteriaGrid::BadCell& cell) {
  const QString first = cell.kind == CriteriaGrid::BadCell::Kind::NotANumber
                            ? QStringLiteral("数値が正しくないセルがあります。記録できません。")
                            : QStringLiteral("「,」や「\"」の入ったセルがあります。記録できません。");
  QString where = QStringLiteral("レベル%1　%2列目").arg(cell.row).arg(cell.column);
  const QString heading = cell.column <= criteriaHeadings().size() ? criteriaHeadings()[cell.column - 1] : QString();
  if (!heading.isEmpty()) where += QStringLiteral("（%1）").arg(heading);
  return first + u'\n' + where;
}
