#include "platform/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {
QFont firstAvailable(const QStringList& families, QFont::StyleHint hint) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : families) {
    if (installed.contains(family)) {
      QFont font(family);
      font.setStyleHint(hint);
      return font;
    }
  }
  QFont font;
  font.setStyleHint(hint);
  return font;
}
}  // namespace

QFont fixedPitchJapaneseFont() {
  static const QStringList kFamilies = {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
                                        QStringLiteral("Noto Sans Mono CJK JP")};
  return firstAvailable(kFamilies, QFont::TypeWriter);
}

QFont japaneseFont() {
  static const QStringList kFamilies = {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                                        QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")};
  return firstAvailable(kFamilies, QFont::SansSerif);
}
