// The results file: the loader must take whatever it holds without a crash or a change to it, and an
// append after a damaged tail keeps every whole record and adds one whole record after them.
#include "core/result_record.h"
#include "core/results_file.h"
#include "fuzz/fuzz_installation.h"
#include "fuzz/damaged_text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto state = FuzzInstallation::instance().loadedState();
  const QString relative = QStringLiteral("data/kakedori/") + kResultsFileName;
  fuzzTextFile(relative, data, size, [size] {
    NoPause pause;
    loadResults(*state, pause);
    const qsizetype records = qsizetype(size) / ResultRecord::kSize;
    if (state->resultCount < 0 || state->resultCount > std::min<qsizetype>(records, kMaxResults))
      fuzzFault("more records loaded than the file holds");
  });

  FuzzInstallation& installation = FuzzInstallation::instance();
  const QByteArray before = installation.read(relative);
  state->currentPupilNo = 7;
  state->currentLevel = 3;
  state->runTime = 85;
  appendResult(*state, FixedClock());
  const QByteArray after = installation.read(relative);
  const qsizetype whole = before.size() / ResultRecord::kSize * ResultRecord::kSize;
  if (after.size() != whole + ResultRecord::kSize || after.left(whole) != before.left(whole))
    fuzzFault("an append harmed the records before it");
  const ResultRecord added = ResultRecord::decode(after.constData() + whole);
  if (added.pupilNo != 7 || added.level != 3 || added.runTime != 85) fuzzFault("the appended record");
  return 0;
}
