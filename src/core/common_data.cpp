#include "core/common_data.h"

#include <QDir>

#include "core/app_state.h"
#include "core/criteria.h"
#include "core/folders.h"
#include "core/sound_table.h"
#include "platform/field_reader.h"
#include "platform/resolve_file_name.h"
#include "platform/text_codec.h"

namespace {
void skipFields(FieldReader& reader, int count) {
  for (int i = 0; i < count; ++i) reader.next();
}

Value nextValue(FieldReader& reader) {
  const QString field = reader.next();
  return Value::fromField(field, reader.lastWasQuoted());
}
}  // namespace

void splitSchoolLine(const QString& line, QString& code, QString& name) {
  if (leadingNumber(line.left(5)) != 0) {
    code = line.left(5);
    name = line.mid(5);
  } else {
    code.clear();
    name = line;
  }
}

void loadCommonData(AppState& state, const QString& programFolder) {
  const QString programPath = QDir::cleanPath(programFolder);
  state.appFolder = withSeparator(programPath);

  const QString pathFileFolder = QDir::cleanPath(state.appFolder + QStringLiteral(".."));
  const QString pathFile = resolveFileName(withSeparator(pathFileFolder), kPathFileName);
  {
    FieldReader reader(readTextFile(pathFile), pathFile);
    state.dataRoot = resolveDataRoot(reader.next(), pathFileFolder);
    skipFields(reader, 9);
  }
  if (state.altLayout == 1) {
    const QString driveRoot = programPath.left(programPath.indexOf(u'/') + 1);
    state.dataRoot = driveRoot + QStringLiteral("PR0093/ミナトなし/");
  }

  const QString commonFile = resolveFileName(state.dataRoot, kCommonDataFileName);
  {
    FieldReader reader(readTextFile(commonFile), commonFile);
    state.schoolYearStartMonth = nextValue(reader);
    const QString schoolLine = reader.next();
    state.rosterSetting = nextValue(reader);
    skipFields(reader, 2);
    // The password is typed as it is written: "0123" and long PINs must not become numbers.
    const QString password = reader.next();
    state.dataChangePassword = password.isEmpty() ? Value() : Value(password);
    skipFields(reader, 4);
    splitSchoolLine(schoolLine, state.schoolCode, state.schoolName);
  }

  state.programFolderName = lastComponent(programPath);
  state.programDataFolder = state.altLayout == 1
                                ? state.appFolder
                                : state.dataRoot + state.programFolderName + u'/';
  state.soundFolder = state.dataRoot + kSoundFolderName + u'/';
  state.programTitle = QStringLiteral("カケドリ１");
  loadCriteria(state);
  loadSoundTable(state);
}
