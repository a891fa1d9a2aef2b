#pragma once

#include <QString>

#include "core/sound_cues.h"

struct AppState;
class Clock;
class RandomSource;
class SoundPlayer;
class MessageBoxes;
class Pause;
class ProcessStarter;
class Navigator;
class Printer;
class FileDialogs;

// The platform services the program uses; real ones in the program, doubles in tests.
struct Services {
  Clock& clock;
  RandomSource& random;
  SoundPlayer& sound;
  MessageBoxes& boxes;
  Pause& pause;
  ProcessStarter& processes;
  Printer* printer = nullptr;  // none: nothing can be printed
  FileDialogs* fileDialogs = nullptr;  // none: nothing can be saved
};

// What every screen is handed: the shared state, the services and the navigator.
struct AppContext {
  AppState& state;
  Services services;
  Navigator& navigator;
  QString programFolder;  // the folder of the executable

  SoundCues cues() const {
    return SoundCues(state, services.sound, services.random, services.boxes);
  }
};
