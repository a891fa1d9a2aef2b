// A sound file of the sound folder, played as the cues play it (SDL_AUDIODRIVER=dummy stands in for a
// sound card). A damaged file may fail to play, with a text for the message, but must neither crash
// nor hold the lesson up for longer than the sound it holds.
#include <SDL.h>

#include <QElapsedTimer>

#include "fuzz/fuzz_installation.h"
#include "platform/sound_player.h"

namespace {
// How long the file's samples last, as SDL decodes them; -1 when SDL cannot decode the file.
qint64 soundMilliseconds(const std::uint8_t* data, std::size_t size) {
  SDL_AudioSpec spec;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(data, int(size)), 1, &spec, &buffer, &length)) return -1;
  SDL_FreeWAV(buffer);
  const qint64 bytesPerSecond = qint64(spec.freq) * spec.channels * (SDL_AUDIO_BITSIZE(spec.format) / 8);
  return bytesPerSecond > 0 ? qint64(length) * 1000 / bytesPerSecond : 0;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool audio = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (!audio) fuzzFault("no audio driver (SDL_AUDIODRIVER=dummy)");
  QElapsedTimer timer;
  timer.start();
  const qint64 lasts = soundMilliseconds(data, size);
  // SDL reserves the size a chunk's header declares; under the sanitizer a damaged header asking for
  // gigabytes makes decoding itself take seconds, so the player is allowed its decoding time too.
  const qint64 decoding = timer.elapsed();
  // A whole file that lasts long is played for its length, as it should be: only short ones are played
  // here, so that the runs stay many.
  if (lasts > 500) return 0;

  FuzzInstallation& installation = FuzzInstallation::instance();
  const QString relative = QStringLiteral("data/音フォルダ/fuzz.wav");
  installation.write(relative, bytesOf(data, size));
  SdlSoundPlayer player;  // a new one each time: a player keeps what it decoded, by path
  timer.restart();
  const int code = player.play(installation.path(relative));
  if (code != 0) expectMessage(player.errorText(code));
  if (timer.elapsed() > std::max<qint64>(lasts, 0) + 2 * decoding + 5000)
    fuzzFault("a sound held the program up past its length");
  return 0;
}
