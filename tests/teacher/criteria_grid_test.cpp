#include <gtest/gtest.h>

#include "support/qstring_printer.h"
#include "teacher/criteria_grid.h"

namespace {
using Key = CriteriaGrid::Key;

// A heading line and `levels` level lines; level r has pass time 10 r and lowest time 20 r.
QList<QStringList> fileRows(int levels) {
  QList<QStringList> rows{{u"目標Time"_qs, u"最低Time"_qs, u"x"_qs, u""_qs, u""_qs, u""_qs, u""_qs, u""_qs,
                           u""_qs, u""_qs, u""_qs, u""_qs}};
  for (int r = 1; r <= levels; ++r)
    rows.append({QString::number(10 * r), QString::number(20 * r), u"100"_qs, u"5"_qs, u"1.5"_qs, u""_qs,
                 u""_qs, u"7"_qs, u"7"_qs, u""_qs, u""_qs, u"r"_qs + QString::number(r)});
  return rows;
}

CriteriaGrid loaded(int levels = 25) {
  CriteriaGrid grid;
  grid.load(fileRows(levels));
  return grid;
}
}  // namespace

TEST(CriteriaGrid, ShowsTheFixedHeadingsAndEachLevelLineButNotTheFilesHeading) {
  const CriteriaGrid grid = loaded(3);
  EXPECT_EQ(grid.rowCount(), 3);
  const QStringList headings = {u"レベル"_qs, u"目標Time"_qs, u"最低Time"_qs, u"ｸﾘｱﾎﾟｲﾝﾄ"_qs, u"ｸﾘｱ回数"_qs,
                                u"ﾎﾟｲﾝﾄ倍率"_qs, u"禁回"_qs, u"禁点"_qs, u"判期間"_qs, u"禁期間"_qs,
                                u""_qs, u""_qs, u""_qs};
  for (int c = 0; c < CriteriaGrid::kColumns; ++c) EXPECT_EQ(grid.text(0, c), headings[c]);
  EXPECT_EQ(grid.text(2, 0), u"2"_qs);
  EXPECT_EQ(grid.text(2, 1), u"20"_qs);
  EXPECT_EQ(grid.text(3, 12), u"r3"_qs);
  EXPECT_EQ(grid.row(), 1);
  EXPECT_EQ(grid.column(), 1);
}

struct KeyCase {
  const char* name;
  int row, column;
  Key key;
  int toRow, toColumn;
};

class CriteriaGridKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(CriteriaGridKeys, MoveTheCursorWithinTheLevelCells) {
  const KeyCase& k = GetParam();
  CriteriaGrid grid = loaded(25);
  ASSERT_TRUE(grid.setCurrent(k.row, k.column));
  grid.press(k.key);
  EXPECT_EQ(grid.row(), k.toRow);
  EXPECT_EQ(grid.column(), k.toColumn);
  EXPECT_FALSE(grid.changed());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CriteriaGridKeys,
    ::testing::Values(KeyCase{"UpMoves", 5, 3, Key::Up, 4, 3}, KeyCase{"UpStopsAtLevel1", 1, 3, Key::Up, 1, 3},
                      KeyCase{"DownMoves", 5, 3, Key::Down, 6, 3},
                      KeyCase{"DownStopsAtTheLastLevel", 25, 3, Key::Down, 25, 3},
                      KeyCase{"LeftMoves", 5, 3, Key::Left, 5, 2},
                      KeyCase{"LeftStopsAtColumn1", 5, 1, Key::Left, 5, 1},
                      KeyCase{"RightMoves", 5, 3, Key::Right, 5, 4},
                      KeyCase{"RightStopsAtColumn12", 5, 12, Key::Right, 5, 12},
                      KeyCase{"ShiftDownKeepsTheCursor", 5, 3, Key::ShiftDown, 5, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CriteriaGrid, ClicksOnTheHeadingsOrOutsideAreRefused) {
  CriteriaGrid grid = loaded(3);
  EXPECT_FALSE(grid.setCurrent(0, 2));
  EXPECT_FALSE(grid.setCurrent(2, 0));
  EXPECT_FALSE(grid.setCurrent(4, 2));
  EXPECT_FALSE(grid.setCurrent(2, 13));
  EXPECT_EQ(grid.row(), 1);
  EXPECT_TRUE(grid.setCurrent(3, 12));
}

TEST(CriteriaGrid, AnEditColoursTheCellAndMarksTheGridChangedUntilReloaded) {
  CriteriaGrid grid = loaded(3);
  grid.setCurrent(2, 1);
  grid.setCurrentText(u"20"_qs);  // the same text: no edit
  EXPECT_FALSE(grid.changed());
  EXPECT_FALSE(grid.isEdited(2, 1));

  grid.setCurrentText(u"25"_qs);
  EXPECT_TRUE(grid.changed());
  EXPECT_TRUE(grid.isEdited(2, 1));
  EXPECT_FALSE(grid.isEdited(2, 2));
  EXPECT_EQ(grid.text(2, 1), u"25"_qs);

  // A save ends `changed` but keeps the colours; a reload clears both.
  grid.markSaved();
  EXPECT_FALSE(grid.changed());
  EXPECT_TRUE(grid.isEdited(2, 1));
  grid.load(fileRows(3));
  EXPECT_FALSE(grid.isEdited(2, 1));
  EXPECT_EQ(grid.text(2, 1), u"20"_qs);
  EXPECT_EQ(grid.row(), 2);  // the cursor stays on its cell
}

TEST(CriteriaGrid, ShiftDownCopiesTheCellDownTheColumnAsEdits) {
  CriteriaGrid grid = loaded(6);
  grid.setCurrent(2, 1);
  grid.setCurrentText(u"99"_qs);
  grid.markSaved();
  for (int i = 0; i < 3; ++i) grid.press(Key::ShiftDown);
  EXPECT_EQ(grid.selectionLastRow(), 5);
  for (int r = 2; r <= 5; ++r) {
    EXPECT_EQ(grid.text(r, 1), u"99"_qs) << r;
    EXPECT_TRUE(grid.isEdited(r, 1)) << r;
    EXPECT_TRUE(grid.isSelected(r, 1)) << r;
  }
  EXPECT_EQ(grid.text(6, 1), u"60"_qs);
  EXPECT_EQ(grid.text(5, 2), u"100"_qs);  // only the current column
  // Copied cells would be lost on Back without a question otherwise.
  EXPECT_TRUE(grid.changed());

  // The selection ends at the last level, and any move starts it afresh.
  for (int i = 0; i < 3; ++i) grid.press(Key::ShiftDown);
  EXPECT_EQ(grid.selectionLastRow(), 6);
  grid.press(Key::Right);
  EXPECT_EQ(grid.selectionLastRow(), 2);
  EXPECT_FALSE(grid.isSelected(3, 1));
}

TEST(CriteriaGrid, SavesTheHeadingRowAndEveryLevelRowAsTwelveCells) {
  CriteriaGrid grid = loaded(2);
  grid.setCurrent(1, 6);
  grid.setCurrentText(QString());
  const QList<QStringList> rows = grid.rowsToSave();
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[0].join(u','), u"目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,"_qs);
  EXPECT_EQ(rows[1].join(u','), u"10,20,100,5,1.5,,,7,7,,,r1"_qs);
  EXPECT_EQ(rows[2].size(), 12);
}

struct CellCase {
  const char* name;
  int column;
  const char16_t* text;
  bool accepted;
};

class CriteriaGridCells : public ::testing::TestWithParam<CellCase> {};

TEST_P(CriteriaGridCells, OnlyCellsThatLoadAsMeantMaySave) {
  const CellCase& k = GetParam();
  CriteriaGrid grid = loaded(4);
  grid.setCurrent(3, k.column);
  grid.setCurrentText(QString::fromUtf16(k.text));
  const auto bad = grid.firstBadCell();
  EXPECT_EQ(!bad.has_value(), k.accepted);
  if (bad) {
    EXPECT_EQ(bad->row, 3);
    EXPECT_EQ(bad->column, k.column);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CriteriaGridCells,
    ::testing::Values(CellCase{"PassTimeNumber", 1, u"45", true}, CellCase{"PassTimeText", 1, u"abc", false},
                      CellCase{"PassTimeEmpty", 1, u"", false}, CellCase{"PassTimeZero", 1, u"0", false},
                      CellCase{"PassTimeBelowHalfASecond", 1, u"0.4", false},
                      CellCase{"LowestTimeNegative", 2, u"-5", false},
                      CellCase{"LowestTimeWithBlanks", 2, u" 90 ", true},
                      CellCase{"FactorDecimal", 5, u"1.25", true}, CellCase{"FactorTrailingText", 5, u"1.5x", false},
                      CellCase{"FactorFullWidthDigits", 5, u"２", false},
                      CellCase{"OverPracticeEmpty", 6, u"", true}, CellCase{"OverPracticeZero", 7, u"0", true},
                      CellCase{"DaysText", 9, u"七", false}, CellCase{"ReservedText", 10, u"memo", true},
                      CellCase{"ReservedComma", 11, u"a,b", false}, CellCase{"ReservedQuote", 12, u"\"a", false},
                      CellCase{"NumberWithComma", 3, u"1,000", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CriteriaGrid, TheFirstBadCellIsFoundRowByRowAndItsMessageNamesIt) {
  CriteriaGrid grid = loaded(5);
  grid.setCurrent(4, 1);
  grid.setCurrentText(u"x"_qs);
  grid.setCurrent(2, 9);
  grid.setCurrentText(u"?"_qs);
  grid.setCurrent(2, 11);
  grid.setCurrentText(u","_qs);
  const auto bad = grid.firstBadCell();
  ASSERT_TRUE(bad.has_value());
  EXPECT_EQ(bad->row, 2);
  EXPECT_EQ(bad->column, 9);
  EXPECT_EQ(badCellMessage(*bad), u"数値が正しくないセルがあります。記録できません。\nレベル2　9列目（禁期間）"_qs);
  EXPECT_TRUE(badCellMessage({2, 11, CriteriaGrid::BadCell::Kind::Separator}).endsWith(u"レベル2　11列目"_qs));
}

TEST(CriteriaGrid, ExplainsColumnsOneToNine) {
  EXPECT_EQ(columnExplanation(2), u"合格最低ラインタイム\r\n  この５倍が時間切れになります"_qs);
  EXPECT_EQ(columnExplanation(6), u"やりすぎ禁止回数\r\n  何回やったらやりすぎ禁止にするか\r\n  "_qs);
  EXPECT_EQ(columnExplanation(9), u"やりすぎ判定をする日数\r\n\u3000何日前からのポイントを有効にするか"_qs);
  EXPECT_TRUE(columnExplanation(10).isEmpty());
}
