#pragma once

#include <QWidget>
#include <memory>

#include "core/app_context.h"
#include "core/app_state.h"
#include "platform/navigator.h"
#include "platform/printer.h"
#include "support/fakes.h"
#include "support/qstring_printer.h"
#include "support/temp_installation.h"

// The whole program on a temporary installation, with test doubles for every platform service and
// a host window of the design size. Screens are registered as in the program.
struct TestApp {
  TestApp();
  ~TestApp();

  // Loads the common data, criteria and sound table of the installation, as start-up does.
  void loadInstallation();
  // Chooses a pupil as the name screen does, and fills the level catalogue values.
  void choosePupil(int pupilNo);

  template <class T>
  T* screen(const QString& name) { return navigator.find<T>(name); }
  QString current() const { return navigator.currentName(); }

  TempInstallation installation;
  FakeClock clock;
  ScriptedRandom random;
  RecordingSoundPlayer sound;
  ScriptedMessageBoxes boxes;
  FakePause pause{&clock};
  RecordingProcessStarter processes;
  // Every print job becomes a PDF file in the installation folder: printed-1.pdf, printed-2.pdf, ...
  PdfPrinter printer{installation.root(), QStringLiteral("printed")};
  ScriptedFileDialogs fileDialogs;
  std::unique_ptr<AppState> state = std::make_unique<AppState>();
  QWidget host;
  Navigator navigator{&host};
  AppContext context{*state, Services{clock, random, sound, boxes, pause, processes, &printer, &fileDialogs}, navigator,
                     installation.programFolder()};
};
