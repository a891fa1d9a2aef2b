#pragma once

#include "core/app_context.h"
#include "platform/screen.h"

// A teacher screen that is not built yet: a notice and a way back to the menu.
class TeacherStandIn : public Screen {
 public:
  TeacherStandIn(AppContext& context, const QString& name);

  void goBack();

 private:
  AppContext& context_;
};
