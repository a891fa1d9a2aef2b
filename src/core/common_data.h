#pragma once

#include <QString>

struct AppState;

inline const QString kPathFileName = QStringLiteral("パスデータ.txt");
inline const QString kCommonDataFileName = QStringLiteral("共通データ.txt");
inline const QString kSoundFolderName = QStringLiteral("音フォルダ");

// Works out every folder from the program's own folder and the path file beside it, reads the
// common data file, sets the programme title and loads the criteria and the sound table. A missing
// or short file is a FileError; no default is invented and no file is created.
void loadCommonData(AppState& state, const QString& programFolder);

// Splits the school line: a five-character code whose number value is not 0, then the name.
void splitSchoolLine(const QString& line, QString& code, QString& name);
