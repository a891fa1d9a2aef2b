#include "core/sound_table.h"

#include <array>

#include "core/app_state.h"
#include "platform/field_reader.h"
#include "platform/resolve_file_name.h"
#include "platform/text_codec.h"

QString soundGroupName(int group) {
  static const std::array<QString, 11> kNames = {
      QString(),
      QStringLiteral("正解音1"),     QStringLiteral("正解音2"),     QStringLiteral("間違い音1"),
      QStringLiteral("間違い音2"),   QStringLiteral("最高音1"),     QStringLiteral("最高音2"),
      QStringLiteral("自己最高音1"), QStringLiteral("自己最高音2"), QStringLiteral("自己最高音3"),
      QStringLiteral("不合格音1")};
  return group >= 1 && group <= 10 ? kNames[group] : QString();
}

void loadSoundTable(AppState& state) {
  for (int g = 1; g <= 10; ++g) state.soundTable[g].name = soundGroupName(g);
  const QString path = resolveFileName(state.soundFolder, kSoundTableFileName);
  FieldReader reader(readTextFile(path), path);
  while (!reader.atEnd()) {
    const QString field = reader.next();
    for (int g = 1; g <= 10; ++g) {
      SoundGroup& group = state.soundTable[g];
      if (field != group.name) continue;
      for (int j = 1; j <= 20; ++j) {
        if (reader.atEnd()) break;  // a block cut off by the end of the file
        const QString name = reader.next();
        if (name == u'*') {
          group.count = j - 1;
          break;
        }
        group.files[j] = name;
      }
    }
  }
}
