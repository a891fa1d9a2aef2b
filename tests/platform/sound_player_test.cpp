#include <gtest/gtest.h>

#include <QFile>
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
