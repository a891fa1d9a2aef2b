#include "platform/text_codec.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cstdint>
#include <optional>

#include "platform/file_error.h"

QString decodeCp932(const QByteArray& bytes) {
  QStringDecoder decoder("CP932");
  return decoder.decode(bytes);
}

QByteArray encodeCp932(const QString& text) {
  QStringEncoder encoder("CP932");
  return encoder.encode(text);
}

namespace {
// The text, or nothing when the bytes are not that encoding. Stateless, so that a character cut off
// at the end of the file counts as an error too.
std::optional<QString> strictlyDecoded(const char* encoding, QByteArrayView bytes) {
  QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

bool isHalfWidthKatakana(QChar c) { return c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F; }
bool isWide(QChar c) { return c.unicode() >= 0x80 && !isHalfWidthKatakana(c); }

// How much a reading looks like Japanese text. Each character that CP932 writes in its first rows
// (symbols, kana and the first level of kanji: what names and headings are made of) counts for it; any
// other character beyond ASCII counts against it, and so does half-width katakana right beside such a
// character. When CP932 bytes of Japanese happen to be valid UTF-8 (a second-level kanji whose bytes
// run on into the next character's), the UTF-8 reading holds rare kanji or Cyrillic where the CP932
// reading holds common characters; text written in UTF-8 and read as CP932 comes out as second-level
// kanji mixed with half-width katakana.
int japaneseScore(const QString& text) {
  QStringEncoder encoder("CP932", QStringConverter::Flag::Stateless);
  int score = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.unicode() < 0x80) continue;
    if (isHalfWidthKatakana(c)) {
      if ((i > 0 && isWide(text[i - 1])) || (i + 1 < text.size() && isWide(text[i + 1]))) --score;
      continue;
    }
    const QByteArray bytes = encoder.encode(QStringView(text).sliced(i, 1));
    const int code = bytes.size() == 2 ? (std::uint8_t(bytes[0]) << 8) | std::uint8_t(bytes[1]) : 0;
    score += code >= 0x8140 && code < 0x989F ? 1 : -1;
  }
  return score;
}

FileError unreadableEncoding(const QString& path) {
  return FileError(
      QStringLiteral("ファイルの文字コードが読めません。シフトJIS（CP932）かUTF-8で保存して下さい。\n%1").arg(path));
}
}  // namespace

QString decodeTextFile(const QByteArray& bytes, const QString& path) {
  // UTF-16 (a spreadsheet's "Unicode text") starts with its byte-order mark and puts a NUL byte
  // beside every ASCII character; neither CP932 nor UTF-8 text holds a NUL.
  if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.contains('\0'))
    throw unreadableEncoding(path);
  if (bytes.startsWith("\xEF\xBB\xBF")) {
    const std::optional<QString> text = strictlyDecoded("UTF-8", QByteArrayView(bytes).sliced(3));
    if (!text) throw unreadableEncoding(path);
    return *text;
  }
  const std::optional<QString> cp932 = strictlyDecoded("CP932", bytes);
  const std::optional<QString> utf8 = strictlyDecoded("UTF-8", bytes);
  // Bytes that read both ways stay CP932 unless their UTF-8 reading looks more like Japanese text:
  // half-width katakana pairs, for one, are also valid UTF-8 for accented Latin letters.
  if (utf8 && (!cp932 || japaneseScore(*utf8) > japaneseScore(*cp932))) return *utf8;
  if (cp932) return *cp932;
  throw unreadableEncoding(path);
}

QString readTextFile(const QString& path) {
  QFile file(path);
  if (!file.exists()) throw FileError(QStringLiteral("ファイルが見つかりません。\n%1").arg(path));
  if (!file.open(QIODevice::ReadOnly))
    throw FileError(QStringLiteral("ファイルを読めません。\n%1\n%2").arg(path, file.errorString()));
  return decodeTextFile(file.readAll(), path);
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
