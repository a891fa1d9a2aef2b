#include "core/level_catalogue.h"

#include <array>

#include "core/app_context.h"
#include "core/app_state.h"
#include "core/screen_names.h"
#include "platform/navigator.h"
#include "platform/pause.h"

QString catalogueLevelName(int level) {
  static const std::array<QString, kLevelCount + 1> kNames = {
      QString(),
      QStringLiteral("１１(1-10)"),   QStringLiteral("１１(1-10R)"),  QStringLiteral("１１(10-15)"),
      QStringLiteral("１１(10-15R)"), QStringLiteral("１１(16-20)"),  QStringLiteral("１１(15-20R)"),
      QStringLiteral("１１(1-20)"),   QStringLiteral("１１(1-20R)"),  QStringLiteral("１２(1-10)"),
      QStringLiteral("１２(1-10R)"),  QStringLiteral("１２(11-15)"),  QStringLiteral("１２(11-15R)"),
      QStringLiteral("１２(16-20)"),  QStringLiteral("１２(16-20R)"), QStringLiteral("１２( 1-20)"),
      QStringLiteral("１２( 1-20R)"), QStringLiteral("１３(1-10)"),   QStringLiteral("１３(1-10R)"),
      QStringLiteral("１３(11-15)"),  QStringLiteral("１３(11-15R)"), QStringLiteral("１３(16-20)"),
      QStringLiteral("１３(16-20R)"), QStringLiteral("１３(1-20)"),   QStringLiteral("１３(1-20R)"),
      QStringLiteral("１１－１３")};
  return level >= 1 && level <= kLevelCount ? kNames[level] : QString();
}

void fillLevelCatalogueValues(AppState& state) {
  state.levelCount = kLevelCount;
  state.quotaLevel = Value(state.levelCount);
  for (int level = 0; level <= kMaxLevel; ++level) state.levelName[level] = catalogueLevelName(level);
}

void fillLevelCatalogue(AppContext& context) {
  fillLevelCatalogueValues(context.state);
  context.navigator.show(screens::kStudentMenu);
}

void startRun(AppContext& context) {
  AppState& s = context.state;
  s.runEnding = {0, 0};
  s.judging = 0;
  s.plusKeyState = 0;
  s.correctCount = 0;
  s.timedOut = 0;
  letEventsRun();
  // A fresh drill screen for every run: nothing of the last run's private state survives.
  context.navigator.unload(screens::kDrill);
  context.navigator.show(screens::kDrill);
}
