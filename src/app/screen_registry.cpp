#include "app/screen_registry.h"

#include "core/app_context.h"
#include "core/screen_names.h"
#include "platform/navigator.h"
#include "startup/basefrm.h"
#include "startup/firstfrm.h"
#include "startup/title_screen.h"

void registerScreens(AppContext& context) {
  Navigator& navigator = context.navigator;
  navigator.registerScreen(screens::kSplash, [&context] { return std::make_unique<Firstfrm>(context); });
  navigator.registerScreen(screens::kCover, [] { return std::make_unique<BASEFRM>(); });
  navigator.registerScreen(screens::kNameSelection, [&context] {
    return std::make_unique<TitleScreen>(context, screens::kNameSelection);
  });
}
