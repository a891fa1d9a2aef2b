#pragma once

#include <array>

#include "core/app_context.h"
#include "platform/screen.h"
#include "teacher/criteria_grid.h"
#include "teacher/result_distribution.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableView;
class CriteriaGridEditBox;
class CriteriaGridModel;

// The criteria editor: the criteria table in a grid with an edit box over the current cell, the
// explanation of the current column, and beside it how the pupils have done at the level under the
// cursor. A save checks the cells, rewrites the table and loads it into the shared criteria at once,
// so the next run is judged by the new values.
class FrmTimeData : public Screen {
 public:
  explicit FrmTimeData(AppContext& context);
  ~FrmTimeData() override;

  void onLoad() override;
  void onActivate() override;

  void TextToGrid転送();
  void GridToText転送();
  void placeEditBox();
  void loadGrid();
  // False when nothing was written: a cell was refused or the file could not be written.
  bool saveCriteria();
  void refreshDistribution();
  void command4Click();  // 戻る
  void gridClicked(int row, int column);

  const CriteriaGrid& grid() const { return grid_; }

  QLabel* Label5;
  QLabel* Label2;
  QLabel* Label6;
  QLabel* Label3;  // the explanation of the current column
  QLabel* Label1;
  QTableView* MSFlexGrid1;
  CriteriaGridEditBox* Gridinputtext;
  QPushButton* Command3;  // 更新記録
  QPushButton* Command2;  // 元に戻す
  QPushButton* Command4;  // 戻る
  QFrame* Picture6;       // busy cover
  QLabel* Label8;

  // The result distribution
  QFrame* Picture3;
  QLabel* Label7;
  QLabel* Label9;
  QLabel* Label10;
  QListWidget* List3;  // all run times
  QListWidget* List4;  // best times
  std::array<QRadioButton*, 2> Option1{};  // 度数表示, 度数非表示

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildGrid();
  void buildDistributionPanel();
  void buildButtonsAndCover();
  void moveKey(CriteriaGrid::Key key);
  void afterKey();
  void sizeColumns();
  void showBusy(bool busy);

  AppContext& context_;
  CriteriaGrid grid_;
  CriteriaGridModel* model_;
};
