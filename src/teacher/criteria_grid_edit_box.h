#pragma once

#include <QLineEdit>

#include "teacher/criteria_grid.h"

// The edit box laid over the current cell of the criteria grid. The arrow keys move the cursor,
// Shift + Down copies the cell down, Space clears the box; a typed character reaches the box, and
// every other key's own effect is cancelled. After every key but Esc it says so, so that the screen
// refreshes the distribution and puts the cell's text back.
class CriteriaGridEditBox : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;

 signals:
  void moveKey(CriteriaGrid::Key key);
  void keyDone();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
