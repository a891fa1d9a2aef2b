#pragma once

#include <QString>
#include <functional>

// What a character typed on the student menu asks for.
struct MenuKey {
  enum class Action { None, StartLevel, Back };
  Action action = Action::None;
  int level = 0;

  friend bool operator==(const MenuKey&, const MenuKey&) = default;
};

// "1".."9" start levels 1 to 9, lower-case "a".."d" levels 10 to 13, "0" goes back. A level the
// menu does not have gives nothing.
MenuKey menuKeyFor(const QString& typed, int levelCount);

// The digit a start button's caption marks as its accelerator: the first digit of the level number.
int acceleratorDigit(int level);

// The level an accelerator digit starts when several buttons share it: the leftmost enabled one
// that is wholly on screen, else the lowest enabled one; 0 when none is enabled.
int acceleratorLevel(int digit, int levelCount, const std::function<bool(int)>& enabled,
                     const std::function<bool(int)>& fullyShown);
