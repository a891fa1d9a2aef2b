#include "selection/namesel.h"

#include <QLabel>

#include "core/screen_names.h"

namesel::namesel(AppContext& context) : Screen(screens::kNameSelection), context_(context) {
  auto* label = new QLabel(QStringLiteral("namesel"), this);
  place(label, 0, 0, 4000, 600);
}
