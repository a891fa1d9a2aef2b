#include "teacher/criteria_grid_edit_box.h"

#include <QKeyEvent>

namespace {
// Keys whose own effect on the text reaches the box: typed characters, Backspace and the clipboard.
bool reachesTheBox(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Copy) ||
      event->matches(QKeySequence::Cut) || event->key() == Qt::Key_Backspace)
    return true;
  const QString text = event->text();
  return !text.isEmpty() && text.front().isPrint() && !(event->modifiers() & Qt::ControlModifier);
}
}  // namespace

void CriteriaGridEditBox::keyPressEvent(QKeyEvent* event) {
  event->accept();
  switch (event->key()) {
    case Qt::Key_Escape:
      return;
    case Qt::Key_Up:
      emit moveKey(CriteriaGrid::Key::Up);
      break;
    case Qt::Key_Down:
      emit moveKey(event->modifiers() & Qt::ShiftModifier ? CriteriaGrid::Key::ShiftDown : CriteriaGrid::Key::Down);
      break;
    case Qt::Key_Left:
      emit moveKey(CriteriaGrid::Key::Left);
      break;
    case Qt::Key_Right:
      emit moveKey(CriteriaGrid::Key::Right);
      break;
    case Qt::Key_Space:
      clear();  // cell clear
      break;
    default:
      if (reachesTheBox(event)) QLineEdit::keyPressEvent(event);
      break;
  }
  emit keyDone();
}
