#pragma once

#include <QString>
#include <QTimer>
#include <functional>

class Navigator;

// Loads the screen the user most likely goes to next, a moment after the current one was given
// to them and while they read it, so that going there only has to bring it forward. The moment
// lets the current screen be drawn first; a user quicker than that gets the screen loaded as
// usual.
class LoadAhead {
 public:
  // `beforeLoad` puts in place what the screen's load needs and its showing would have put there.
  LoadAhead(Navigator& navigator, QString screen, int afterMs, std::function<void()> beforeLoad = {});
  LoadAhead(const LoadAhead&) = delete;
  LoadAhead& operator=(const LoadAhead&) = delete;

  // Starts the moment again.
  void start();
  // Stops waiting, and unloads the screen if it was loaded ahead and is still behind.
  void cancel();

 private:
  Navigator& navigator_;
  QString screen_;
  QTimer moment_;
};
