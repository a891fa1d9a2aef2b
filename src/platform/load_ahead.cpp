#include "platform/load_ahead.h"

#include "platform/navigator.h"

LoadAhead::LoadAhead(Navigator& navigator, QString screen, int afterMs, std::function<void()> beforeLoad)
    : navigator_(navigator), screen_(std::move(screen)) {
  moment_.setSingleShot(true);
  moment_.setInterval(afterMs);
  QObject::connect(&moment_, &QTimer::timeout, [this, beforeLoad = std::move(beforeLoad)] {
    if (navigator_.isLoaded(screen_)) return;
    if (beforeLoad) beforeLoad();
    navigator_.load(screen_);
  });
}

void LoadAhead::start() { moment_.start(); }

void LoadAhead::cancel() {
  moment_.stop();
  // A screen still loading may already have been asked for; it is left to go on.
  if (navigator_.isLoaded(screen_) && !navigator_.isLoading(screen_) && navigator_.currentName() != screen_)
    navigator_.unload(screen_);
}
