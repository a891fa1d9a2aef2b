// The answer log: the reader must take whatever the file holds without a crash or a change to it,
// hand on only answers whose fields lie in their ranges, and account for every whole record.
#include "core/answer_log_reader.h"
#include "fuzz/damaged_text_file.h"
#include "fuzz/fuzz_installation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto state = FuzzInstallation::instance().loadedState();
  const QString relative = QStringLiteral("data/kakedori/") + kAnswerLogFileName;
  fuzzTextFile(relative, data, size, [size] {
    NoPause pause;
    qint64 implausible = 0;
    const AnswerLogReading all = readAnswerLog(*state, pause, {}, [&implausible](const AnswerRecord& a) {
      if (!a.isPlausible()) ++implausible;
    });
    if (implausible != 0) fuzzFault("an answer out of its ranges was handed on");
    const qint64 records = qint64(size) / AnswerRecord::kSize;
    if (all.delivered + all.damaged != records) fuzzFault("a whole record was neither read nor counted");

    // A pupil filter checks the pupil first; it must not hand on more than the whole reading.
    AnswerLogFilter onePupil;
    onePupil.onlyPupil(7);
    const AnswerLogReading some = readAnswerLog(*state, pause, onePupil, [](const AnswerRecord& a) {
      if (a.pupilNo != 7) fuzzFault("an answer of another pupil was handed on");
    });
    if (some.delivered > all.delivered || some.damaged > all.damaged) fuzzFault("the pupil filter");
  });
  return 0;
}
