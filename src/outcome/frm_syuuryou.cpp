#include "outcome/frm_syuuryou.h"

#include <QLabel>

#include "core/screen_names.h"

FrmSyuuryou::FrmSyuuryou(AppContext& context) : Screen(screens::kOutcome), context_(context) {
  auto* label = new QLabel(QStringLiteral("FrmSyuuryou"), this);
  place(label, 0, 0, 4000, 600);
}
