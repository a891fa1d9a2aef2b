#include "platform/pause.h"

#include <QCoreApplication>
#include <QThread>

#include "platform/clock.h"

void letEventsRun() { QCoreApplication::processEvents(); }

void EventLoopPause::pause(int milliseconds) {
  qint64 remembered = clock_.ticksMs();
  int steps = 0;
  while (steps * 10 < milliseconds) {
    if (clock_.ticksMs() - remembered > 10) {
      ++steps;
      remembered += 10;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
}
