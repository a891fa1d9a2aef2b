#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <functional>

#include "large_school.h"
#include "teardown.h"

// The screen changes a pupil waits for again and again, on the largest school, each timed from the
// key to the next screen painted. The steps that bring the program back to where the change starts
// are not timed.
namespace {

LargeSchoolSession& session() {
  return sharedFixture<LargeSchoolSession>();
}

// Runs `untimed`, then times `change` with the window painted after it.
void timeChange(benchmark::State& bench, const std::function<bool()>& untimed, const std::function<bool()>& change) {
  LargeSchoolSession& s = session();
  for (auto _ : bench) {
    if (!untimed()) {
      bench.SkipWithError(qPrintable(QStringLiteral("could not prepare the change (on %1)").arg(s.app.current())));
      return;
    }
    s.paintWindow();
    s.collect();
    QElapsedTimer timer;
    timer.start();
    const bool reached = change();
    s.paintWindow();
    bench.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    s.collect();
    if (!reached) {
      bench.SkipWithError(qPrintable(QStringLiteral("the change did not arrive (on %1)").arg(s.app.current())));
      return;
    }
  }
}

// A program started afresh: nothing of an earlier start is kept.
bool freshProgram() {
  LargeSchoolSession& s = session();
  s.app.navigator.unloadAll();
  s.collect();
  const QString outbox = s.app.state->outboxFolder;  // where this computer keeps waiting runs
  *s.app.state = AppState();
  s.app.state->outboxFolder = outbox;
  s.app.navigator.show(screens::kSplash);
  return s.app.current() == screens::kSplash;
}

bool onTheNameScreen() {
  LargeSchoolSession& s = session();
  if (s.app.current() == screens::kNameSelection) return true;
  if (s.app.current() == screens::kStudentMenu) return s.backToNames();
  return freshProgram() && s.startUp();
}

bool onTheMenu() {
  LargeSchoolSession& s = session();
  if (s.app.current() == screens::kStudentMenu) return true;
  if (s.app.current() == screens::kOutcome) return s.backToMenu();
  return onTheNameScreen() && s.chooseFirstPupil();
}

void startupToNames(benchmark::State& bench) {
  timeChange(bench, freshProgram, [] {
    auto* splash = session().app.screen<Firstfrm>(screens::kSplash);
    splash->Timer1.stop();  // its 100 ms run out
    splash->continueStartUp();
    return session().app.current() == screens::kNameSelection;
  });
}

// A pupil takes a moment to find their name or to press a button that has just appeared; the
// program makes the menu ready meanwhile.
bool aPupilsMoment() {
  return QTest::qWaitFor([] { return session().app.navigator.isLoaded(screens::kStudentMenu); }, 2000);
}

void nameToMenu(benchmark::State& bench) {
  timeChange(bench, [] { return onTheNameScreen() && session().app.current() == screens::kNameSelection && aPupilsMoment(); },
             [] { return session().chooseFirstPupil(); });
}

void outcomeToMenu(benchmark::State& bench) {
  timeChange(bench, [] { return onTheMenu() && session().runLevel(QStringLiteral("4")) && aPupilsMoment(); },
             [] { return session().backToMenu(); });
}

void menuToDrill(benchmark::State& bench) {
  timeChange(bench, [] {
    LargeSchoolSession& s = session();
    if (s.app.current() == screens::kDrill && !(s.finishRun() && s.backToMenu())) return false;
    return onTheMenu();
  }, [] { return session().startLevel(QStringLiteral("4")); });
}

}  // namespace

BENCHMARK(startupToNames)->Name("startup_to_names_5000")->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(nameToMenu)->Name("name_to_menu_5000")->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(outcomeToMenu)->Name("outcome_to_menu_5000")->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(menuToDrill)->Name("menu_to_drill")->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
