#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/resolve_file_name.h"
#include "support/qstring_printer.h"

TEST(ResolveFileName, FindsTheExactNameFirstThenOneThatDiffersOnlyInCase) {
  const struct {
    const char* what;
    QStringList files;  // in the folder
    QString wanted;
    QString found;  // the name the path ends in
  } cases[] = {
      {"exact name", {u"ok1.wav"_qs}, u"ok1.wav"_qs, u"ok1.wav"_qs},
      {"copied from Windows in capitals", {u"OK1.WAV"_qs}, u"ok1.wav"_qs, u"OK1.WAV"_qs},
      {"mixed case", {u"Seikai1.Wav"_qs}, u"seikai1.wav"_qs, u"Seikai1.Wav"_qs},
      {"Japanese name, extension in capitals", {u"新名簿.TXT"_qs}, u"新名簿.txt"_qs, u"新名簿.TXT"_qs},
      {"full-width letters", {u"ＯＫ.wav"_qs}, u"ｏｋ.wav"_qs, u"ＯＫ.wav"_qs},
      {"the exact one wins over another case", {u"A.TXT"_qs, u"a.txt"_qs}, u"a.txt"_qs, u"a.txt"_qs},
      {"missing: the name looked for", {u"other.wav"_qs}, u"ok1.wav"_qs, u"ok1.wav"_qs},
      {"a longer name is no match", {u"ok10.wav"_qs}, u"ok1.wav"_qs, u"ok1.wav"_qs},
      {"a folder of that name is no file", {}, u"sub"_qs, u"sub"_qs},
  };
  for (const auto& c : cases) {
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    for (const QString& name : c.files) {
      QFile file(folder + name);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << c.what;
    }
    QDir(folder).mkdir(u"SUB"_qs);
    EXPECT_EQ(resolveFileName(folder, c.wanted), folder + c.found) << c.what;
  }
}
