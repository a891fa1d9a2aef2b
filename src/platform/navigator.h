#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "platform/screen.h"

class QStackedLayout;

// Hosts one full-screen window and the screens in it. Showing a screen loads it when it is not
// loaded, puts it in front and activates it; a screen change shows the next screen first and then
// unloads the current one, as the caller decides.
class Navigator {
 public:
  using Factory = std::function<std::unique_ptr<Screen>()>;

  explicit Navigator(QWidget* host);
  ~Navigator();
  Navigator(const Navigator&) = delete;
  Navigator& operator=(const Navigator&) = delete;

  void registerScreen(const QString& name, Factory factory);

  // Creates and loads the screen if needed, without showing it. A screen may be loaded ahead of
  // its showing while another one is in front; a request to show it that comes from an event run
  // during that load is carried out as soon as the load is done.
  Screen* load(const QString& name);
  Screen* show(const QString& name);
  // Hides the screen and runs its unload hook. The screen object itself lives on until
  // collectUnloaded(): window events run inside the screens' own handlers, so a deferred delete
  // could otherwise destroy a screen whose load or click handler is still running.
  void unload(const QString& name);
  void unloadAll();
  // Deletes the unloaded screens; call it only when no screen code is running.
  void collectUnloaded();

  Screen* find(const QString& name) const;
  bool isLoaded(const QString& name) const { return find(name) != nullptr; }
  bool isLoading(const QString& name) const { return loading_.contains(name); }
  Screen* current() const;
  QString currentName() const;

  template <class T>
  T* find(const QString& name) const { return dynamic_cast<T*>(find(name)); }

 private:
  QWidget* host_;
  QStackedLayout* stack_;
  QHash<QString, Factory> factories_;
  QHash<QString, Screen*> loaded_;
  QStringList order_;  // loaded screens, front last
  QStringList loading_;  // screens whose load hook is running
  QStringList showing_;  // screens being loaded by a request to show them
  QStringList askedToShow_;  // screens asked for while loaded ahead of their showing
  std::vector<std::unique_ptr<Screen>> unloaded_;
};
