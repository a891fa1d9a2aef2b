#pragma once

#include "core/app_context.h"
#include "platform/screen.h"

// Placeholder until the screen is built.
class namesel : public Screen {
 public:
  explicit namesel(AppContext& context);

 private:
  AppContext& context_;
};
