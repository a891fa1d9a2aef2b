#pragma once

#include <QString>
#include <vector>

// One note of a tone: frequency in Hz (0 for a rest) and length in milliseconds.
struct Note {
  double frequency;
  int milliseconds;
};

// Writes a 16-bit mono PCM WAV file of the notes, with soft edges so that nothing clicks.
bool writeToneWav(const QString& path, const std::vector<Note>& notes, int sampleRate = 22050);
