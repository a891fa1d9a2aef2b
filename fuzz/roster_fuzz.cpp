// The roster file, read and listed as the name screen lists it; the input's length picks the display
// mode and the grade filter, so every combination gets its share of damaged rosters.
#include "fuzz/fuzz_installation.h"
#include "fuzz/damaged_text_file.h"
#include "selection/roster_listing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto state = FuzzInstallation::instance().loadedState();
  static const QStringList filters = gradeFilterEntries();
  fuzzTextFile(QStringLiteral("data/新名簿.txt"), data, size, [size] {
    FixedClock clock;
    NoPause pause;
    const RosterListing listing = buildRosterListing(*state, clock, pause, int(size % kDisplayModeCount),
                                                     filters[qsizetype(size % std::size_t(filters.size()))]);
    if (listing.lines.size() != qsizetype(listing.pupilNo.size())) fuzzFault("lines and pupils differ");
    if (!listing.problem.isEmpty()) expectMessage(listing.problem);
  });
  return 0;
}
