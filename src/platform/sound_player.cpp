#include "platform/sound_player.h"

#include <SDL.h>

#include "platform/resolve_file_name.h"

#include <algorithm>

namespace {
// A device buffer of about 10 ms: the sound's end is heard that soon after its last sample leaves
// the queue, and the buffer is still large enough not to underrun on an old computer.
Uint16 bufferFramesFor(int frequency) {
  Uint16 frames = 64;
  while (frames < 4096 && frames * 2 * 100 <= frequency) frames *= 2;
  return frames;
}

SdlSoundPlayer::Format formatOf(const SDL_AudioSpec& spec) {
  return {spec.freq, spec.format, spec.channels};
}

std::uint64_t millisecondsOf(qsizetype bytes, const SdlSoundPlayer::Format& format) {
  const std::uint64_t bytesPerSecond =
      std::uint64_t(format.frequency) * format.channels * (SDL_AUDIO_BITSIZE(format.sampleFormat) / 8);
  return bytesPerSecond > 0 ? std::uint64_t(bytes) * 1000 / bytesPerSecond : 0;
}

// A device that stops taking samples must not hang the lesson: no wait lasts much longer than the
// sound itself.
constexpr std::uint64_t kStuckDeviceMarginMs = 2000;
}  // namespace

SdlSoundPlayer::~SdlSoundPlayer() {
  closeDevice();
  if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int SdlSoundPlayer::fail(int code) {
  lastError_ = QString::fromUtf8(SDL_GetError());
  return code;
}

SdlSoundPlayer::Sound* SdlSoundPlayer::decoded(const QString& wavPath) {
  auto found = sounds_.find(wavPath);
  if (found != sounds_.end()) return &found.value();
  SDL_AudioSpec spec;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  const qsizetype slash = wavPath.lastIndexOf(u'/');
  const QString file = resolveFileName(wavPath.left(slash + 1), wavPath.mid(slash + 1));
  if (!SDL_LoadWAV(file.toUtf8().constData(), &spec, &buffer, &length)) return nullptr;
  Sound sound;
  sound.format = formatOf(spec);
  sound.samples = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(length));
  SDL_FreeWAV(buffer);
  return &sounds_.insert(wavPath, sound).value();
}

bool SdlSoundPlayer::openDevice(const Format& format) {
  closeDevice();
  SDL_AudioSpec desired{};
  desired.freq = format.frequency;
  desired.format = format.sampleFormat;
  desired.channels = format.channels;
  desired.samples = bufferFramesFor(format.frequency);
  // No allowed changes: SDL converts to the hardware itself, so the device takes this format.
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &desired, nullptr, 0);
  if (device == 0) return false;
  device_ = device;
  deviceFormat_ = format;
  ++deviceGeneration_;
  ++devicesOpened_;
  SDL_PauseAudioDevice(device_, 0);  // plays silence while the queue is empty
  return true;
}

void SdlSoundPlayer::closeDevice() {
  if (device_ == 0) return;
  SDL_CloseAudioDevice(device_);
  device_ = 0;
}

const QByteArray* SdlSoundPlayer::samplesForDevice(Sound& sound) {
  if (device_ != 0 && sound.deviceGeneration == deviceGeneration_) return &sound.deviceSamples;
  if (device_ != 0 && sound.format == deviceFormat_) {
    sound.deviceSamples = sound.samples;
    sound.deviceGeneration = deviceGeneration_;
    return &sound.deviceSamples;
  }
  SDL_AudioCVT cvt;
  const bool convertible =
      device_ != 0 && SDL_BuildAudioCVT(&cvt, sound.format.sampleFormat, sound.format.channels,
                                        sound.format.frequency, deviceFormat_.sampleFormat,
                                        deviceFormat_.channels, deviceFormat_.frequency) >= 0;
  if (!convertible) {
    if (!openDevice(sound.format)) return nullptr;
    sound.deviceSamples = sound.samples;
    sound.deviceGeneration = deviceGeneration_;
    return &sound.deviceSamples;
  }
  QByteArray converted(sound.samples.size() * std::max(cvt.len_mult, 1), Qt::Uninitialized);
  std::copy(sound.samples.cbegin(), sound.samples.cend(), converted.begin());
  cvt.buf = reinterpret_cast<Uint8*>(converted.data());
  cvt.len = int(sound.samples.size());
  if (SDL_ConvertAudio(&cvt) != 0) return nullptr;
  converted.truncate(cvt.len_cvt);
  sound.deviceSamples = converted;
  sound.deviceGeneration = deviceGeneration_;
  return &sound.deviceSamples;
}

void SdlSoundPlayer::waitUntilPlayed(std::uint64_t queuedAtMs, std::uint64_t lastsMs) {
  // The queue empties when the device has taken the last samples into its buffer of about 10 ms;
  // the sound cannot have ended before its own length has passed since it was queued.
  const std::uint64_t ends = queuedAtMs + lastsMs;
  const std::uint64_t deadline = ends + kStuckDeviceMarginMs;
  for (;;) {
    const std::uint64_t now = SDL_GetTicks64();
    if (now >= deadline) {
      SDL_ClearQueuedAudio(device_);  // so the rest does not sound under the next cue
      return;
    }
    if (now >= ends && SDL_GetQueuedAudioSize(device_) == 0) return;
    SDL_Delay(1);
  }
}

int SdlSoundPlayer::play(const QString& wavPath) {
  if (!initialised_) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return fail(NoAudio);
    initialised_ = true;
  }
  Sound* sound = decoded(wavPath);
  if (!sound) return fail(CannotLoad);
  const QByteArray* samples = samplesForDevice(*sound);
  if (!samples) return fail(CannotOpenDevice);

  const std::uint64_t queuedAt = SDL_GetTicks64();
  if (SDL_QueueAudio(device_, samples->constData(), Uint32(samples->size())) != 0) return fail(CannotQueue);
  waitUntilPlayed(queuedAt, millisecondsOf(samples->size(), deviceFormat_));
  return Ok;
}

QString SdlSoundPlayer::errorText(int code) const {
  switch (code) {
    case Ok: return {};
    case NoAudio: return QStringLiteral("音声装置を初期化できません: %1").arg(lastError_);
    case CannotLoad: return QStringLiteral("音声ファイルを読めません: %1").arg(lastError_);
    case CannotOpenDevice: return QStringLiteral("音声装置を開けません: %1").arg(lastError_);
    case CannotQueue: return QStringLiteral("音声を再生できません: %1").arg(lastError_);
    default: return QStringLiteral("音声エラー %1").arg(code);
  }
}
