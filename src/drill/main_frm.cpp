#include "drill/main_frm.h"

#include <QLabel>

#include "core/screen_names.h"

MainFrm::MainFrm(AppContext& context) : Screen(screens::kDrill), context_(context) {
  auto* label = new QLabel(QStringLiteral("MainFrm"), this);
  place(label, 0, 0, 4000, 600);
}
