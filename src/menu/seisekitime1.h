#pragma once

#include "core/app_context.h"
#include "platform/screen.h"

// Placeholder until the screen is built.
class seisekitime1 : public Screen {
 public:
  explicit seisekitime1(AppContext& context);

 private:
  AppContext& context_;
};
