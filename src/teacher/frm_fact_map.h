#pragma once

#include <array>

#include "core/app_context.h"
#include "platform/screen.h"
#include "teacher/fact_map.h"

class FactMapView;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The map of weak facts. For the teacher: a group (the whole school, a grade of the menu's filter or
// pupils of the roster) and a period, the ten weakest facts beside the map, printing one page per
// chosen pupil and a CSV of the map. For a pupil: their own map over 30 days and the way back.
class FrmFactMap : public Screen {
 public:
  enum class Audience { Teacher, Pupil };
  FrmFactMap(AppContext& context, Audience audience);

  void onLoad() override;
  void onActivate() override;

  // Builds the map of the chosen group and period afresh and shows it.
  void showMap();
  // The choice of Combo1: the school, a grade, or the pupils of List1.
  void groupChosen(int index);
  void periodChosen(FactPeriod period);
  void pupilsChosen();
  // "印刷": one job of one page for each chosen pupil, or for the group shown when none is chosen.
  void printMaps();
  void saveCsv();
  void goBack();

  FactGroup group() const { return group_; }
  FactPeriod period() const { return period_; }
  Audience audience() const { return audience_; }
  // The pupils chosen in List1, in list order.
  std::vector<int> chosenPupils() const;

  QLabel* Label1;           // heading: group and period
  QComboBox* Combo1;        // group
  std::array<QRadioButton*, 3> Option1{};  // 30日, 90日, すべて
  FactMapView* mapView;
  QLabel* Label2;           // heading of the weakest list
  QListWidget* List2;       // the ten weakest facts
  QLabel* Label3;           // heading of the pupil list
  QListWidget* List1;       // the roster's pupils; "12 /  山田太郎"
  QPushButton* Command1;    // 印刷
  QPushButton* Command2;    // CSVで保存
  QPushButton* Command3;    // 戻る

 private:
  FactMap build(const FactGroup& group) const;
  bool printOne(const FactGroup& group);
  void fillPupilList();

  AppContext& context_;
  Audience audience_;
  FactGroup group_;
  FactPeriod period_ = FactPeriod::Days30;
  bool damageTold_ = false;
};
