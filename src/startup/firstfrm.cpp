#include "startup/firstfrm.h"

#include <QLabel>

#include "core/app_state.h"
#include "core/common_data.h"
#include "core/folders.h"
#include "core/results_file.h"
#include "core/screen_names.h"
#include "platform/clock.h"
#include "platform/era_date.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/navigator.h"
#include "platform/pause.h"
#include "platform/random_source.h"
#include "startup/season.h"
#include "startup/splash_picture.h"

Firstfrm::Firstfrm(AppContext& context)
    : Screen(screens::kSplash), context_(context) {
  setBackColour(QColor(12, 42, 30));
  Image1 = new SplashPicture(this);
  place(Image1, 0, 0, TwipsGeometry::kCanvasWidth, TwipsGeometry::kCanvasHeight);

  const QString labelStyle = QStringLiteral("color: rgb(255, 255, 240); background: transparent;");
  Label1 = new QLabel(QStringLiteral("Just a moment, please."), this);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setStyleSheet(labelStyle);
  place(Label1, 0, 8200, TwipsGeometry::kCanvasWidth, 900);
  setFontPoints(Label1, 28);

  Label5 = new QLabel(this);
  Label5->setFont(japaneseFont());
  Label5->setAlignment(Qt::AlignCenter);
  Label5->setStyleSheet(labelStyle);
  place(Label5, 0, 9300, TwipsGeometry::kCanvasWidth, 800);
  setFontPoints(Label5, 22);

  Timer1.setInterval(100);
  Timer1.setSingleShot(true);
  QObject::connect(&Timer1, &QTimer::timeout, this, [this] { continueStartUp(); });
}

void Firstfrm::startUp() {
  AppState& state = context_.state;
  const Clock& clock = context_.services.clock;
  context_.navigator.show(screens::kSplash);
  letEventsRun();
  context_.services.random.seed(clock.secondsSinceMidnight());
  Label5->setText(eraDateText(clock.today()));
  state.screenBackColour = seasonColour(clock.today().month());
  repaint();
  letEventsRun();
  state.altLayout = altLayoutFor(context_.programFolder);
  Timer1.start();
}

void Firstfrm::continueStartUp() {
  Timer1.stop();
  loadCommonData(context_.state, context_.programFolder);
  const QString leftover = leftoverCopyNotice(context_.state);
  if (!leftover.isEmpty()) context_.services.boxes.inform(leftover, context_.state.programTitle);
  const QString unwritable = resultsWriteNotice(context_.state);
  if (!unwritable.isEmpty()) context_.services.boxes.inform(unwritable, context_.state.programTitle);
  const QString delivery = deliverWaitingResults(context_.state);
  if (!delivery.isEmpty()) context_.services.boxes.inform(delivery, context_.state.programTitle);
  context_.navigator.show(screens::kNameSelection);
  context_.navigator.unload(screens::kSplash);
}
