#pragma once

#include <QStringList>
#include <vector>

#include "core/answer_record.h"

// What the outcome screen tells a pupil about their answers in the run just ended: each problem
// they answered wrong, once, in the order they first missed it, written with its right answer; and
// their three slowest right answers with the seconds each took.
struct AnswerReview {
  QStringList missed;   // "12×17=204"
  QStringList slowest;  // "13×18=234 4.2秒", slowest first
  // The line for a run without a wrong answer; empty when something was missed or nothing answered.
  QString praise;
};

AnswerReview reviewAnswers(const std::vector<AnswerRecord>& answers);

// The lines of the two panels beside the outcome card: the missed problems under their heading (at
// most ten, the rest summed up) or the praise, and the slowest answers under theirs; none when
// there is nothing to say.
QStringList missedPanelLines(const AnswerReview& review);
QStringList slowestPanelLines(const AnswerReview& review);

// "12×17=204", as the pupil would write it.
QString problemWithAnswer(int multiplicand, int multiplier);
