#include "platform/sound_player.h"

#include <SDL.h>

SdlSoundPlayer::~SdlSoundPlayer() {
  if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int SdlSoundPlayer::fail(int code) {
  lastError_ = QString::fromUtf8(SDL_GetError());
  return code;
}

int SdlSoundPlayer::play(const QString& wavPath) {
  if (!initialised_) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return fail(NoAudio);
    initialised_ = true;
  }
  SDL_AudioSpec spec;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  const QByteArray path = wavPath.toUtf8();
  if (!SDL_LoadWAV(path.constData(), &spec, &buffer, &length)) return fail(CannotLoad);

  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &spec, nullptr, 0);
  if (device == 0) {
    SDL_FreeWAV(buffer);
    return fail(CannotOpenDevice);
  }
  const int queued = SDL_QueueAudio(device, buffer, length);
  SDL_FreeWAV(buffer);
  if (queued != 0) {
    SDL_CloseAudioDevice(device);
    return fail(CannotQueue);
  }
  SDL_PauseAudioDevice(device, 0);

  // Wait for the queue to drain, but never much longer than the sound lasts: a device that stops
  // consuming must not hang the lesson.
  const int bytesPerSecond = spec.freq * spec.channels * (SDL_AUDIO_BITSIZE(spec.format) / 8);
  const Uint64 lastsMs = bytesPerSecond > 0 ? Uint64(length) * 1000 / Uint64(bytesPerSecond) : 0;
  const Uint64 deadline = SDL_GetTicks64() + lastsMs + 2000;
  while (SDL_GetQueuedAudioSize(device) > 0 && SDL_GetTicks64() < deadline) SDL_Delay(5);
  SDL_Delay(30);  // the device's own buffer still holds the last few milliseconds
  SDL_CloseAudioDevice(device);
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
