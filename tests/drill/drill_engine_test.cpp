#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <set>

#include "core/app_state.h"
#include "drill/drill_engine.h"
#include "drill/drill_view.h"
#include "support/fakes.h"

namespace {

// Remembers what the engine asked to show; ends a run the way the drill screen does.
class RecordingView final : public DrillView {
 public:
  void showRemaining(int count) override { remaining.push_back(count); }
  void showProblem(int multiplicand, int multiplier) override {
    problems.push_back({multiplicand, multiplier});
  }
  void clearProblem() override {}
  void showTypedAnswer(const QString& text) override { typed = text; }
  void showRetrying(bool on) override { retrying.push_back(on); }
  void showCorrectAnswer(int answer) override {
    correctAnswer = answer;
    correctAnswerVisible = true;
  }
  void hideCorrectAnswer() override { correctAnswerVisible = false; }
  void showConfirmPrompt(bool visible) override { promptVisible = visible; }
  void showElapsed(int seconds) override { elapsed = seconds; }
  void showElapsedBar(double width) override { barWidth = width; }
  void repaintNow() override {}
  void playCorrectCue() override {
    cues.push_back("correct");
    if (clock) clock->advanceMs(cueMs);
  }
  void playWrongCue() override {
    cues.push_back("wrong");
    if (clock) clock->advanceMs(cueMs);
    if (duringWrongCue) duringWrongCue();
  }
  void playWarningCue() override { cues.push_back("warning"); }
  void startDrillClock() override { clockRunning = true; }
  void stopDrillClock() override { clockRunning = false; }
  void finishRun() override {
    if (!engine->beginFinish()) return;
    engine->fixRunTime();
    ++finishes;
  }

  DrillEngine* engine = nullptr;
  // A cue lasts this long on the clock, when set: the engine plays cues to their end.
  FakeClock* clock = nullptr;
  qint64 cueMs = 0;
  std::vector<Problem> problems;
  std::vector<bool> retrying;
  std::vector<int> remaining;
  std::vector<std::string> cues;
  QString typed;
  int correctAnswer = 0;
  bool correctAnswerVisible = false;
  bool promptVisible = false;
  int elapsed = -1;
  double barWidth = -1;
  bool clockRunning = false;
  int finishes = 0;
  std::function<void()> duringWrongCue;
};

constexpr double kBarWidth = 1000;

// One run of a level on the engine, set up as the drill screen does when it opens.
struct Drill {
  explicit Drill(int level, int lowestTime = 120, std::vector<double> randomValues = {}) {
    random.setValues(std::move(randomValues));
    state->currentLevel = level;
    state->lowestTime[level] = lowestTime;
    state->passTime[level] = 60;
    view.engine = &engine;
    engine.初期設定();
    engine.レベル別設定();
    engine.スタート();
    engine.問題作成表示();
  }

  void type(const QString& text) {
    for (QChar c : text) engine.keyPress(c.unicode());
  }
  void answer(const QString& text) {
    type(text);
    engine.keyPress(DrillEngine::kSpace);
  }
  void answerRight() { answer(QString::number(engine.currentProblem().answer())); }
  void answerWrong() {
    answer(QString::number(engine.currentProblem().answer() + 1));
    engine.keyPress(u'+');
    engine.keyPress(u'+');
  }
  void tickAt(qint64 msSinceStart) {
    clock.advanceMs(startTicks + msSinceStart - clock.ticksMs());
    engine.clockTick();
  }

  std::unique_ptr<AppState> state = std::make_unique<AppState>();
  FakeClock clock;
  qint64 startTicks = clock.ticksMs();
  ScriptedRandom random;
  RecordingView view;
  DrillEngine engine{*state, clock, random, view, kBarWidth};
};

std::vector<Problem> times11(std::initializer_list<int> multipliers) {
  std::vector<Problem> problems;
  for (int m : multipliers) problems.push_back({11, m});
  return problems;
}

TEST(SequentialDrill, MissedProblemIsRetriedOnTheRetryColourAfterThePass) {
  Drill drill(3);
  drill.answerRight();  // 11 x 11
  drill.answerRight();  // 11 x 12
  drill.answerWrong();  // 11 x 13
  drill.answerRight();  // 11 x 14
  drill.answerRight();  // 11 x 15
  drill.answerRight();  // 11 x 13 again
  drill.answerRight();  // a new pass

  EXPECT_EQ(drill.view.problems, times11({11, 12, 13, 14, 15, 13, 11, 12}));
  EXPECT_EQ(drill.view.retrying,
            (std::vector<bool>{false, false, false, false, false, true, false, false}));
  EXPECT_EQ(drill.state->correctCount, 6);
  EXPECT_EQ(drill.view.remaining.back(), 15 - 6);
}

TEST(SequentialDrill, RetryMissedAgainIsServedAgainBeforeTheNextPass) {
  Drill drill(3);
  for (int i = 0; i < 4; ++i) drill.answerRight();
  drill.answerWrong();  // 11 x 15
  drill.answerWrong();  // its retry
  drill.answerRight();  // the second retry
  EXPECT_EQ(drill.view.problems, times11({11, 12, 13, 14, 15, 15, 15, 11}));
  EXPECT_EQ(drill.view.retrying.back(), false);
}

TEST(SequentialDrill, RunEndsOnTheThirtiethCorrectAnswerOfLevelOne) {
  Drill drill(1);
  for (int i = 0; i < 29; ++i) drill.answerRight();
  EXPECT_EQ(drill.view.finishes, 0);
  drill.answerRight();

  EXPECT_EQ(drill.view.finishes, 1);
  EXPECT_EQ(drill.state->runEnding[0], 1);
  EXPECT_FALSE(drill.view.clockRunning);
  EXPECT_EQ(drill.view.remaining.back(), 0);
  std::vector<Problem> threePasses;
  for (int pass = 0; pass < 3; ++pass)
    for (int m = 1; m <= 10; ++m) threePasses.push_back({11, m});
  EXPECT_EQ(drill.view.problems, threePasses);
}

TEST(SequentialDrill, RunEndsOnARetryWhenThatIsTheLastNeededAnswer) {
  Drill drill(3);
  for (int i = 0; i < 14; ++i) drill.answerRight();  // two passes and 11 x 11..14
  drill.answerWrong();                                // 11 x 15
  ASSERT_TRUE(drill.engine.retrying());
  EXPECT_EQ(drill.engine.currentProblem(), (Problem{11, 15}));
  drill.answerRight();
  EXPECT_EQ(drill.view.finishes, 1);
  EXPECT_EQ(drill.state->correctCount, 15);
}

TEST(RandomDrill, EachProblemMustBeAnsweredOnceAndAMissCanComeStraightBack) {
  // Draws 11x11, 11x11, (11x11 done) 11x12, 11x13, 11x14, 11x15.
  Drill drill(4, 120, {0.1, 0.1, 0.1, 0.3, 0.5, 0.7, 0.9});
  drill.answerWrong();
  for (int i = 0; i < 4; ++i) drill.answerRight();
  EXPECT_EQ(drill.view.finishes, 0);
  drill.answerRight();

  EXPECT_EQ(drill.view.problems, times11({11, 11, 12, 13, 14, 15}));
  EXPECT_EQ(drill.view.remaining, (std::vector<int>{5, 5, 5, 4, 3, 2, 1, 0}));
  EXPECT_EQ(drill.view.finishes, 1);
  EXPECT_EQ(drill.state->runEnding[0], 1);
  EXPECT_EQ(drill.state->correctCount, 0);  // counted by problemDone in random order
}

TEST(RandomDrill, LevelTwentyFiveServesSixtyDistinctProblems) {
  std::vector<double> draws;  // every problem once, in a shuffled order
  for (int i = 0; i < 60; ++i) draws.push_back((i * 37 % 60 + 0.5) / 60);
  Drill drill(25, 120, draws);
  for (int i = 0; i < 60; ++i) drill.answerRight();

  std::set<std::pair<int, int>> shown;
  for (const Problem& p : drill.view.problems) shown.insert({p.multiplicand, p.multiplier});
  EXPECT_EQ(drill.view.problems.size(), 60u);
  EXPECT_EQ(shown.size(), 60u);
  EXPECT_EQ(*shown.begin(), std::make_pair(11, 1));
  EXPECT_EQ(*shown.rbegin(), std::make_pair(13, 20));
  EXPECT_EQ(drill.view.finishes, 1);
}

TEST(DrillJudging, TypedTextIsReadAsALeadingNumber) {
  const struct {
    const char16_t* typed;
    bool correct;
  } cases[] = {{u"11", true}, {u"11.", true}, {u"+11", true}, {u"011", true}, {u"1+1", false},
               {u"-11", false}, {u"", false}, {u"*", false}, {u"110", false}};
  for (const auto& c : cases) {
    Drill drill(1);  // 11 x 1
    const QString typed = QString::fromUtf16(c.typed);
    drill.answer(typed);
    EXPECT_EQ(drill.view.cues.back(), c.correct ? "correct" : "wrong") << typed.toStdString();
  }
}

TEST(DrillJudging, WrongAnswerShowsTheAnswerAndWaitsForTwoPlusKeys) {
  Drill drill(1);
  drill.answer(QString());  // Space alone is a wrong answer
  EXPECT_EQ(drill.state->plusKeyState, 1);
  EXPECT_TRUE(drill.view.correctAnswerVisible);
  EXPECT_EQ(drill.view.correctAnswer, 11);
  EXPECT_TRUE(drill.view.promptVisible);
  EXPECT_EQ(drill.state->judging, 0);

  drill.engine.keyPress(u'+');
  drill.engine.keyPress(u'7');  // breaks the pair and is not typed
  drill.engine.keyPress(u'+');
  EXPECT_EQ(drill.view.problems.size(), 1u);
  EXPECT_EQ(drill.engine.typedAnswer(), QString());
  EXPECT_EQ(drill.state->plusKeyState, 2);

  drill.engine.keyPress(u'+');
  EXPECT_EQ(drill.state->plusKeyState, 0);
  EXPECT_FALSE(drill.view.correctAnswerVisible);
  EXPECT_FALSE(drill.view.promptVisible);
  EXPECT_EQ(drill.view.problems, times11({1, 2}));
}

TEST(DrillKeys, TypingRules) {
  const struct {
    const char16_t* keys;
    const char16_t* typed;
    int warnings;
  } cases[] = {
      {u"1234", u"123", 1},        // a fourth character is refused with the warning
      {u"123\b", u"12", 0},        // Backspace still works at three characters
      {u"\b\b1", u"1", 0},         // Backspace on nothing does nothing
      {u"1a2", u"12", 0},          // only * + , - . / and digits are typed
      {u"*+,", u"*+,", 0},
      {u"-./", u"-./", 0},
      {u")0:", u"0", 0},           // just outside the range
      {u"123a", u"123", 1},        // any fourth key warns, typed or not
  };
  for (const auto& c : cases) {
    const QString keys = QString::fromUtf16(c.keys);
    Drill drill(1);
    drill.type(keys);
    EXPECT_EQ(drill.engine.typedAnswer(), QString::fromUtf16(c.typed)) << keys.toStdString();
    EXPECT_EQ(drill.view.typed, drill.engine.typedAnswer()) << keys.toStdString();
    EXPECT_EQ(std::count(drill.view.cues.begin(), drill.view.cues.end(), "warning"), c.warnings)
        << keys.toStdString();
  }
}

TEST(DrillKeys, ClearEmptiesTheTypedAnswerInEveryState) {
  Drill drill(1, 40);
  drill.type(QStringLiteral("12"));
  drill.engine.clearTyped();
  EXPECT_EQ(drill.engine.typedAnswer(), QString());

  drill.answer(QStringLiteral("12"));  // wrong: the typed answer stays until the confirmation
  EXPECT_EQ(drill.engine.typedAnswer(), QStringLiteral("12"));
  drill.engine.clearTyped();
  EXPECT_EQ(drill.view.typed, QString());
  drill.engine.keyPress(u'+');
  drill.engine.clearTyped();
  EXPECT_EQ(drill.state->plusKeyState, 2);

  drill.engine.keyPress(u'+');
  drill.type(QStringLiteral("9"));
  drill.tickAt(200000);
  ASSERT_EQ(drill.state->timedOut, 1);
  drill.engine.clearTyped();
  EXPECT_EQ(drill.view.typed, QString());
}

TEST(DrillKeys, KeysAreIgnoredWhileJudgingAndAfterTheEnd) {
  Drill judging(1);
  judging.state->judging = 1;
  judging.answer(QStringLiteral("11"));
  EXPECT_EQ(judging.engine.typedAnswer(), QString());
  EXPECT_TRUE(judging.view.cues.empty());

  Drill ended(1, 40);
  ended.tickAt(200000);
  ended.answer(QStringLiteral("11"));
  EXPECT_EQ(ended.engine.typedAnswer(), QString());
  EXPECT_TRUE(ended.view.cues.empty());
  EXPECT_EQ(ended.view.problems.size(), 1u);
}

TEST(DrillClock, ElapsedTimeRoundsHalvesToEvenAndCountsTenSecondsPerWrongAnswer) {
  const struct {
    qint64 ms;
    int wrongAnswers;
    int elapsed;
  } cases[] = {{0, 0, 0},     {1499, 0, 1},   {2500, 0, 2},   {3500, 0, 4},
               {3000, 1, 13}, {3000, 2, 23}, {500, 1, 10}, {86400000 + 400, 0, 86400}};
  for (const auto& c : cases) {
    Drill drill(1, 100000);
    for (int i = 0; i < c.wrongAnswers; ++i) drill.answerWrong();
    drill.tickAt(c.ms);
    EXPECT_EQ(drill.state->elapsedSeconds, c.elapsed) << c.ms << " ms, " << c.wrongAnswers;
    EXPECT_EQ(drill.view.elapsed, c.elapsed);
  }
}

TEST(DrillClock, TimesOutAtTheFirstTickAtTheLimit) {
  // Lowest time 40: a limit of 200 s; a wrong answer brings it 10 s closer.
  const struct {
    qint64 ms;
    int wrongAnswers;
    bool timesOut;
  } cases[] = {{199400, 0, false}, {199500, 0, true}, {200000, 0, true},
               {189400, 1, false}, {190000, 1, true}};
  for (const auto& c : cases) {
    Drill drill(2, 40, {0.1});
    for (int i = 0; i < c.wrongAnswers; ++i) drill.answerWrong();
    drill.tickAt(c.ms);
    SCOPED_TRACE(c.ms);
    EXPECT_EQ(drill.state->timedOut, c.timesOut ? 1 : 0);
    EXPECT_EQ(drill.view.finishes, c.timesOut ? 1 : 0);
    EXPECT_EQ(drill.view.clockRunning, !c.timesOut);
    if (c.timesOut) {
      EXPECT_EQ(drill.view.barWidth, kBarWidth);
      EXPECT_EQ(drill.state->runTime, kNoTime);
    } else {
      EXPECT_DOUBLE_EQ(drill.view.barWidth, drill.state->elapsedSeconds * kBarWidth / 200);
    }
  }
}

TEST(DrillClock, TimeOutDuringAJudgementWaitsForTheNextTick) {
  Drill drill(1, 40);
  drill.view.duringWrongCue = [&] { drill.tickAt(200000); };
  drill.answer(QStringLiteral("5"));
  EXPECT_EQ(drill.state->timedOut, 0);
  EXPECT_EQ(drill.view.finishes, 0);
  EXPECT_EQ(drill.view.barWidth, kBarWidth);

  drill.view.duringWrongCue = nullptr;
  drill.tickAt(201000);
  EXPECT_EQ(drill.state->timedOut, 1);
  EXPECT_EQ(drill.view.finishes, 1);
}

TEST(DrillClock, CompletedRunIsNotTimedOutAfterwards) {
  Drill drill(4, 40, {0.1, 0.3, 0.5, 0.7, 0.9});
  for (int i = 0; i < 5; ++i) drill.answerRight();
  ASSERT_EQ(drill.view.finishes, 1);
  drill.tickAt(250000);
  EXPECT_EQ(drill.state->timedOut, 0);
  EXPECT_EQ(drill.view.finishes, 1);
  EXPECT_FALSE(drill.engine.beginFinish());
}

TEST(DrillClock, RunTimeIsTheClockThePupilSawPlusPenaltiesSinceItsLastTick) {
  // Level 3 needs 15 correct answers; the last Space comes at lastSpaceMs.
  const struct {
    const char* what;
    qint64 lastTickMs;  // -1: the run ends before the clock's first tick
    int wrongBeforeTick;
    int wrongAfterTick;
    qint64 lastSpaceMs;
    int runTime;
  } cases[] = {
      {"last Space 0.7 s after a tick", 5000, 0, 0, 5700, 5},
      {"last Space just before the next tick", 59000, 0, 0, 59999, 59},
      {"penalty between the last tick and the last Space", 5000, 0, 1, 5600, 15},
      {"two penalties after the last tick", 5000, 0, 2, 5900, 25},
      {"penalty before the last tick counted once", 5000, 1, 0, 5700, 15},
      {"no tick at all", -1, 0, 0, 800, 0},
      {"no tick, one penalty", -1, 0, 1, 900, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Drill drill(3);
    for (int i = 0; i < c.wrongBeforeTick; ++i) drill.answerWrong();
    for (int i = 0; i < 14; ++i) drill.answerRight();
    if (c.lastTickMs >= 0) drill.tickAt(c.lastTickMs);
    for (int i = 0; i < c.wrongAfterTick; ++i) drill.answerWrong();
    drill.clock.advanceMs(drill.startTicks + c.lastSpaceMs - drill.clock.ticksMs());
    drill.answerRight();
    while (drill.view.finishes == 0) drill.answerRight();  // the retries of the missed ones
    EXPECT_EQ(drill.state->runTime, c.runTime);
    EXPECT_EQ(drill.state->elapsedSeconds, c.runTime);
  }
}

// Each answer is timed from its problem appearing to its Space; the cue after it and the pupil's
// reading of a shown answer before "++" belong to no answer.
TEST(DrillAnswers, EachAnswerIsKeptWithItsOwnTimeAndResult) {
  Drill drill(3);
  drill.view.clock = &drill.clock;
  drill.view.cueMs = 700;
  auto after = [&](qint64 ms) { drill.clock.advanceMs(ms); };

  after(1500);
  drill.answerRight();  // 11 x 11
  after(2300);
  drill.answer(u"122"_qs);  // 11 x 12, wrong
  after(3000);              // reads the right answer
  drill.type(u"++"_qs);
  after(1200);
  drill.answer(QString());  // 11 x 13, nothing typed
  drill.type(u"++"_qs);
  after(400);
  drill.answerRight();  // 11 x 14
  after(600);
  drill.answerRight();  // 11 x 15
  after(1800);
  drill.answerRight();  // retry of 11 x 12
  after(900);
  drill.answerRight();  // retry of 11 x 13

  using R = AnswerRecord::Result;
  const struct {
    int multiplier;
    R result;
    int ms;
    int typed;
  } expected[] = {{11, R::Right, 1500, 121}, {12, R::Wrong, 2300, 122},       {13, R::Wrong, 1200, -1},
                  {14, R::Right, 400, 154},  {15, R::Right, 600, 165},         {12, R::RightOnRetry, 1800, 132},
                  {13, R::RightOnRetry, 900, 143}};
  const auto& kept = drill.state->runAnswers;
  ASSERT_EQ(kept.size(), std::size(expected));
  for (std::size_t i = 0; i < kept.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(kept[i].multiplicand, 11);
    EXPECT_EQ(kept[i].multiplier, expected[i].multiplier);
    EXPECT_EQ(kept[i].result, expected[i].result);
    EXPECT_EQ(kept[i].answerMs, expected[i].ms);
    EXPECT_EQ(kept[i].typed, expected[i].typed);
    EXPECT_EQ(kept[i].level, 3);
  }
}

TEST(DrillAnswers, ATimedOutRunKeepsTheAnswersGivenAndANewRunStartsEmpty) {
  Drill drill(3, 2);  // a limit of 10 s
  drill.clock.advanceMs(3000);
  drill.answerRight();
  drill.clock.advanceMs(4000);
  drill.answerWrong();
  drill.tickAt(10000);
  ASSERT_EQ(drill.state->timedOut, 1);
  drill.answerRight();  // too late: ignored
  ASSERT_EQ(drill.state->runAnswers.size(), 2u);
  EXPECT_EQ(drill.state->runAnswers[1].result, AnswerRecord::Result::Wrong);
  EXPECT_EQ(drill.state->runAnswers[1].answerMs, 4000);

  drill.engine.初期設定();
  EXPECT_TRUE(drill.state->runAnswers.empty());
}

TEST(DrillStatus, TimeLimitAndBarScaleFollowTheLowestTime) {
  const struct {
    int lowestTime;
    int timeLimit;
    double barScale;
  } cases[] = {{40, 200, 5.0}, {120, 600, kBarWidth / 600}, {0, 0, 0.0},
               // A stray huge number in the criteria table caps the limit instead of wrapping it.
               {INT_MAX, INT_MAX, kBarWidth / INT_MAX}};
  for (const auto& c : cases) {
    Drill drill(1, c.lowestTime);
    EXPECT_EQ(drill.state->timeLimit, c.timeLimit);
    EXPECT_DOUBLE_EQ(drill.state->barScale, c.barScale);
  }
}

TEST(DrillStatus, TodaysRunsCountEveryLevel) {
  auto state = std::make_unique<AppState>();
  state->currentPupilNo = 7;
  state->todayRuns(3, 7) = 2;
  state->todayRuns(20, 7) = 1;  // levels past 15 count too
  state->todayRuns(20, 8) = 5;  // another pupil's runs do not
  FakeClock clock;
  ScriptedRandom random;
  RecordingView view;
  DrillEngine engine(*state, clock, random, view, kBarWidth);
  engine.初期設定();
  EXPECT_EQ(state->todayRunsSum, 3);
}

TEST(DrillStatus, MinutesSinceThePupilWasChosen) {
  const struct {
    QTime now;
    int chosenSecond;
    int minutes;
  } cases[] = {{QTime(10, 0), 36000, 0},
               {QTime(10, 9, 59), 36000, 9},
               {QTime(10, 10), 36000, 10},
               {QTime(0, 1, 30), 23 * 3600 + 59 * 60, 2}};  // chosen before midnight
  for (const auto& c : cases) {
    auto state = std::make_unique<AppState>();
    state->nameChosenSecond = c.chosenSecond;
    FakeClock clock(QDateTime(QDate(2026, 12, 9), c.now));
    ScriptedRandom random;
    RecordingView view;
    DrillEngine engine(*state, clock, random, view, kBarWidth);
    EXPECT_EQ(engine.minutesSinceChosen(), c.minutes) << c.now.toString().toStdString();
  }
}

}  // namespace
