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
#include <QLabel>
#include <QTest>
#include <cstdio>
#include <functional>
#include <vector>

#include "core/answer_record.h"
#include "core/screen_names.h"
#include "drill/main_frm.h"
#include "menu/seisekitime1.h"
#include "outcome/frm_syuuryou.h"
#include "results_generator.h"
#include "startup/firstfrm.h"
#include "teacher/fact_map.h"
#include "teacher/frm_fact_map.h"
#include "support/test_app.h"

namespace {

constexpr int kPupils = 5000;
constexpr int kRecords = 100000;
constexpr qint64 kAnswers = 5000000;

// The high-water mark of the resident set since the process started (VmHWM), in MB.
double peakResidentMb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
  return -1;
}

QStringList largeRoster() {
  const QStringList family = {QStringLiteral("佐藤"), QStringLiteral("鈴木"), QStringLiteral("高橋"),
                              QStringLiteral("田中"), QStringLiteral("いしだ"), QStringLiteral("ウエノ")};
  const QStringList given = {QStringLiteral("太郎"), QStringLiteral("花子"), QStringLiteral("さくら"),
                             QStringLiteral("ハルト"), QStringLiteral("結衣")};
  QStringList lines;
  for (int pupil = 1; pupil <= kPupils; ++pupil)
    lines.append(QStringLiteral("%1,%2,0,0,\"%3%4\",0,\"\",\"\"")
                     .arg(pupil)
                     .arg(2010 + pupil % 12)
                     .arg(family[pupil % family.size()], given[pupil / family.size() % given.size()]));
  return lines;
}

// The program on the large school, with the steps a pupil takes.
struct Session {
  Session() {
    app.installation.writeRoster(largeRoster());
    writeLargeResultsFile(app.installation.resultsPath(), kRecords, kPupils, app.clock.dateNumber());
    writeLargeAnswerLog(app.installation.programDataFolder() + kAnswerLogFileName, kAnswers, kPupils,
                        app.clock.dateNumber(), 730);
    // Level 4: 11 x 11..15 in random order; these draws reach every problem.
    app.random.setValues({0.0, 0.2, 0.4, 0.6, 0.8});
    app.pause.onPause = [](int) { QCoreApplication::processEvents(); };
    QApplication::setActiveWindow(&app.host);
  }

  QWidget* keyTarget() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : app.navigator.current();
  }
  void press(Qt::Key key) { QTest::keyClick(keyTarget(), key); }
  void type(const QString& text) { QTest::keyClicks(keyTarget(), text); }

  bool startUp() {
    static_cast<Firstfrm*>(app.navigator.show(screens::kSplash))->continueStartUp();
    return app.current() == screens::kNameSelection;
  }
  bool chooseFirstPupil() {
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    return app.current() == screens::kStudentMenu;
  }
  bool runLevel(const QString& key) {
    type(key);
    if (app.current() != screens::kDrill) return false;
    for (int guard = 0; guard < 200 && app.current() == screens::kDrill; ++guard) {
      auto* drill = app.screen<MainFrm>(screens::kDrill);
      app.clock.advanceSeconds(3);
      type(QString::number(drill->qLabel1->text().toInt() * drill->qlabel2->text().toInt()));
      press(Qt::Key_Space);
    }
    auto* outcome = app.screen<FrmSyuuryou>(screens::kOutcome);
    if (!outcome) return false;
    outcome->timer1Tick();
    return true;
  }
  bool backToMenu() {
    press(Qt::Key_Return);  // "メニューへ" has the focus
    return app.current() == screens::kStudentMenu;
  }
  seisekitime1* menu() { return app.screen<seisekitime1>(screens::kStudentMenu); }
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
  bool backToNames() {
    type(QStringLiteral("0"));
    return app.current() == screens::kNameSelection;
  }

  TestApp app;
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
    // The program deletes the screens it unloaded once each outermost event has been handled; this
    // driver sends its events from outside the event loop, so it does that itself.
    session.app.navigator.collectUnloaded();
    std::printf("%s %.1f\n", stage.name, peakResidentMb());
    std::fflush(stdout);
  }
  const double peak = peakResidentMb();
  std::printf("memory_peak %.1f\n", peak);
  return reached && peak < limitMb ? 0 : 1;
}
