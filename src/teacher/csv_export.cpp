#include "teacher/csv_export.h"

#include <QDate>

#include "core/app_context.h"
#include "core/app_state.h"
#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/file_error.h"
#include "platform/message_boxes.h"

QString suggestedCsvPath(const QString& baseName, const QDate& today) {
  return documentsFolder() + baseName + u'_' + today.toString(QStringLiteral("yyyy-MM-dd")) +
         QStringLiteral(".csv");
}

bool exportCsv(AppContext& context, QWidget* parent, const CsvTable& table, const QString& baseName) {
  const QString title = context.state.programTitle;
  FileDialogs* dialogs = context.services.fileDialogs;
  if (!dialogs) return false;
  const QString path =
      dialogs->saveFileName(parent, QStringLiteral("CSVで保存"),
                            suggestedCsvPath(baseName, context.services.clock.today()),
                            QStringLiteral("CSVファイル (*.csv)"));
  if (path.isEmpty()) return false;
  try {
    table.save(path);
  } catch (const FileError& error) {
    // A full disk or a folder without permission must not end the program.
    context.services.boxes.inform(QStringLiteral("CSVファイルを保存できませんでした。\n") + error.message(), title);
    return false;
  }
  context.services.boxes.inform(QStringLiteral("保存しました。\n") + path, title);
  return true;
}
