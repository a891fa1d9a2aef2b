#pragma once

#include "core/app_context.h"
#include "platform/screen.h"

// A plain screen with the title and a way to quit.
class TitleScreen : public Screen {
 public:
  TitleScreen(AppContext& context, const QString& name);
};
