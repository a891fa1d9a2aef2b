#include "startup/title_screen.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "core/app_state.h"

TitleScreen::TitleScreen(AppContext& context, const QString& name) : Screen(name) {
  setBackColour(context.state.screenBackColour);
  auto* title = new QLabel(context.state.programTitle, this);
  title->setAlignment(Qt::AlignCenter);
  place(title, 0, 3000, TwipsGeometry::kCanvasWidth, 2000);
  setFontPoints(title, 48);
  auto* quit = new QPushButton(QStringLiteral("終了(&0)"), this);
  place(quit, 6180, 7000, 3000, 900);
  setFontPoints(quit, 16);
  QObject::connect(quit, &QPushButton::clicked, this, [] { QApplication::quit(); });
}
