#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstdint>

// Plays a WAV file to its end before returning.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // 0 when the sound played, otherwise an error code that errorText() explains.
  virtual int play(const QString& wavPath) = 0;
  virtual QString errorText(int code) const = 0;
};

// SDL2 audio. One device is opened on the first sound and kept open for the program's life:
// opening and closing a device costs about half a second, which would land in a pupil's run time.
// Each WAV is decoded once and kept, since the sound folder usually lies on a network share; its
// name is found whatever its case on that first reading (resolveFileName), so no later cue lists the
// folder. A sound is queued on the device and waited for its own length. SDL_AUDIODRIVER=dummy runs
// this same path on a machine without sound.
class SdlSoundPlayer final : public SoundPlayer {
 public:
  SdlSoundPlayer() = default;
  ~SdlSoundPlayer() override;
  SdlSoundPlayer(const SdlSoundPlayer&) = delete;
  SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

  int play(const QString& wavPath) override;
  QString errorText(int code) const override;

  enum Code { Ok = 0, NoAudio = 1, CannotLoad = 2, CannotOpenDevice = 3, CannotQueue = 4 };

  // How many times an audio device was opened; a second opening only follows a WAV whose format
  // cannot be converted to the open device's.
  int devicesOpened() const { return devicesOpened_; }

  // Sample format as SDL describes it; kept apart from SDL's own struct so this header needs no SDL.
  struct Format {
    int frequency = 0;
    std::uint16_t sampleFormat = 0;
    std::uint8_t channels = 0;
    bool operator==(const Format&) const = default;
  };

 private:
  struct Sound {
    Format format;
    QByteArray samples;  // as the file holds them
    // The same sound in the open device's format, made on first use with that device.
    QByteArray deviceSamples;
    int deviceGeneration = -1;
  };

  int fail(int code);
  // The decoded sound of the file, read on its first use.
  Sound* decoded(const QString& wavPath);
  // The sound's samples in the device's format, opening or reopening the device when needed.
  const QByteArray* samplesForDevice(Sound& sound);
  bool openDevice(const Format& format);
  void closeDevice();
  void waitUntilPlayed(std::uint64_t queuedAtMs, std::uint64_t lastsMs);

  bool initialised_ = false;
  std::uint32_t device_ = 0;
  Format deviceFormat_;
  int deviceGeneration_ = 0;
  int devicesOpened_ = 0;
  QHash<QString, Sound> sounds_;
  QString lastError_;
};
