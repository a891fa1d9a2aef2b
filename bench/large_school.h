#pragma once

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTest>

#include "core/answer_record.h"
#include "core/screen_names.h"
#include "drill/main_frm.h"
#include "menu/seisekitime1.h"
#include "outcome/frm_syuuryou.h"
#include "results_generator.h"
#include "startup/firstfrm.h"
#include "support/test_app.h"

// The largest school the program is built for: 5,000 pupils on the roster and 100,000 runs in the
// results file, and, when asked for, an answer log of millions of answers.
namespace large_school {
constexpr int kPupils = 5000;
constexpr int kRecords = 100000;

inline QStringList roster() {
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
}  // namespace large_school

// The program on the large school, offscreen with the test doubles of the platform services, and
// the steps a pupil takes, each sent as the pupil's key would be.
struct LargeSchoolSession {
  explicit LargeSchoolSession(qint64 answers = 0) {
    app.installation.writeRoster(large_school::roster());
    writeLargeResultsFile(app.installation.resultsPath(), large_school::kRecords, large_school::kPupils,
                          app.clock.dateNumber());
    if (answers > 0)
      writeLargeAnswerLog(app.installation.programDataFolder() + kAnswerLogFileName, answers,
                          large_school::kPupils, app.clock.dateNumber(), 730);
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

  // Without the splash's 100 ms wait: from the moment it would run out.
  bool startUp() {
    static_cast<Firstfrm*>(app.navigator.show(screens::kSplash))->continueStartUp();
    return app.current() == screens::kNameSelection;
  }
  bool chooseFirstPupil() {
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    return app.current() == screens::kStudentMenu;
  }
  bool startLevel(const QString& key) {
    type(key);
    return app.current() == screens::kDrill;
  }
  // Answers every problem of the running drill rightly, three seconds each; ends on the outcome
  // screen with its buttons shown.
  bool finishRun() {
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
  bool runLevel(const QString& key) { return startLevel(key) && finishRun(); }
  bool backToMenu() {
    press(Qt::Key_Return);  // "メニューへ" has the focus
    return app.current() == screens::kStudentMenu;
  }
  bool backToNames() {
    type(QStringLiteral("0"));
    return app.current() == screens::kNameSelection;
  }
  seisekitime1* menu() { return app.screen<seisekitime1>(screens::kStudentMenu); }

  // What the pupil waits for after a key: the events it left behind handled and the whole window
  // painted, as the screen shows it.
  void paintWindow() {
    QCoreApplication::processEvents();
    app.host.grab();
  }
  // The program deletes the screens it unloaded once each outermost event has been handled; a
  // driver that sends events from outside the event loop does that itself.
  void collect() { app.navigator.collectUnloaded(); }

  TestApp app;
};
