#include "outcome/answer_review.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {
// More missed problems than this are summed up in one line.
constexpr int kMissedShown = 10;
}  // namespace

QString problemWithAnswer(int multiplicand, int multiplier) {
  return QStringLiteral("%1×%2=%3").arg(multiplicand).arg(multiplier).arg(multiplicand * multiplier);
}

AnswerReview reviewAnswers(const std::vector<AnswerRecord>& answers) {
  AnswerReview review;
  std::set<std::pair<int, int>> named;
  std::vector<const AnswerRecord*> right;
  for (const AnswerRecord& a : answers) {
    if (a.result == AnswerRecord::Result::Wrong) {
      if (named.insert({a.multiplicand, a.multiplier}).second)
        review.missed << problemWithAnswer(a.multiplicand, a.multiplier);
    } else {
      right.push_back(&a);
    }
  }
  // The first of equally slow answers stays first, so the list does not shuffle between runs.
  std::stable_sort(right.begin(), right.end(),
                   [](const AnswerRecord* a, const AnswerRecord* b) { return a->answerMs > b->answerMs; });
  for (std::size_t i = 0; i < right.size() && i < 3; ++i)
    review.slowest << QStringLiteral("%1 %2秒")
                          .arg(problemWithAnswer(right[i]->multiplicand, right[i]->multiplier))
                          .arg(right[i]->answerMs / 1000.0, 0, 'f', 1);
  if (review.missed.isEmpty() && !answers.empty())
    review.praise = QStringLiteral("まちがいなし！この調子でがんばろう。");
  return review;
}

QStringList missedPanelLines(const AnswerReview& review) {
  if (!review.praise.isEmpty()) return {review.praise};
  if (review.missed.isEmpty()) return {};
  QStringList lines{QStringLiteral("まちがえた問題")};
  lines += review.missed.mid(0, kMissedShown);
  if (review.missed.size() > kMissedShown) lines << QStringLiteral("ほか%1問").arg(review.missed.size() - kMissedShown);
  return lines;
}

QStringList slowestPanelLines(const AnswerReview& review) {
  if (review.slowest.isEmpty()) return {};
  return QStringList{QStringLiteral("時間がかかった問題")} + review.slowest;
}
