#pragma once

#include "core/app_context.h"
#include "platform/screen.h"

// Placeholder until the screen is built.
class MainFrm : public Screen {
 public:
  explicit MainFrm(AppContext& context);

 private:
  AppContext& context_;
};
