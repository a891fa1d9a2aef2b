#include "platform/text_codec.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "platform/file_error.h"

QString decodeCp932(const QByteArray& bytes) {
  QStringDecoder decoder("CP932");
  return decoder.decode(bytes);
}

QByteArray encodeCp932(const QString& text) {
  QStringEncoder encoder("CP932");
  return encoder.encode(text);
}

QString readTextFile(const QString& path) {
  QFile file(path);
  if (!file.exists()) throw FileError(QStringLiteral("ファイルが見つかりません。\n%1").arg(path));
  if (!file.open(QIODevice::ReadOnly))
    throw FileError(QStringLiteral("ファイルを読めません。\n%1\n%2").arg(path, file.errorString()));
  return decodeCp932(file.readAll());
}

void writeTextFile(const QString& path, const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += encodeCp932(line) + "\r\n";
  // Written unbuffered and flushed before the rename: QSaveFile renames over the old file even
  // when its own final flush failed (a full disk), which would leave a cut-off file behind.
  QSaveFile file(path);
  const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                       file.write(bytes) == bytes.size() && file.flush() && file.commit();
  if (!written) {
    const QString reason = file.errorString();
    file.cancelWriting();
    throw FileError(QStringLiteral("ファイルに書き込めません。\n%1\n%2").arg(path, reason));
  }
}
