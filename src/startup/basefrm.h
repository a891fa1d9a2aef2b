#pragma once

#include "platform/screen.h"

class QLabel;

// The blank cover shown while a run is recorded and screens change over.
class BASEFRM : public Screen {
 public:
  BASEFRM();
  void onLoad() override;

  QLabel* Label19;
};
