#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>
#include <memory>

#include "platform/paint_hold.h"

TEST(PaintHold, HoldsPaintingUntilItEndsOrItsMomentRunsOut) {
  QWidget screen;
  {
    const PaintHold hold(&screen, 10000);
    EXPECT_FALSE(screen.updatesEnabled());
  }
  EXPECT_TRUE(screen.updatesEnabled());

  // The moment runs out in whatever event loop runs meanwhile.
  const PaintHold hold(&screen, 0);
  EXPECT_FALSE(screen.updatesEnabled());
  QCoreApplication::processEvents();
  EXPECT_TRUE(screen.updatesEnabled());
}

TEST(PaintHold, LeavesAScreenHeldElsewhereAndOutlivesItsScreen) {
  QWidget screen;
  screen.setUpdatesEnabled(false);
  { const PaintHold hold(&screen); }
  EXPECT_FALSE(screen.updatesEnabled());

  auto gone = std::make_unique<QWidget>();
  const PaintHold hold(gone.get());
  gone.reset();  // the hold's end touches nothing
}
