#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "demo/wav_tone.h"
#include "platform/sound_player.h"
#include "support/qstring_printer.h"

// The real SDL player on the dummy driver (the test environment sets SDL_AUDIODRIVER=dummy).
namespace {
struct SdlPlayer : ::testing::Test {
  QString tone(const QString& name, double frequency, int sampleRate) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(writeToneWav(path, {{frequency, 20}}, sampleRate));
    return path;
  }
  QTemporaryDir dir;
  SdlSoundPlayer player;
};
}  // namespace

TEST_F(SdlPlayer, KeepsOneDeviceForSoundsOfEveryRate) {
  const QString first = tone(u"a.wav"_qs, 880, 22050);
  const QString second = tone(u"b.wav"_qs, 660, 22050);
  const QString otherRate = tone(u"c.wav"_qs, 440, 44100);
  for (const QString& path : {first, second, otherRate, first})
    EXPECT_EQ(player.play(path), SdlSoundPlayer::Ok) << path.toStdString();
  // The 44.1 kHz tone is converted to the open device's rate rather than reopening it.
  EXPECT_EQ(player.devicesOpened(), 1);
}

TEST_F(SdlPlayer, ASoundIsReadOnceAndKeptWhileTheProgramRuns) {
  const QString path = tone(u"a.wav"_qs, 880, 22050);
  ASSERT_EQ(player.play(path), SdlSoundPlayer::Ok);
  ASSERT_TRUE(QFile::remove(path));
  EXPECT_EQ(player.play(path), SdlSoundPlayer::Ok);
}

TEST_F(SdlPlayer, AFileThatIsNoSoundGivesItsCodeAndText) {
  QFile garbage(dir.filePath(u"broken.wav"_qs));
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
  garbage.write("RIFF this is not a wave file");
  garbage.close();
  for (const QString& path : {dir.filePath(u"missing.wav"_qs), garbage.fileName()}) {
    EXPECT_EQ(player.play(path), SdlSoundPlayer::CannotLoad) << path.toStdString();
    EXPECT_TRUE(player.errorText(SdlSoundPlayer::CannotLoad).startsWith(u"音声ファイルを読めません: "_qs));
    EXPECT_GT(player.errorText(SdlSoundPlayer::CannotLoad).size(), 14);
  }
  // A failure opens no device and leaves the player working.
  EXPECT_EQ(player.devicesOpened(), 0);
  EXPECT_EQ(player.play(tone(u"a.wav"_qs, 880, 22050)), SdlSoundPlayer::Ok);
}

// What a Windows computer may hold in a sound folder, each WAV made by sox and played to its end.
TEST_F(SdlPlayer, PlaysEveryWavFormatAWindowsComputerWrites) {
  const struct {
    const char* encoding;  // as sox names it
    int bits;              // 0: the encoding's own
    int channels;
    int rate;
  } cases[] = {
      {"unsigned-integer", 8, 1, 8000},   {"unsigned-integer", 8, 2, 11025},
      {"signed-integer", 16, 1, 22050},   {"signed-integer", 16, 2, 44100},
      {"signed-integer", 16, 2, 48000},   {"signed-integer", 24, 1, 44100},
      {"signed-integer", 24, 2, 48000},   {"signed-integer", 32, 2, 44100},
      {"floating-point", 32, 1, 48000},   {"floating-point", 32, 2, 44100},
      {"ima-adpcm", 0, 1, 22050},         {"ima-adpcm", 0, 2, 44100},
      {"ms-adpcm", 0, 1, 11025},          {"ms-adpcm", 0, 2, 44100},
      {"u-law", 0, 1, 8000},              {"u-law", 0, 2, 22050},
      {"a-law", 0, 1, 8000},              {"a-law", 0, 2, 16000},
  };
  for (const auto& c : cases) {
    const QString what = u"%1 %2-bit %3ch %4Hz"_qs.arg(QLatin1StringView(c.encoding))
                             .arg(c.bits)
                             .arg(c.channels)
                             .arg(c.rate);
    const QString path = dir.filePath(what + u".wav"_qs);
    QStringList arguments = {u"-n"_qs, u"-r"_qs, QString::number(c.rate), u"-c"_qs, QString::number(c.channels),
                             u"-e"_qs, QLatin1StringView(c.encoding)};
    if (c.bits) arguments << u"-b"_qs << QString::number(c.bits);
    // A tenth of a second of a tone: enough for the block-coded formats to hold a few blocks.
    arguments << path << u"synth"_qs << u"0.1"_qs << u"sine"_qs << u"660"_qs;
    QProcess sox;
    sox.start(u"sox"_qs, arguments);
    ASSERT_TRUE(sox.waitForFinished(20000)) << "sox, which scripts/install-deps installs: " << what.toStdString();
    ASSERT_EQ(sox.exitCode(), 0) << what.toStdString() << ": " << sox.readAllStandardError().toStdString();
    EXPECT_EQ(player.play(path), SdlSoundPlayer::Ok)
        << what.toStdString() << ": " << player.errorText(SdlSoundPlayer::CannotLoad).toStdString();
  }
}
