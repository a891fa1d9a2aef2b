// Measures the peak resident memory of the program's own screens on a large school: a results file of
// 100,000 records, an answer log of 5,000,000 answers (160 MB) and a roster of 5,000 pupils. The screens run offscreen with the test doubles of the
// platform services, driven as a pupil drives them; after every stage the peak so far is printed as
// "<stage> <peak MB>", and the last line is "memory_peak <peak MB>". Exits 1 when a stage could not be
// reached or the peak is over the limit.
//
//   kakedori-memory [limit in MB, 150 by default]
//
// A new screen joins by adding one stage to the table in main().

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <functional>
#include <vector>

#include "large_school.h"
#include "teacher/fact_map.h"
#include "teacher/frm_fact_map.h"

namespace {

constexpr qint64 kAnswers = 5000000;

// The high-water mark of the resident set since the process started (VmHWM), in MB.
double peakResidentMb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
  return -1;
}

// The pupil's steps on the large school, and the teacher's screens.
struct Session : LargeSchoolSession {
  Session() : LargeSchoolSession(kAnswers) {}

  // Runs one of the menu's views; the menu stays the screen.
  bool menuView(const std::function<void(seisekitime1&)>& view) {
    seisekitime1* m = menu();
    if (!m || app.current() != screens::kStudentMenu) return false;
    view(*m);
    return app.current() == screens::kStudentMenu;
  }
  // Opens a teacher screen as the teacher panel does, then goes back to the menu.
  bool teacherScreen(const QString& name) {
    if (!app.navigator.show(name) || app.current() != name) return false;
    app.navigator.show(screens::kStudentMenu);
    app.navigator.unload(name);
    return app.current() == screens::kStudentMenu;
  }
  // The teacher's map, as it opens (the school over 30 days) and over every answer of the log.
  bool factMap() {
    auto* map = static_cast<FrmFactMap*>(app.navigator.show(screens::kFactMap));
    if (!map || app.current() != screens::kFactMap) return false;
    map->periodChosen(FactPeriod::Everything);
    if (map->mapView == nullptr) return false;
    app.navigator.show(screens::kStudentMenu);
    app.navigator.unload(screens::kFactMap);
    return app.current() == screens::kStudentMenu;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  const double limitMb = argc > 1 ? QString::fromLocal8Bit(argv[1]).toDouble() : 150.0;

  Session session;
  struct Stage {
    const char* name;
    std::function<bool()> step;
  };
  const std::vector<Stage> stages = {
      {"start_up_and_name_list", [&] { return session.startUp(); }},
      {"student_menu", [&] { return session.chooseFirstPupil(); }},
      {"drill_run_and_outcome", [&] { return session.runLevel(QStringLiteral("4")); }},
      {"student_menu_again", [&] { return session.backToMenu(); }},
      // A second run shows whether each run leaves memory behind.
      {"second_drill_run", [&] { return session.runLevel(QStringLiteral("4")); }},
      {"student_menu_third", [&] { return session.backToMenu(); }},
      {"todays_runs_view", [&] { return session.menuView([](seisekitime1& m) { m.Command5_Click(); }); }},
      {"every_run_view", [&] {
         session.app.state->allResultsPeriod = 5;  // the longest period: every run held
         return session.menuView([](seisekitime1& m) { m.Command7_Click(); });
       }},
      {"best_times_view", [&] { return session.menuView([](seisekitime1& m) { m.Command6_Click(); }); }},
      {"one_level_view", [&] { return session.menuView([](seisekitime1& m) { m.Command3_Click(4); }); }},
      {"personal_time_view", [&] { return session.menuView([](seisekitime1& m) { m.runPersonalTimeView(); }); }},
      {"chart_panel", [&] {
         return session.menuView([](seisekitime1& m) {
           m.showOtherPupils();
           m.closeChartPanel();
         });
       }},
      {"records_browser", [&] { return session.teacherScreen(screens::kRecordsBrowser); }},
      {"criteria_editor", [&] { return session.teacherScreen(screens::kCriteriaEditor); }},
      {"fact_map_5m", [&] { return session.factMap(); }},
      {"name_list_again", [&] { return session.backToNames(); }},
  };

  bool reached = true;
  for (const Stage& stage : stages) {
    if (!stage.step()) {
      std::printf("%s not reached (on %s)\n", stage.name, qPrintable(session.app.current()));
      reached = false;
      break;
    }
    session.collect();
    std::printf("%s %.1f\n", stage.name, peakResidentMb());
    std::fflush(stdout);
  }
  const double peak = peakResidentMb();
  std::printf("memory_peak %.1f\n", peak);
  return reached && peak < limitMb ? 0 : 1;
}
