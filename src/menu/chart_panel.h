#pragma once

#include <QFrame>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "core/result_record.h"
#include "menu/chart_block.h"
#include "menu/level_ranking.h"
#include "menu/report_lines.h"

struct AppContext;
class ChartPicture;
class ChartSurface;
class QListWidget;
class QPushButton;

// The chart panel of the student menu: the levels to chart, the other pupils a teacher may pick,
// the picture the charts are drawn on, and the buttons that draw or print them. Three blocks go on
// a page; on the printer every pupil gets a job of their own.
class ChartPanel : public QFrame {
 public:
  // What the panel takes from the menu.
  struct Hooks {
    // The newest records of the results file.
    std::function<std::vector<ResultRecord>()> newestResults;
    // Whom the menu's lists show and how they mark them, under its grade filter.
    std::function<ReportAudience()> audience;
    // The points order the menu's views use.
    std::function<PointsOrder()> pointsOrder = [] { return PointsOrder::Cumulative; };
  };

  ChartPanel(AppContext& context, Hooks hooks, QWidget* parent = nullptr);

  // List3 gets the levels 1..levelCount; List2 the other-pupil lines, each ending in "/" and the
  // pupil number.
  void setLevels(int levelCount);
  void setPupilLines(const QStringList& lines);

  void open();                // Command17: the chosen pupil's first three levels on the picture
  void closePanel();          // Command18
  void showOtherPupils();     // Command25
  void drawOrPrint(int index);            // Command21: 0 draws chartPupil, 1 prints
  void drawOrPrintSelected(int index);    // Command24: for every pupil chosen in List2

  QListWidget* List2;
  QListWidget* List3;
  ChartPicture* Picture12;
  std::array<QPushButton*, 2> Command21{};
  std::array<QPushButton*, 2> Command24{};
  QPushButton* Command25;
  QPushButton* Command18;

  // The hidden ranking lists of the last block: [1] times, [2] points.
  std::array<QStringList, 3> List4;

  int chartPupil = 0;
  int chartLevel = 0;
  double baseFontSize = 6;
  int firstLevelOffset = 1;
  // The figures of each level as its block last showed them.
  std::vector<ChartFigures> levelFigures;

 private:
  ChartFigures rankingFigures();
  ReportAudience audience() const;
  // Draws the chosen levels' blocks; false when printing failed.
  bool drawBlocks(ChartSurface& surface);
  void print();
  // Tells the user when there is no printer or no level to print, once for a whole choice.
  bool readyToPrint();
  std::vector<int> chosenLevels() const;

  AppContext& context_;
  Hooks hooks_;
};
