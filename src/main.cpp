#include <QScreen>
#include <QWidget>

#include "app/guarded_application.h"
#include "app/screen_registry.h"
#include "core/app_context.h"
#include "core/app_state.h"
#include "core/screen_names.h"
#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/fonts.h"
#include "platform/local_data.h"
#include "platform/message_boxes.h"
#include "platform/navigator.h"
#include "platform/pause.h"
#include "platform/printer.h"
#include "platform/qt_texts.h"
#include "platform/process_starter.h"
#include "platform/random_source.h"
#include "platform/sound_player.h"

int main(int argc, char** argv) {
  GuardedApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("kakedori"));
  app.setApplicationVersion(QStringLiteral("1.0.1"));
  app.setFont(japaneseFont());
  installJapaneseQtTexts(app);

  SystemClock clock;
  SeededRandom random;
  SdlSoundPlayer sound;
  QtMessageBoxes boxes;
  EventLoopPause pause(clock);
  QtProcessStarter processes;
  SystemPrinter printer;
  QtFileDialogs fileDialogs;
  app.setMessageBoxes(&boxes);

  QWidget window;
  window.setWindowTitle(QStringLiteral("カケドリ１"));
  Navigator navigator(&window);
  auto state = std::make_unique<AppState>();
  state->outboxFolder = localDataFolder();
  AppContext context{*state, Services{clock, random, sound, boxes, pause, processes, &printer, &fileDialogs}, navigator,
                     QCoreApplication::applicationDirPath()};
  registerScreens(context);
  app.setNavigator(&navigator);

  // Without a window manager a full-screen request is not honoured; size the window ourselves too.
  window.setGeometry(window.screen()->geometry());
  window.showFullScreen();
  navigator.show(screens::kSplash);
  const int status = app.exec();
  navigator.unloadAll();
  return status;
}
