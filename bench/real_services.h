#pragma once

#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "core/app_context.h"
#include "core/app_state.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/navigator.h"
#include "platform/pause.h"
#include "platform/process_starter.h"
#include "platform/random_source.h"
#include "platform/sound_player.h"

// A temporary data folder and the program's real platform services, handed to screens as the
// program hands them, so that a benchmark times what a school computer would do.
struct RealServices {
  QTemporaryDir dir;
  SystemClock clock;
  SeededRandom random;
  SdlSoundPlayer sound;
  QtMessageBoxes boxes;
  EventLoopPause pause{clock};
  QtProcessStarter processes;
  std::unique_ptr<AppState> state = std::make_unique<AppState>();
  QWidget host;
  Navigator navigator{&host};
  AppContext context{*state, Services{clock, random, sound, boxes, pause, processes}, navigator, dir.path()};
};
