#include "app/guarded_application.h"

#include <cstdlib>

#include "platform/file_error.h"
#include "platform/message_boxes.h"

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const FileError& error) {
    if (boxes_) boxes_->inform(error.message(), QStringLiteral("ファイルエラー"));
    std::exit(2);
  } catch (const ProgramEnd& end) {
    std::exit(end.exitCode());
  }
}
