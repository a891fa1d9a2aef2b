#pragma once

#include <QString>

struct AppState;
struct AppContext;

constexpr int kLevelCount = 25;

// The display name of a level 1..25; empty for any other index.
QString catalogueLevelName(int level);

// Sets the level count, the target level and the level names.
void fillLevelCatalogueValues(AppState& state);
// Fills the catalogue and opens the student menu.
void fillLevelCatalogue(AppContext& context);

// The one way into a run: clears the run state left by the previous run and opens the drill screen
// for currentLevel.
void startRun(AppContext& context);
