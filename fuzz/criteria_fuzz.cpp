// The criteria table, and the tallies and points worked out from whatever it held.
#include "core/criteria.h"
#include "core/tallies.h"
#include "fuzz/fuzz_installation.h"
#include "fuzz/damaged_text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto state = FuzzInstallation::instance().loadedState();
  fuzzTextFile(QStringLiteral("data/kakedori/タイム回数データ.txt"), data, size, [] {
    AppState& s = *state;
    loadCriteria(s);
    FixedClock clock;
    NoPause pause;
    recountTallies(s, clock, pause);
    for (int level = 1; level <= kMaxLevel; ++level) {
      for (int runTime : {0, 1, 59, 60, 119, 5999, 99999}) (void)runPoints(s, level, runTime);
      (void)clearConditionMet(s, level, 1);
      (void)overPracticeLimitReached(s, level, 1);
    }
  });
  return 0;
}
