#include "demo/wav_tone.h"

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <numbers>

namespace {
void put16(QByteArray& out, quint16 v) {
  char b[2];
  qToLittleEndian(v, b);
  out.append(b, 2);
}
void put32(QByteArray& out, quint32 v) {
  char b[4];
  qToLittleEndian(v, b);
  out.append(b, 4);
}
}  // namespace

bool writeToneWav(const QString& path, const std::vector<Note>& notes, int sampleRate) {
  QByteArray samples;
  for (const Note& note : notes) {
    const int count = sampleRate * note.milliseconds / 1000;
    const int fade = std::min(count / 4, sampleRate / 200);
    for (int i = 0; i < count; ++i) {
      double envelope = 1.0;
      if (i < fade) envelope = double(i) / fade;
      if (count - i < fade) envelope = double(count - i) / fade;
      const double t = double(i) / sampleRate;
      const double wave = note.frequency > 0
                              ? std::sin(2 * std::numbers::pi * note.frequency * t) +
                                    0.3 * std::sin(4 * std::numbers::pi * note.frequency * t)
                              : 0.0;
      put16(samples, quint16(qint16(std::lround(wave / 1.3 * envelope * 9000))));
    }
  }
  QByteArray wav("RIFF");
  put32(wav, quint32(36 + samples.size()));
  wav += "WAVEfmt ";
  put32(wav, 16);
  put16(wav, 1);  // PCM
  put16(wav, 1);  // mono
  put32(wav, quint32(sampleRate));
  put32(wav, quint32(sampleRate * 2));
  put16(wav, 2);
  put16(wav, 16);
  wav += "data";
  put32(wav, quint32(samples.size()));
  wav += samples;
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}
