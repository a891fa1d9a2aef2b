#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The school's text files are CP932 (the Windows form of Shift-JIS) with CR LF line ends.
QString decodeCp932(const QByteArray& bytes);
QByteArray encodeCp932(const QString& text);

// Reads a whole text file; a missing or unreadable file is a FileError naming it.
QString readTextFile(const QString& path);
// Writes lines, each ended by CR LF, replacing the file only once everything is written.
void writeTextFile(const QString& path, const QStringList& lines);
