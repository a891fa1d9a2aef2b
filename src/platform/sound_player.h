#pragma once

#include <QString>

// Plays a WAV file to its end before returning.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // 0 when the sound played, otherwise an error code that errorText() explains.
  virtual int play(const QString& wavPath) = 0;
  virtual QString errorText(int code) const = 0;
};

// SDL2 audio: load the WAV, queue it on a device opened for its format, wait until it has drained.
// SDL_AUDIODRIVER=dummy runs this same path on a machine without sound.
class SdlSoundPlayer final : public SoundPlayer {
 public:
  SdlSoundPlayer() = default;
  ~SdlSoundPlayer() override;
  SdlSoundPlayer(const SdlSoundPlayer&) = delete;
  SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

  int play(const QString& wavPath) override;
  QString errorText(int code) const override;

  enum Code { Ok = 0, NoAudio = 1, CannotLoad = 2, CannotOpenDevice = 3, CannotQueue = 4 };

 private:
  int fail(int code);
  bool initialised_ = false;
  QString lastError_;
};
