#pragma once

#include <QDate>
#include <QString>

#include "core/csv_table.h"

struct AppContext;
class QWidget;

// Asks where the table goes (the documents folder and "<name>_<today>.csv" to start with) and saves
// it there; tells the user when it could not be written. False when nothing was saved.
bool exportCsv(AppContext& context, QWidget* parent, const CsvTable& table, const QString& baseName);
// The name the dialog suggests: the documents folder, the base name and today's date.
QString suggestedCsvPath(const QString& baseName, const QDate& today);
