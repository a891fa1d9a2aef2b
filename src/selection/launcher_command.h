#pragma once

#include <QString>
#include <QStringList>

// The sibling launcher program this program hands over to, relative to the program's own folder.
struct LauncherCommand {
  QString program;
  QStringList arguments;

  QString commandLine() const;
};

LauncherCommand launcherCommand(const QString& programFolder, int altLayout);
