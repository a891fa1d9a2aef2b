#pragma once

#include <QTimer>

#include "core/app_context.h"
#include "platform/screen.h"

class QLabel;
class SplashPicture;

// The splash window: shows the picture, the date in the era form and the waiting text, picks the
// season colour and the folder layout, and 100 ms after it has been painted loads the common data
// and opens the name selection screen.
class Firstfrm : public Screen {
 public:
  explicit Firstfrm(AppContext& context);

  void onLoad() override { startUp(); }

  void startUp();
  void continueStartUp();

  SplashPicture* Image1;
  QLabel* Label1;
  QLabel* Label5;
  QTimer Timer1;

 private:
  AppContext& context_;
};
