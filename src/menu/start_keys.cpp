#include "menu/start_keys.h"

MenuKey menuKeyFor(const QString& typed, int levelCount) {
  if (typed.size() != 1) return {};
  const QChar c = typed.front();
  int level = 0;
  if (c == u'0') return {MenuKey::Action::Back, 0};
  if (c >= u'1' && c <= u'9') level = c.unicode() - u'0';
  if (c >= u'a' && c <= u'd') level = 10 + (c.unicode() - u'a');
  if (level == 0 || level > levelCount) return {};
  return {MenuKey::Action::StartLevel, level};
}

int acceleratorDigit(int level) { return QString::number(level).front().unicode() - u'0'; }

int acceleratorLevel(int digit, int levelCount, const std::function<bool(int)>& enabled,
                     const std::function<bool(int)>& fullyShown) {
  int lowestEnabled = 0;
  for (int level = 1; level <= levelCount; ++level) {
    if (acceleratorDigit(level) != digit || !enabled(level)) continue;
    if (fullyShown(level)) return level;
    if (lowestEnabled == 0) lowestEnabled = level;
  }
  return lowestEnabled;
}
