#include "startup/basefrm.h"

#include <QLabel>

#include "core/screen_names.h"
#include "platform/pause.h"

BASEFRM::BASEFRM() : Screen(screens::kCover) {
  setBackColour(QColor(0, 0, 64));
  Label19 = new QLabel(QStringLiteral("Just a moment, please."), this);
  Label19->setAlignment(Qt::AlignCenter);
  Label19->setStyleSheet(QStringLiteral("color: white;"));
  place(Label19, 0, 5000, TwipsGeometry::kCanvasWidth, 1000);
  setFontPoints(Label19, 24);
}

void BASEFRM::onLoad() { letEventsRun(); }
