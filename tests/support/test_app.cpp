#include "support/test_app.h"

#include "app/screen_registry.h"
#include "core/common_data.h"
#include "core/level_catalogue.h"

TestApp::TestApp() {
  state->outboxFolder = installation.outboxFolder();
  host.resize(1024, 768);
  registerScreens(context);
  host.show();
}

TestApp::~TestApp() { navigator.unloadAll(); }

void TestApp::loadInstallation() { loadCommonData(*state, installation.programFolder()); }

void TestApp::choosePupil(int pupilNo) {
  state->currentPupilNo = pupilNo;
  state->currentPupilName = state->pupilName[pupilNo];
  state->currentPupilGrade = state->pupilGrade[pupilNo];
  state->nameChosenSecond = int(clock.secondsSinceMidnight());
  fillLevelCatalogueValues(*state);
}
