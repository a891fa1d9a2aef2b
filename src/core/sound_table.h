#pragma once

#include <QString>

struct AppState;

inline const QString kSoundTableFileName = QStringLiteral("新音ファイル.txt");

// The group names, 1..10, in table order.
QString soundGroupName(int group);

// Reads the blocks of the sound table: a group name, its file names, then "*". Fields outside a block
// that name no group are skipped. A block of 20 names without "*" keeps the group's old count.
void loadSoundTable(AppState& state);
