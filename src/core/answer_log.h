#pragma once

#include <QString>
#include <vector>

#include "core/answer_record.h"
#include "core/result_record.h"

struct AppState;

// Appends a run's answers to the answer log in one write, under the log's own whole-file lock,
// each stamped with the run's date, time of day and pupil as its results record holds them, so the
// two files name the same run. Returns an empty text on success, else what went wrong; the caller
// decides what to tell, since a log that cannot be written must never stop a pupil's run.
QString appendAnswers(const AppState& state, const ResultRecord& run, const std::vector<AnswerRecord>& answers);
