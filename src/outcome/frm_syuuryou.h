#pragma once

#include "core/app_context.h"
#include "platform/screen.h"

// Placeholder until the screen is built.
class FrmSyuuryou : public Screen {
 public:
  explicit FrmSyuuryou(AppContext& context);

 private:
  AppContext& context_;
};
