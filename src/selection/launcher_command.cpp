#include "selection/launcher_command.h"

#include <QDir>

#include "core/folders.h"

QString LauncherCommand::commandLine() const { return (QStringList{program} + arguments).join(u' '); }

LauncherCommand launcherCommand(const QString& programFolder, int altLayout) {
  const QString folder = withSeparator(programFolder);
  if (altLayout == 1)
    return {QDir::toNativeSeparators(folder + QStringLiteral("../../起動/起動/学習ランチャー.exe")), {}};
  return {QDir::toNativeSeparators(folder + QStringLiteral("../起動/学習ランチャーc.exe")),
          {QStringLiteral("001")}};
}
