#pragma once

#include <array>

#include "core/app_context.h"
#include "platform/load_ahead.h"
#include "platform/screen.h"
#include "selection/roster_listing.h"

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class frmver;

// The name selection screen: the pupils of the roster with two counters each, a grade filter and four
// display modes. Confirming a name records who is working and since when and opens the student menu;
// the launcher button hands over to the launcher program and ends this one.
class namesel : public Screen {
 public:
  explicit namesel(AppContext& context);

  void onLoad() override;
  void onActivate() override;
  void onUnload() override;

  // Refills the name list for the chosen display mode and grade filter.
  void 名簿表示();

  void optionClick(int mode);
  void gradeFilterChange();
  void listClick(int line);
  void listDoubleClick(int line);
  void confirmChoice();
  void startLauncher();
  // Opens the version box centred over this screen, modal; returns at once.
  frmver* openVersionBox();

  int displayMode() const { return displayMode_; }
  // The pupil of a line of List1; 0 for the dashes line.
  int pupilAtLine(int line) const { return listing_.pupilAt(line); }

  QLabel* Label6;
  QLabel* Label4;
  QLabel* Label1;
  QLabel* Label2;
  QListWidget* List1;
  QComboBox* Combo1;
  std::array<QRadioButton*, 4> Option1;
  QPushButton* Command14;
  QPushButton* Command7;
  QFrame* Picture5;
  QLabel* Label19;
  QFrame* Picture8;
  QLabel* Label8;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fillGradeFilter();
  bool previewKey(const QString& text);
  void showRosterProblem(const QString& problem);

  AppContext& context_;
  LoadAhead menuAhead_;
  int displayMode_ = 1;
  RosterListing listing_;  // List1's lines and the pupil of each
  RosterSortKeys sortKeys_;
  QString lastProblemShown_;
};
