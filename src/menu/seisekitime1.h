#pragma once

#include <array>
#include <vector>

#include "core/app_context.h"
#include "platform/screen.h"

class ClickableLabel;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The pupil's home screen: one column per level with its goal, the pupil's counts and a start
// button, the view selectors above them and the teacher panel. The columns are built once when the
// screen loads; every activation recounts the tallies and refreshes the counts and which levels
// may be started.
class seisekitime1 : public Screen {
 public:
  explicit seisekitime1(AppContext& context);

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
  void scrollChanged(int value);       // HScroll1
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
  std::vector<QListWidget*> List5;
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
  QFrame* Picture11;

  // Teacher panel
  QFrame* Picture7;
  QLabel* Label28;
  QLineEdit* Text3;
  std::array<QPushButton*, 2> Command10{};
  QPushButton* Command12;

  // 1 once an activation has finished; 0 from the start of an activation or of a run.
  int menuReady = 0;
  int displayMode = 0;  // 1 times, 2 points
  int pointsOrder = 0;  // 1 cumulative, 2 today
  int activating = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildHeader();
  void buildViewControls();
  void buildCovers();
  void buildTeacherPanel();
  void buildTemplates();
  void addColumn(int level);
  void placeColumn(int level, int left);
  void fillColumn(int level);
  void refreshCounts();

  bool mayStart(int level) const;
  void startByAccelerator(int digit);
  // The cover over the level area while a view is computed, and the end every view shares.
  void coverLevelArea();
  void finishView();
  void showLevelLists(bool shown);

  AppContext& context_;
  int columnWidth_ = 0;
};
