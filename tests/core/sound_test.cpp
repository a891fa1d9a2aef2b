#include <gtest/gtest.h>

#include <QFile>

#include "core/app_state.h"
#include "core/sound_cues.h"
#include "core/sound_table.h"
#include "platform/file_error.h"
#include "platform/sound_player.h"
#include "support/fakes.h"
#include "support/temp_installation.h"

namespace {
struct SoundFixture : ::testing::Test {
  void load(const QStringList& lines) {
    inst.writeSoundTable(lines);
    s.soundFolder = inst.soundFolder();
    loadSoundTable(s);
  }
  TempInstallation inst;
  AppState s;
  RecordingSoundPlayer player;
  ScriptedRandom random;
  ScriptedMessageBoxes boxes;
  SoundCues cues{s, player, random, boxes};
};
}  // namespace

TEST_F(SoundFixture, ReadsBlocksAndSkipsFieldsOutsideThem) {
  load({u"stray,正解音2,a,b,*"_qs, u"間違い音2"_qs, u"c"_qs, u"*,不合格音1,*"_qs});
  EXPECT_EQ(s.soundTable[2].name, u"正解音2"_qs);
  EXPECT_EQ(s.soundTable[2].count, 2);
  EXPECT_EQ(s.soundTable[2].files[2], u"b"_qs);
  EXPECT_EQ(s.soundTable[4].count, 1);
  EXPECT_EQ(s.soundTable[10].count, 0);
  EXPECT_EQ(s.soundTable[8].count, 0);  // not named
}

TEST_F(SoundFixture, ABlockOfTwentyNamesWithoutAStarKeepsTheOldCount) {
  s.soundTable[2].count = 3;
  QStringList names = {u"正解音2"_qs};
  for (int i = 1; i <= 20; ++i) names.append(u"s%1"_qs.arg(i));
  load({names.join(u',')});
  EXPECT_EQ(s.soundTable[2].count, 3);
  EXPECT_EQ(s.soundTable[2].files[20], u"s20"_qs);
}

TEST_F(SoundFixture, CuesPlayRandomGroupFilesAndFixedFiles) {
  load({u"正解音2,a,b,*,間違い音2,w,*,自己最高音2,p,*,不合格音1,f,*"_qs});
  random.setValues({0.1, 0.9});
  cues.playCorrectCue();
  cues.playCorrectCue();
  cues.playWrongCue();
  cues.playWarningCue();
  cues.playLevelBestCue();
  cues.playPassCue();
  cues.playPersonalBestCue();
  cues.playFailCue();
  EXPECT_EQ(player.playedNames(), (QStringList{u"a.wav"_qs, u"b.wav"_qs, u"w.wav"_qs, u"警告1.wav"_qs,
                                               u"最高1.wav"_qs, u"合格.wav"_qs, u"p.wav"_qs, u"f.wav"_qs}));
  EXPECT_TRUE(player.played[0].startsWith(inst.soundFolder()));
}

TEST_F(SoundFixture, ThreeFailedAnswerCuesPassTheFourthEndsTheProgram) {
  load({u"正解音2,a,*,間違い音2,w,*"_qs});
  player.codes = {5, 5, 0, 5, 5, 5};
  cues.playCorrectCue();
  cues.playWrongCue();
  cues.playCorrectCue();  // a success in between resets the count
  cues.playCorrectCue();
  cues.playWrongCue();
  cues.playCorrectCue();
  EXPECT_TRUE(boxes.shown.empty());
  player.codes = {7};
  try {
    cues.playWrongCue();
    FAIL() << "the program did not end";
  } catch (const ProgramEnd&) {
  }
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, u"音声がでません。先生を呼びなさい。\r\nerror 7"_qs);
  EXPECT_EQ(boxes.shown[0].title, u"音声エラー"_qs);
}

TEST_F(SoundFixture, CuesWithoutACheckIgnoreFailures) {
  load({u"自己最高音2,p,*"_qs});
  player.codes = {1, 1, 1, 1, 1, 1};
  for (int i = 0; i < 6; ++i) cues.playWarningCue();
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(s.soundErrorCount, 0);
}

TEST_F(SoundFixture, AnEmptyGroupPicksSlotOneWhichIsNoFile) {
  load({u"正解音2,*"_qs});
  cues.playCorrectCue();
  EXPECT_EQ(player.playedNames(), QStringList{u".wav"_qs});
}

// A sound folder copied from Windows holds "OK1.WAV" where the table names "ok1": every cue still
// plays, through the real player.
TEST_F(SoundFixture, CuesPlayFilesWhoseNamesDifferInCase) {
  for (const QString& name : {u"seikai1"_qs, u"machigai1"_qs})
    ASSERT_TRUE(
        QFile::rename(inst.soundFolder() + name + u".wav"_qs, inst.soundFolder() + name.toUpper() + u".WAV"_qs));
  ASSERT_TRUE(QFile::rename(inst.soundFolder() + u"警告1.wav"_qs, inst.soundFolder() + u"警告1.Wav"_qs));
  load({u"正解音2,seikai1,*,間違い音2,Machigai1,*"_qs});
  SdlSoundPlayer sdl;
  SoundCues real{s, sdl, random, boxes};
  for (int i = 0; i < 5; ++i) {
    real.playCorrectCue();
    real.playWrongCue();
    EXPECT_EQ(s.soundErrorCount, 0) << i;
  }
  EXPECT_EQ(sdl.play(inst.soundFolder() + u"警告1.wav"_qs), SdlSoundPlayer::Ok);
  EXPECT_TRUE(boxes.shown.empty());
}
