#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

#include "core/app_state.h"
#include "core/sound_cues.h"
#include "demo/wav_tone.h"
#include "drill/drill_engine.h"
#include "drill/drill_view.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/random_source.h"
#include "platform/sound_player.h"

namespace {

constexpr int kToneMs = 50;

// A drill screen that shows nothing and plays its cues through the real SDL player, so the
// benchmark sees what a pupil waits for after each correct answer.
class SoundingView final : public DrillView {
 public:
  explicit SoundingView(SoundCues cues) : cues_(cues) {}
  void showRemaining(int) override {}
  void showProblem(int, int) override {}
  void clearProblem() override {}
  void showTypedAnswer(const QString&) override {}
  void showRetrying(bool) override {}
  void showCorrectAnswer(int) override {}
  void hideCorrectAnswer() override {}
  void showConfirmPrompt(bool) override {}
  void showElapsed(int) override {}
  void showElapsedBar(double) override {}
  void repaintNow() override {}
  void playCorrectCue() override { cues_.playCorrectCue(); }
  void playWrongCue() override { cues_.playWrongCue(); }
  void playWarningCue() override { cues_.playWarningCue(); }
  void startDrillClock() override {}
  void stopDrillClock() override {}
  void finishRun() override { finished = true; }
  bool finished = false;

 private:
  SoundCues cues_;
};

struct CueSetup {
  CueSetup() {
    // The figure is defined on the dummy driver, the one every test machine has.
    qputenv("SDL_AUDIODRIVER", "dummy");
    AppState& s = *state;
    s.soundFolder = dir.path() + QDir::separator();
    writeToneWav(s.soundFolder + QStringLiteral("seikai.wav"), {{880, kToneMs}});
    s.soundTable[2].count = 1;
    s.soundTable[2].files[1] = QStringLiteral("seikai");
    s.currentLevel = 1;
    s.passTime[1] = 60;
    s.lowestTime[1] = 120;
  }
  void startRun() {
    view.finished = false;
    engine.初期設定();
    engine.レベル別設定();
    engine.スタート();
    engine.問題作成表示();
  }
  void typeCorrectAnswer() {
    for (QChar digit : QString::number(engine.currentProblem().answer())) engine.keyPress(digit.unicode());
  }

  QTemporaryDir dir;
  SystemClock clock;
  SeededRandom random;
  SdlSoundPlayer sound;
  QtMessageBoxes boxes;
  std::unique_ptr<AppState> state = std::make_unique<AppState>();
  SoundingView view{SoundCues(*state, sound, random, boxes)};
  DrillEngine engine{*state, clock, random, view, 1000};
};

// The time from the Space key of a correct answer to the next problem on screen, less the cue's own
// length: what the program itself adds to the pupil's run time.
void correctCueOverhead(benchmark::State& bench) {
  CueSetup setup;
  setup.startRun();
  for (auto _ : bench) {
    if (setup.view.finished) setup.startRun();
    setup.typeCorrectAnswer();
    const auto began = std::chrono::steady_clock::now();
    setup.engine.keyPress(DrillEngine::kSpace);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;
    bench.SetIterationTime(took.count() - kToneMs / 1000.0);
  }
  if (setup.state->soundErrorCount != 0) bench.SkipWithError("the cue did not play");
}

}  // namespace

BENCHMARK(correctCueOverhead)->Name("correct_cue_overhead")->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);
