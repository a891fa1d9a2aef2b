#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

#include "core/app_state.h"
#include "core/criteria.h"
#include "core/level_catalogue.h"
#include "core/screen_names.h"
#include "platform/text_codec.h"
#include "support/test_app.h"
#include "teacher/criteria_grid_edit_box.h"
#include "teacher/frm_time_data.h"

namespace {
// Level r: pass time 30 + r, lowest time 60 + 2 r, the rest as a school would have them.
QStringList levelLines() {
  QStringList lines;
  for (int r = 1; r <= 25; ++r)
    lines.append(QStringLiteral("%1,%2,100,5,1.5,0,,7,7,,,").arg(30 + r).arg(60 + 2 * r));
  return lines;
}

QByteArray criteriaBytes(const QStringList& lines) {
  QByteArray bytes = encodeCp932(criteriaHeadings().join(u',') + u",,,\r\n"_qs);
  for (const QString& line : lines) bytes += encodeCp932(line) + "\r\n";
  return bytes;
}

// The process may not write files past a few bytes, as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

class CriteriaEditor : public ::testing::Test {
 protected:
  CriteriaEditor() {
    app.installation.writeCriteria(levelLines());
    app.installation.writeResults({});
  }

  FrmTimeData* open() {
    app.loadInstallation();
    app.choosePupil(3);
    app.navigator.show(screens::kCriteriaEditor);
    editor = app.screen<FrmTimeData>(screens::kCriteriaEditor);
    return editor;
  }

  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(editor->Gridinputtext, k, modifiers);
  }
  // Typed as an input method hands over text: one key event carrying it.
  void type(const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(editor->Gridinputtext, &press);
  }
  void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
  void moveTo(int row, int column) {
    QTableView* grid = editor->MSFlexGrid1;
    click(grid->viewport());  // keeps the test honest about clicks landing on cells
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, column)).center());
  }
  QByteArray fileBytes() const {
    QFile file(app.installation.criteriaPath());
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }
  QString cell(int row, int column) const { return editor->grid().text(row, column); }

  TestApp app;
  FrmTimeData* editor = nullptr;
};
}  // namespace

TEST_F(CriteriaEditor, OpensOnThePassTimeOfLevel1WithItsExplanationAndDistribution) {
  open();
  EXPECT_EQ(editor->Label2->text(), u"成績の基準となるデータを変更できます。\nプログラムを選んでください。"_qs);
  EXPECT_EQ(editor->grid().rowCount(), 25);
  EXPECT_EQ(editor->Gridinputtext->text(), u"31"_qs);
  EXPECT_EQ(editor->focusWidget(), editor->Gridinputtext);
  EXPECT_EQ(editor->Gridinputtext->geometry(),
            editor->MSFlexGrid1->visualRect(editor->MSFlexGrid1->model()->index(1, 1)));
  EXPECT_EQ(editor->Label3->text(), columnExplanation(1));
  EXPECT_EQ(editor->List3->item(0)->text(), u"レベル1 今まで0回  （★=1）"_qs);
  EXPECT_EQ(editor->List4->count(), 102);
  EXPECT_FALSE(editor->Picture3->isHidden());
}

TEST_F(CriteriaEditor, KeysMoveTheEditBoxAndTheDistributionFollowsTheLevel) {
  app.installation.writeResults({TempInstallation::record(46000, 1, 2, 85), TempInstallation::record(46000, 1, 2, 62)});
  open();
  key(Qt::Key_Down);
  key(Qt::Key_Right);
  EXPECT_EQ(editor->grid().row(), 2);
  EXPECT_EQ(editor->grid().column(), 2);
  EXPECT_EQ(editor->Gridinputtext->text(), u"64"_qs);
  EXPECT_EQ(editor->Gridinputtext->geometry(),
            editor->MSFlexGrid1->visualRect(editor->MSFlexGrid1->model()->index(2, 2)));
  EXPECT_EQ(editor->Label3->text(), columnExplanation(2));
  EXPECT_EQ(editor->List3->item(0)->text(), u"レベル2 今まで2回  （★=1）"_qs);
  EXPECT_EQ(editor->List4->item(1 + 6)->text(), u"  60～★"_qs);

  // Up on level 1 and Left on column 1 stay; Enter and Esc move nothing.
  moveTo(1, 1);
  for (Qt::Key k : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Return, Qt::Key_Escape}) key(k);
  EXPECT_EQ(editor->grid().row(), 1);
  EXPECT_EQ(editor->grid().column(), 1);
  EXPECT_EQ(editor->List3->item(0)->text(), u"レベル1 今まで0回  （★=1）"_qs);
  EXPECT_FALSE(editor->grid().changed());
}

TEST_F(CriteriaEditor, TypingColoursTheCellAndSpaceClearsIt) {
  open();
  moveTo(3, 5);
  EXPECT_EQ(editor->Label3->text(), columnExplanation(5));
  key(Qt::Key_Backspace);
  type(u"2"_qs);
  key(Qt::Key_Left);  // the caret does not move inside the box: the cursor moves to column 4
  EXPECT_EQ(cell(3, 5), u"1.2"_qs);
  EXPECT_TRUE(editor->grid().isEdited(3, 5));
  EXPECT_EQ(editor->MSFlexGrid1->model()->index(3, 5).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
  EXPECT_TRUE(editor->grid().changed());

  key(Qt::Key_Space);
  EXPECT_EQ(cell(3, 4), QString());
  EXPECT_EQ(editor->Gridinputtext->text(), QString());
  EXPECT_TRUE(editor->grid().isEdited(3, 4));
}

TEST_F(CriteriaEditor, ShiftDownCopiesTheBoxDownTheColumn) {
  open();
  moveTo(2, 1);
  key(Qt::Key_Backspace);
  key(Qt::Key_Backspace);
  type(u"40"_qs);
  for (int i = 0; i < 3; ++i) key(Qt::Key_Down, Qt::ShiftModifier);
  for (int r = 2; r <= 5; ++r) EXPECT_EQ(cell(r, 1), u"40"_qs) << r;
  EXPECT_EQ(cell(6, 1), u"36"_qs);
  EXPECT_EQ(editor->grid().row(), 2);
}

TEST_F(CriteriaEditor, SaveWritesTheTableByteForByteAndTheNextRunUsesItAtOnce) {
  open();
  const QByteArray before = fileBytes();
  ASSERT_EQ(before, criteriaBytes(levelLines()));
  click(editor->Command3);  // an unchanged grid writes back the same bytes
  EXPECT_EQ(fileBytes(), before);

  moveTo(4, 2);
  key(Qt::Key_Backspace);
  type(u"9"_qs);  // the lowest time of level 4, 68, becomes 69
  moveTo(4, 7);
  type(u"300"_qs);  // 禁点, empty before
  moveTo(4, 10);
  type(u"メモ"_qs);
  click(editor->Command3);
  EXPECT_TRUE(app.boxes.shown.empty());
  QStringList expected = levelLines();
  expected[3] = u"34,69,100,5,1.5,0,300,7,7,メモ,,"_qs;
  EXPECT_EQ(fileBytes(), criteriaBytes(expected));
  EXPECT_EQ(app.state->lowestTime[4], 69);
  EXPECT_EQ(app.state->overPracticePoints[4], 300);
  EXPECT_FALSE(editor->grid().changed());
  EXPECT_TRUE(editor->grid().isEdited(4, 2));  // colours stay until the grid is reloaded
  EXPECT_TRUE(editor->Picture6->isHidden());

  // A cleared cell is written as an empty field between two commas.
  moveTo(5, 6);
  key(Qt::Key_Space);
  click(editor->Command3);
  expected[4] = u"35,70,100,5,1.5,,,7,7,,,"_qs;
  EXPECT_EQ(fileBytes(), criteriaBytes(expected));

  // Back to the menu without a question, and the next run of level 4 ends at five times its new
  // lowest time.
  click(editor->Command4);
  EXPECT_EQ(app.boxes.shown.size(), 0u);
  app.state->currentLevel = 4;
  startRun(app.context);
  EXPECT_EQ(app.current(), screens::kDrill);
  EXPECT_EQ(app.state->timeLimit, 5 * 69);
}

TEST_F(CriteriaEditor, ABadCellIsRefusedWithNothingWritten) {
  open();
  const QByteArray before = fileBytes();
  moveTo(6, 2);
  type(u"x"_qs);
  moveTo(9, 1);
  key(Qt::Key_Space);
  click(editor->Command3);
  ASSERT_EQ(app.boxes.shown.size(), 1u);
  EXPECT_EQ(app.boxes.shown[0].text, u"数値が正しくないセルがあります。記録できません。\nレベル6　2列目（最低Time）"_qs);
  EXPECT_EQ(fileBytes(), before);
  EXPECT_EQ(app.state->lowestTime[6], 72);
  EXPECT_EQ(editor->grid().row(), 6);
  EXPECT_EQ(editor->grid().column(), 2);
  EXPECT_EQ(editor->Gridinputtext->text(), u"72x"_qs);
  EXPECT_TRUE(editor->grid().changed());
  EXPECT_TRUE(editor->Picture6->isHidden());
}

TEST_F(CriteriaEditor, AFailedSaveShowsWhyAndKeepsTheOldFileAndTheEdits) {
  open();
  const QByteArray before = fileBytes();
  moveTo(2, 1);
  type(u"0"_qs);
  {
    FileSizeLimit fullDisk(64);
    click(editor->Command3);
  }
  ASSERT_EQ(app.boxes.shown.size(), 1u);
  EXPECT_TRUE(app.boxes.shown[0].text.startsWith(u"記録できませんでした。"_qs)) << app.boxes.shown[0].text.toStdString();
  EXPECT_TRUE(app.boxes.shown[0].text.contains(kCriteriaFileName));
  EXPECT_EQ(fileBytes(), before);
  EXPECT_EQ(app.state->passTime[2], 32);
  EXPECT_EQ(cell(2, 1), u"320"_qs);
  EXPECT_TRUE(editor->grid().changed());
  EXPECT_TRUE(editor->Picture6->isHidden());

  click(editor->Command3);  // the same edits save once the disk has room
  EXPECT_EQ(app.state->passTime[2], 320);
}

TEST_F(CriteriaEditor, ReloadDiscardsTheEdits) {
  open();
  moveTo(3, 3);
  type(u"7"_qs);
  click(editor->Command2);
  EXPECT_EQ(cell(3, 3), u"100"_qs);
  EXPECT_EQ(editor->Gridinputtext->text(), u"100"_qs);
  EXPECT_FALSE(editor->grid().isEdited(3, 3));
  EXPECT_FALSE(editor->grid().changed());
}

TEST_F(CriteriaEditor, BackAsksOnlyWhenSomethingChangedAndSavesOnYes) {
  struct Case {
    bool edit;
    bool answer;
    std::size_t questions;
    bool saved;
  };
  for (const Case& c : {Case{false, true, 0, false}, Case{true, false, 1, false}, Case{true, true, 1, true}}) {
    app.installation.writeCriteria(levelLines());
    app.boxes.shown.clear();
    app.boxes.confirmAnswer = c.answer;
    open();
    if (c.edit) {
      moveTo(1, 1);
      type(u"5"_qs);
    }
    click(editor->Command4);
    ASSERT_EQ(app.boxes.shown.size(), c.questions);
    if (c.questions) {
      EXPECT_EQ(app.boxes.shown[0].text, u"データが変更されています。記録しますか？"_qs);
      EXPECT_EQ(app.boxes.shown[0].title, u"注意"_qs);
    }
    EXPECT_EQ(fileBytes() != criteriaBytes(levelLines()), c.saved);
    EXPECT_EQ(app.current(), screens::kStudentMenu);
    EXPECT_FALSE(app.navigator.isLoaded(screens::kCriteriaEditor));
    app.navigator.unloadAll();
    app.navigator.collectUnloaded();
  }
}

// The real question box, answered as a teacher would: はい saves, いいえ and Escape leave unsaved.
TEST_F(CriteriaEditor, BackAsksWithYesAndNoAndEscapeMeansNo) {
  enum class Answer { Yes, No, Escape };
  for (Answer answer : {Answer::Yes, Answer::No, Answer::Escape}) {
    SCOPED_TRACE(int(answer));
    app.installation.writeCriteria(levelLines());
    app.boxes.realQuestions = true;
    open();
    moveTo(1, 1);
    type(u"5"_qs);
    QStringList captions;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      for (QAbstractButton* button : box->buttons()) captions.append(button->text());
      if (answer == Answer::Escape)
        QTest::keyClick(box, Qt::Key_Escape);
      else
        box->button(answer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    click(editor->Command4);
    captions.sort();
    EXPECT_EQ(captions, (QStringList{u"いいえ"_qs, u"はい"_qs}));
    EXPECT_EQ(fileBytes() != criteriaBytes(levelLines()), answer == Answer::Yes);
    EXPECT_EQ(app.current(), screens::kStudentMenu);
    app.navigator.unloadAll();
    app.navigator.collectUnloaded();
  }
}

TEST_F(CriteriaEditor, BackStaysWhenTheSaveItAskedForIsRefused) {
  open();
  moveTo(1, 2);
  key(Qt::Key_Space);
  click(editor->Command4);
  ASSERT_EQ(app.boxes.shown.size(), 2u);
  EXPECT_TRUE(app.boxes.shown[1].text.startsWith(u"数値が正しくないセルがあります。"_qs));
  EXPECT_EQ(app.current(), screens::kCriteriaEditor);
  EXPECT_TRUE(editor->grid().changed());
}

TEST_F(CriteriaEditor, TheDistributionPanelHidesAndComesBackRefreshed) {
  open();
  click(editor->Option1[1]);
  EXPECT_TRUE(editor->Picture3->isHidden());
  app.installation.writeResults({TempInstallation::record(46000, 1, 1, 45)});
  key(Qt::Key_Down);
  key(Qt::Key_Up);
  click(editor->Option1[0]);
  EXPECT_FALSE(editor->Picture3->isHidden());
  EXPECT_EQ(editor->List3->item(0)->text(), u"レベル1 今まで1回  （★=1）"_qs);
  EXPECT_EQ(editor->List3->item(1 + 4)->text(), u"  40～★"_qs);
}
