#include "core/sound_cues.h"

#include <algorithm>
#include <cmath>

#include "core/app_state.h"
#include "platform/file_error.h"
#include "platform/message_boxes.h"
#include "platform/random_source.h"
#include "platform/sound_player.h"

namespace {
constexpr int kCorrectGroup = 2;
constexpr int kWrongGroup = 4;
constexpr int kPersonalBestGroup = 8;
constexpr int kFailGroup = 10;
}  // namespace

QString SoundCues::pickFromGroup(int group) {
  const SoundGroup& g = state_.soundTable[group];
  const int slot = std::clamp(int(std::floor(random_.next() * g.count + 1)), 1, 20);
  return g.files[slot];
}

int SoundCues::playGroup(int group) {
  return player_.play(state_.soundFolder + pickFromGroup(group) + QStringLiteral(".wav"));
}

int SoundCues::playFixed(const QString& fileName) {
  return player_.play(state_.soundFolder + fileName);
}

void SoundCues::checkPlayback(int code) {
  if (code == 0) {
    state_.soundErrorCount = 0;
  } else if (state_.soundErrorCount < 3) {
    ++state_.soundErrorCount;
  } else {
    boxes_.inform(QStringLiteral("音声がでません。先生を呼びなさい。\r\n") + player_.errorText(code),
                  QStringLiteral("音声エラー"));
    throw ProgramEnd(1);
  }
}

void SoundCues::playCorrectCue() { checkPlayback(playGroup(kCorrectGroup)); }
void SoundCues::playWrongCue() { checkPlayback(playGroup(kWrongGroup)); }
void SoundCues::playWarningCue() { playFixed(QStringLiteral("警告1.wav")); }
void SoundCues::playLevelBestCue() { playFixed(QStringLiteral("最高1.wav")); }
void SoundCues::playPassCue() { playFixed(QStringLiteral("合格.wav")); }
void SoundCues::playPersonalBestCue() { playGroup(kPersonalBestGroup); }
void SoundCues::playFailCue() { playGroup(kFailGroup); }
