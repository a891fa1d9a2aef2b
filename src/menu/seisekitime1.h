#pragma once

#include <array>
#include <memory>
#include <vector>

#include <QStringList>

#include "core/app_context.h"
#include "menu/chart_panel.h"
#include "menu/report_lines.h"
#include "platform/screen.h"

class ClickableLabel;
class LevelList;
class RankingMemo;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QResizeEvent;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The pupil's home screen: one column per level with its goal, the pupil's counts, a start button
// and a result list, the view selectors above them and the teacher panel. The columns are built
// once when the screen loads; every activation recounts the tallies, refreshes the counts and which
// levels may be started, and shows the cumulative points ranking.
//
// The screen is split by region: seisekitime1.cpp builds it and holds activation, starting a level,
// the keys and the teacher panel; seisekitime1_columns.cpp the level columns and their lists;
// seisekitime1_views.cpp the view controls and the results views that fill the lists.
class seisekitime1 : public Screen {
 public:
  // The rankings are kept in `rankings` from one visit of the menu to the next; without one the
  // screen keeps its own for as long as it lives.
  explicit seisekitime1(AppContext& context, RankingMemo* rankings = nullptr);
  ~seisekitime1() override;

  void onLoad() override;
  void onActivate() override;

  // Sets the today and all-time headings and empties the level lists before a view fills them.
  void 回数など表示();
  // Colours the level lists after a view has filled them and leaves them without a selection.
  void 成績リスト色表示();
  void 成績リスト色表示単独(int level);

  // Places every column for the given first column.
  void layOutColumns(int scrollPos);
  // Enables the levels the pupil may start and marks the barred ones; writes finalQuotaMet.
  void applyAvailability();

  // The start actions: the start button, the level name and the keys. None starts anything while
  // the teacher panel is open, the level's button is disabled or the menu is not ready.
  void startLevel(int level);
  void startLevelByName(int level);
  // Handles a key typed anywhere on the screen; true when it was used.
  bool handleKey(QKeyEvent* event);

  void goBack();                       // Command1
  void displayModeChanged(int index);  // Option2
  void orderChanged(int index);        // Option1
  void gradeFilterChosen();            // Combo1
  void periodChosen(int position);     // Combo2
  void scrollChanged(int value);       // HScroll1

  // The results views; the view controls run them under the cover of Picture6.
  void Command5_Click();           // today's runs
  void Command7_Click();           // every run of the period allResultsPeriod
  void Command6_Click();           // every level ranked by personal best
  void Command3_Click(int level);  // one level ranked by the display mode
  // The personal times of the chosen pupil ("個人ﾀｲﾑ"); it ends as the other views do.
  void runPersonalTimeView();

  // The chart panel's pupil list, refilled from the roster.
  void fillOtherPupilList();
  void showOtherPupils();   // Command25
  void closeChartPanel();   // Command18
  void openFactMap();       // Command26
  void openTeacherPanel();             // Command8
  void checkPassword(int index);       // Command10
  void closeTeacherPanel();            // Command12

  int columnWidth() const { return columnWidth_; }

  // Header
  QLabel* Label11;  // program title
  QLabel* Label12;  // grade and name
  QLabel* Label13;  // school and pupil number
  QLabel* Label17;  // minutes since the name was chosen
  QLabel* Label18;  // runs today
  QLabel* waitingLabel;  // runs this computer keeps until the shared folder takes them
  QLabel* Label5;   // heading over the level lists

  // View controls
  std::array<QRadioButton*, 3> Option2{};
  QFrame* Picture1;
  std::array<QRadioButton*, 4> Option1{};  // 1..3
  QComboBox* Combo1;
  QComboBox* Combo2;
  QPushButton* Command1;
  QPushButton* Command8;
  QPushButton* Command17;
  QPushButton* Command26;  // the pupil's own map of weak facts
  QScrollBar* HScroll1;

  // Level columns; index 0 holds the hidden templates
  std::vector<QLabel*> Label1;
  std::vector<ClickableLabel*> Label3;
  std::vector<QPushButton*> Command4;
  std::vector<QLineEdit*> Text1;
  std::vector<QLabel*> Label9;
  std::vector<QLabel*> Label10;
  std::vector<QLabel*> Label14;
  std::vector<QLabel*> Label15;
  std::vector<QLabel*> Label8;
  std::vector<LevelList*> List5;
  std::vector<QLabel*> Label7;
  std::vector<QPushButton*> Command3;

  // Colour swatches of the times view
  QLineEdit* Text4;
  QLineEdit* Text5;

  // Covers
  QFrame* Picture2;
  QLabel* Label19;
  QProgressBar* ProgressBar1;
  QFrame* Picture6;
  QLabel* Label21;
  QProgressBar* ProgressBar2;

  // Chart panel; the lists and buttons are the panel's own
  ChartPanel* Picture11;
  QListWidget* List2;  // other pupils; the number follows the last "/"
  QListWidget* List3;  // levels of the charts
  QPushButton* Command25;
  QPushButton* Command18;

  // Teacher panel
  QFrame* Picture7;
  QLabel* Label28;
  QLineEdit* Text3;
  std::array<QPushButton*, 3> Command10{};  // records, criteria, map of weak facts
  QPushButton* Command12;

  // 1 once an activation has finished; 0 from the start of an activation or of a run.
  int menuReady = 0;
  int displayMode = 0;  // 1 times, 2 points
  int pointsOrder = 0;  // 1 cumulative, 2 today
  int activating = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildHeader();
  void buildViewControls();
  void buildCovers();
  void buildTeacherPanel();
  void buildChartPanel();
  void buildTemplates();
  void addColumn(int level);
  void placeColumn(int level, int left);
  void fillColumn(int level);
  void refreshCounts();
  // Keeps the level columns within the design canvas, whatever the shape of the screen.
  void clipColumnsToCanvas();
  // Puts a view's lines into the level lists, one list per level.
  void fillLevelLists(const std::vector<QStringList>& lines);
  void fillLevelList(int level, const QStringList& lines);
  // One level's ranking by the display mode, for the pupils the audience shows. Alone, the list is
  // emptied and events run before it is filled; in a view of every level the view's steps let
  // them run.
  enum class RankingAlone { No, Yes };
  void showLevelRanking(int level, const ReportAudience& shownTo, RankingAlone alone);

  bool mayStart(int level) const;
  void startByAccelerator(int digit);
  // The cover over the level area while a view is computed, and the end every view shares.
  void coverLevelArea();
  void finishView();
  void showLevelLists(bool shown);
  // A level list is on the screen while the lists are shown and its column is on the canvas.
  void applyLevelListVisibility();
  ReportAudience audience() const;

  AppContext& context_;
  std::unique_ptr<RankingMemo> ownRankings_;
  bool levelListsShown_ = true;
  RankingMemo& rankings_;
  int columnWidth_ = 0;
  // The parent of the level columns, masked to the canvas.
  QWidget* columnArea_ = nullptr;
};
