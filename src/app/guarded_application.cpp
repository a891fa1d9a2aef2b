#include "app/guarded_application.h"

#include <cstdlib>

#include "platform/file_error.h"
#include "platform/message_boxes.h"
#include "platform/navigator.h"

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  ++depth_;
  const bool handled = dispatch(receiver, event);
  if (--depth_ == 0 && navigator_) navigator_->collectUnloaded();
  return handled;
}

bool GuardedApplication::dispatch(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const FileError& error) {
    if (boxes_) boxes_->inform(error.message(), QStringLiteral("ファイルエラー"));
    std::exit(2);
  } catch (const ProgramEnd& end) {
    std::exit(end.exitCode());
  }
}
