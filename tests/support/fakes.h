#pragma once

#include <QDateTime>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/pause.h"
#include "platform/process_starter.h"
#include "platform/random_source.h"
#include "platform/sound_player.h"

// A clock whose date, time of day and tick counter the test sets.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(QDateTime now = QDateTime(QDate(2026, 12, 9), QTime(10, 0))) : now_(now) {}
  QDateTime now() const override { return now_; }
  qint64 ticksMs() const override { return ticks_; }

  void set(const QDateTime& now) { now_ = now; }
  void set(const QDate& date, const QTime& time = QTime(10, 0)) { now_ = QDateTime(date, time); }
  // Moves both the wall clock and the tick counter on.
  void advanceMs(qint64 ms) {
    now_ = now_.addMSecs(ms);
    ticks_ += ms;
  }
  void advanceSeconds(double seconds) { advanceMs(qint64(seconds * 1000)); }

 private:
  QDateTime now_;
  qint64 ticks_ = 1000000;
};

// Returns the given numbers in turn (cycling), or 0 when none are given.
class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<double> values = {}) : values_(std::move(values)) {}
  void seed(double seedValue) override { seeds.push_back(seedValue); }
  double next() override {
    if (values_.empty()) return 0.0;
    const double v = values_[index_ % values_.size()];
    ++index_;
    return v;
  }
  void setValues(std::vector<double> values) {
    values_ = std::move(values);
    index_ = 0;
  }
  std::vector<double> seeds;

 private:
  std::vector<double> values_;
  std::size_t index_ = 0;
};

// Records what it was asked to play and answers with chosen codes (0 when none are queued).
class RecordingSoundPlayer final : public SoundPlayer {
 public:
  int play(const QString& wavPath) override {
    played.append(wavPath);
    if (codes.empty()) return 0;
    const int code = codes.front();
    codes.pop_front();
    return code;
  }
  QString errorText(int code) const override { return QStringLiteral("error %1").arg(code); }
  // The file names played, without their folders.
  QStringList playedNames() const;

  QStringList played;
  std::deque<int> codes;
};

// Answers message boxes as the test says and records what they showed.
class ScriptedMessageBoxes final : public MessageBoxes {
 public:
  struct Shown {
    QString text;
    QString title;
  };
  void inform(const QString& text, const QString& title) override { shown.push_back({text, title}); }
  bool confirm(const QString& text, const QString& title) override {
    shown.push_back({text, title});
    return confirmAnswer;
  }
  bool askYesNo(const QString& text, const QString& title) override {
    if (!realQuestions) return confirm(text, title);
    shown.push_back({text, title});
    return QtMessageBoxes().askYesNo(text, title);
  }
  std::vector<Shown> shown;
  bool confirmAnswer = true;
  // Yes/No questions come up as the real modal box, for a test that answers it with keys and clicks.
  bool realQuestions = false;
};

// Records the pauses asked for and moves the fake clock on by them; a test can act during a pause.
class FakePause final : public Pause {
 public:
  explicit FakePause(FakeClock* clock = nullptr) : clock_(clock) {}
  void pause(int milliseconds) override {
    pauses.push_back(milliseconds);
    if (clock_) clock_->advanceMs(milliseconds);
    if (onPause) onPause(milliseconds);
  }
  std::vector<int> pauses;
  std::function<void(int)> onPause;

 private:
  FakeClock* clock_;
};

class RecordingProcessStarter final : public ProcessStarter {
 public:
  bool startDetached(const QString& program, const QStringList& arguments) override {
    started.append(program);
    startedArguments.append(arguments);
    return succeed;
  }
  QStringList started;
  QList<QStringList> startedArguments;
  bool succeed = true;
};

// Answers the save dialog with a path the test chose (empty: the user cancelled) and records what
// the program suggested.
class ScriptedFileDialogs final : public FileDialogs {
 public:
  QString saveFileName(QWidget*, const QString& title, const QString& suggestedPath, const QString&) override {
    titles.append(title);
    suggested.append(suggestedPath);
    return answer;
  }
  QString answer;
  QStringList titles;
  QStringList suggested;
};
