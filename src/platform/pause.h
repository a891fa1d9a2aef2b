#pragma once

class Clock;

// Waits while letting pending window events run, so the screens stay painted.
class Pause {
 public:
  virtual ~Pause() = default;
  virtual void pause(int milliseconds) = 0;
};

// Polls the clock's tick counter in steps of 10 ms, letting window events run on every turn.
class EventLoopPause final : public Pause {
 public:
  explicit EventLoopPause(const Clock& clock) : clock_(clock) {}
  void pause(int milliseconds) override;

 private:
  const Clock& clock_;
};

// Lets pending window events run once.
void letEventsRun();
