#pragma once

#include <QString>
#include <functional>
#include <limits>
#include <vector>

#include "core/answer_record.h"

struct AppState;
class Pause;

// Which answers of the log a reader is handed. The log can hold millions of answers, so the filter
// is applied while the file streams past and only the answers it lets through reach the caller.
struct AnswerLogFilter {
  // Day numbers, both included.
  double firstDate = -std::numeric_limits<double>::infinity();
  double lastDate = std::numeric_limits<double>::infinity();
  // Indexed by pupil number 0..5000; empty lets every pupil through.
  std::vector<bool> pupils;
  // Applied last, to the answers the other conditions let through; empty lets every one through.
  std::function<bool(const AnswerRecord&)> accepts;

  void onlyPupil(int pupilNo);
  bool admitsPupil(int pupilNo) const;
};

struct AnswerLogReading {
  qint64 delivered = 0;  // answers handed to the caller
  // Records whose fields lie outside their ranges: skipped, left in the file, and told to the user.
  // A record of a pupil outside the filter is only checked as far as its pupil number.
  qint64 damaged = 0;
};

// Streams the answer log, a chunk at a time, under a shared lock on the whole file (retried every
// second while another computer appends), and hands every plausible answer the filter lets through
// to `visit`, in file order. A partial record at the end (an append cut short) is ignored. A missing
// log gives no answers; any other failure is a FileError.
AnswerLogReading readAnswerLog(const AppState& state, Pause& pause, const AnswerLogFilter& filter,
                               const std::function<void(const AnswerRecord&)>& visit);
// The same on a log at any path, for the tools and tests that read one outside an installation.
AnswerLogReading readAnswerLogAt(const QString& path, Pause& pause, const AnswerLogFilter& filter,
                                 const std::function<void(const AnswerRecord&)>& visit);

// What the user is told about damaged records; empty when there were none.
QString damagedAnswersNotice(qint64 damaged);
