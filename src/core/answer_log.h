#pragma once

#include <QString>
#include <vector>

#include "core/answer_record.h"
#include "core/record_outbox.h"
#include "core/result_record.h"

struct AppState;

// The answers this computer keeps while the answer log cannot take them, as the results file's
// outbox keeps runs.
RecordOutbox answerLogOutbox(const AppState& state);

// Appends a run's answers to the answer log in one write, under the log's own whole-file lock and
// after any answers waiting on this computer, each stamped with the run's date, time of day, pupil
// and level as its results record holds them, so the two files name the same run. A log the share
// cannot take keeps them in the outbox. Returns an empty text when they reached the log, else what
// went wrong: the caller decides what to tell, since the log must never stop a pupil's run.
QString appendAnswers(const AppState& state, const ResultRecord& run, const std::vector<AnswerRecord>& answers);

// Moves the answers waiting on this computer to the log; returns trouble worth telling, or empty.
QString deliverWaitingAnswers(const AppState& state);
