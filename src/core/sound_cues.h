#pragma once

#include <QString>

struct AppState;
class SoundPlayer;
class RandomSource;
class MessageBoxes;

// The program's sound cues. Each plays one sound to its end. The answer cues check that playback
// works: three failures in a row pass silently, the fourth tells the pupil to call the teacher and
// ends the program (ProgramEnd).
class SoundCues {
 public:
  SoundCues(AppState& state, SoundPlayer& player, RandomSource& random, MessageBoxes& boxes)
      : state_(state), player_(player), random_(random), boxes_(boxes) {}

  void playCorrectCue();
  void playWrongCue();
  void playWarningCue();
  void playLevelBestCue();
  void playPassCue();
  void playPersonalBestCue();
  void playFailCue();

  // The file a random pick of the group plays (slot 1 of an empty group, which is no file).
  QString pickFromGroup(int group);

 private:
  int playGroup(int group);
  int playFixed(const QString& fileName);
  void checkPlayback(int code);

  AppState& state_;
  SoundPlayer& player_;
  RandomSource& random_;
  MessageBoxes& boxes_;
};
