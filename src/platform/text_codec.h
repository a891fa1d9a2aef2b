#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The school's text files are CP932 (the Windows form of Shift-JIS) with CR LF line ends.
QString decodeCp932(const QByteArray& bytes);
QByteArray encodeCp932(const QString& text);

// The text a data file's bytes hold. CP932 is the school's format, but a file saved as UTF-8 is
// read as UTF-8: one that begins with the byte-order mark, or one whose bytes are valid UTF-8 as a
// whole and either are no CP932 or look more like Japanese text read as UTF-8 than read as CP932.
// CP932 bytes of Japanese are almost never valid UTF-8, since the first byte of every kana and
// first-level kanji cannot begin a UTF-8 character. Bytes that are neither (UTF-16, which begins with
// FF FE or FE FF and holds NUL bytes, or bytes no CP932 file holds) are a FileError naming the file.
QString decodeTextFile(const QByteArray& bytes, const QString& path);

// Reads a whole text file as decodeTextFile() does; a missing or unreadable file is a FileError naming
// it.
QString readTextFile(const QString& path);
// Writes lines, each ended by CR LF, in CP932, replacing the file only once everything is written.
void writeTextFile(const QString& path, const QStringList& lines);
