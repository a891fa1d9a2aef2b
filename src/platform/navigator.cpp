#include "platform/navigator.h"

#include <QStackedLayout>

Navigator::Navigator(QWidget* host) : host_(host), stack_(new QStackedLayout(host)) {
  stack_->setContentsMargins(0, 0, 0, 0);
}

Navigator::~Navigator() {
  unloadAll();
  collectUnloaded();
}

void Navigator::registerScreen(const QString& name, Factory factory) {
  factories_.insert(name, std::move(factory));
}

Screen* Navigator::find(const QString& name) const { return loaded_.value(name, nullptr); }

Screen* Navigator::current() const { return order_.isEmpty() ? nullptr : find(order_.last()); }

QString Navigator::currentName() const { return order_.isEmpty() ? QString() : order_.last(); }

Screen* Navigator::load(const QString& name) {
  if (Screen* screen = find(name)) return screen;
  auto factory = factories_.find(name);
  Q_ASSERT_X(factory != factories_.end(), "Navigator::load", qPrintable(name));
  Screen* screen = (*factory)().release();
  loaded_.insert(name, screen);
  order_.prepend(name);  // loaded but behind every shown screen
  stack_->addWidget(screen);
  loading_.append(name);
  screen->onLoad();
  loading_.removeOne(name);
  if (askedToShow_.removeAll(name) > 0 && find(name) == screen) return show(name);
  return screen;
}

Screen* Navigator::show(const QString& name) {
  showing_.append(name);
  Screen* screen = load(name);
  showing_.removeOne(name);
  if (find(name) != screen) return nullptr;  // it unloaded itself while loading
  if (loading_.contains(name)) {
    // Asked for by an event that ran during its own load: the request that loads it activates
    // it, or, when it was loaded ahead of its showing, the end of that load does.
    if (!showing_.contains(name) && !askedToShow_.contains(name)) askedToShow_.append(name);
    return screen;
  }
  order_.removeAll(name);
  order_.append(name);
  stack_->setCurrentWidget(screen);
  screen->show();
  screen->setFocus();
  screen->onActivate();
  return screen;
}

void Navigator::unload(const QString& name) {
  Screen* screen = find(name);
  if (!screen) return;
  loaded_.remove(name);
  order_.removeAll(name);
  screen->onUnload();
  stack_->removeWidget(screen);
  screen->hide();
  screen->setEnabled(false);  // no input reaches a screen on its way out
  unloaded_.emplace_back(screen);
  if (Screen* front = current()) stack_->setCurrentWidget(front);
}

void Navigator::collectUnloaded() {
  // Deleting a screen may unload nothing further, but take the list first all the same.
  auto doomed = std::move(unloaded_);
  unloaded_.clear();
}

void Navigator::unloadAll() {
  while (!order_.isEmpty()) unload(order_.last());
}
