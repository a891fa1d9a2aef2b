#pragma once

#include <array>

#include "core/app_context.h"
#include "platform/screen.h"
#include "teacher/record_edit.h"
#include "teacher/records_list.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QScrollBar;
class QWidget;

// The records browser: every record of the results file, one line each; a double click opens the
// edit panel, which corrects the pupil and time of that record or deletes it.
class FrmData : public Screen {
 public:
  explicit FrmData(AppContext& context);

  void onLoad() override;

  // The listing routine: reads the roster and the results file afresh and refills the list.
  void listRecords();
  // List1 double click: opens the edit panel on the record of the line.
  void openRecord(int line);
  void closeEditPanel();
  // "変更して記録" and "消去".
  void changeAndRecord();
  void deleteOpenedRecord();
  // "戻る".
  void goBack();
  // "CSVで保存": the listed records for a spreadsheet.
  void saveCsv();

  QListView* List1;
  RecordsListModel listModel;
  QLabel* Label5;
  QWidget* Picture10;
  QPushButton* Command4;
  QPushButton* Command7;  // CSVで保存
  QWidget* Picture3;
  std::array<QLabel*, 5> Label2{};  // 0 "秒", 1 level, 2 date, 4 grade
  QLabel* Label1;
  QComboBox* Combo1;
  std::array<QLineEdit*, 2> Text1{};  // 1 the run time
  QScrollBar* VScroll1;
  QPushButton* Command6;
  QPushButton* Command3;
  QPushButton* Command2;
  QWidget* Picture1;

  OpenedRecord opened() const { return opened_; }

 private:
  void showPupilGrade();
  // After a change: the line selected, which closes the panel as a click on the list does.
  void selectAfterChange(int line);
  // Tells the teacher why nothing was written.
  void explain(EditResult result);

  AppContext& context_;
  OpenedRecord opened_;
  int openedLine_ = -1;
  bool rosterProblemTold_ = false;
};
