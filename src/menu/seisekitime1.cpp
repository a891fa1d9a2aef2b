#include "menu/seisekitime1.h"

#include <QLabel>

#include "core/screen_names.h"

seisekitime1::seisekitime1(AppContext& context) : Screen(screens::kStudentMenu), context_(context) {
  auto* label = new QLabel(QStringLiteral("seisekitime1"), this);
  place(label, 0, 0, 4000, 600);
}
