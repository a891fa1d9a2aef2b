#pragma once

struct AppContext;

// Tells the navigator how to make every screen of the program.
void registerScreens(AppContext& context);
