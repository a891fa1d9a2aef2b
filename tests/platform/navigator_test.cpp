#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QStringList>

#include "platform/navigator.h"

namespace {

// Records its hooks; a test can give it something to do while it loads.
class ProbeScreen : public Screen {
 public:
  ProbeScreen(const QString& name, QStringList& log) : Screen(name), log_(log) {}
  void onLoad() override {
    log_.append(name() + u":load"_qs);
    if (duringLoad) duringLoad();
  }
  void onActivate() override { log_.append(name() + u":activate"_qs); }
  void onUnload() override { log_.append(name() + u":unload"_qs); }
  std::function<void()> duringLoad;

 private:
  QStringList& log_;
};

struct NavigatorTest : ::testing::Test {
  NavigatorTest() {
    for (const QString name : {u"a"_qs, u"b"_qs})
      navigator.registerScreen(name, [this, name] {
        auto screen = std::make_unique<ProbeScreen>(name, log);
        if (name == u"b"_qs) screen->duringLoad = bLoad;
        return screen;
      });
  }
  QStringList log;
  std::function<void()> bLoad;
  QWidget host;
  Navigator navigator{&host};
};

}  // namespace

TEST_F(NavigatorTest, ShowsTheNextScreenThenUnloadsTheCurrentOne) {
  navigator.show(u"a"_qs);
  navigator.show(u"b"_qs);
  navigator.unload(u"a"_qs);
  EXPECT_EQ(log, (QStringList{u"a:load"_qs, u"a:activate"_qs, u"b:load"_qs, u"b:activate"_qs, u"a:unload"_qs}));
  EXPECT_EQ(navigator.currentName(), u"b"_qs);
  EXPECT_FALSE(navigator.isLoaded(u"a"_qs));
  navigator.unload(u"b"_qs);
  EXPECT_EQ(navigator.current(), nullptr);
}

TEST_F(NavigatorTest, AnUnloadedScreenLivesUntilItIsCollected) {
  // Events that run inside a screen's own load may unload it; it must not vanish under its hook.
  QPointer<Screen> b;
  bLoad = [&] {
    b = navigator.find(u"b"_qs);
    navigator.unload(u"b"_qs);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(b.isNull());
  };
  EXPECT_EQ(navigator.show(u"b"_qs), nullptr);
  EXPECT_FALSE(b.isNull());
  EXPECT_FALSE(b->isEnabled());
  navigator.collectUnloaded();
  EXPECT_TRUE(b.isNull());
}

TEST_F(NavigatorTest, AShowAskedForDuringTheScreensOwnLoadActivatesItOnce) {
  bLoad = [&] { navigator.show(u"b"_qs); };
  navigator.show(u"b"_qs);
  EXPECT_EQ(log, (QStringList{u"b:load"_qs, u"b:activate"_qs}));
}

TEST_F(NavigatorTest, AScreenLoadedAheadStaysBehindUntilItIsAskedFor) {
  navigator.show(u"a"_qs);
  navigator.load(u"b"_qs);
  EXPECT_EQ(navigator.currentName(), u"a"_qs);
  navigator.show(u"b"_qs);
  EXPECT_EQ(log, (QStringList{u"a:load"_qs, u"a:activate"_qs, u"b:load"_qs, u"b:activate"_qs}));
  EXPECT_EQ(navigator.currentName(), u"b"_qs);
}

TEST_F(NavigatorTest, AShowAskedForWhileTheScreenLoadsAheadIsDoneWhenTheLoadEnds) {
  // The user's key reaches the front screen during the load, and that screen makes way at once.
  navigator.show(u"a"_qs);
  bLoad = [&] {
    navigator.show(u"b"_qs);
    navigator.unload(u"a"_qs);
    log.append(u"b:load goes on"_qs);
  };
  navigator.load(u"b"_qs);
  EXPECT_EQ(log, (QStringList{u"a:load"_qs, u"a:activate"_qs, u"b:load"_qs, u"a:unload"_qs, u"b:load goes on"_qs,
                              u"b:activate"_qs}));
  EXPECT_EQ(navigator.currentName(), u"b"_qs);
}
