#include <gtest/gtest.h>

#include "outcome/answer_review.h"

namespace {
AnswerRecord given(int multiplicand, int multiplier, AnswerRecord::Result result, int ms) {
  AnswerRecord a;
  a.multiplicand = uint8_t(multiplicand);
  a.multiplier = uint8_t(multiplier);
  a.result = result;
  a.answerMs = ms;
  return a;
}
using R = AnswerRecord::Result;
}  // namespace

TEST(AnswerReview, NamesEachMissedProblemOnceWithItsAnswerAndTheThreeSlowestRightOnes) {
  const AnswerReview review = reviewAnswers({
      given(12, 17, R::Wrong, 3000),
      given(11, 5, R::Right, 1200),
      given(13, 20, R::Wrong, 2000),
      given(12, 17, R::Wrong, 2600),  // missed again on its retry
      given(13, 9, R::Right, 4150),
      given(11, 6, R::Right, 900),
      given(12, 17, R::RightOnRetry, 5000),
      given(13, 20, R::RightOnRetry, 1200),
  });
  EXPECT_EQ(review.missed, (QStringList{u"12×17=204"_qs, u"13×20=260"_qs}));
  EXPECT_EQ(review.slowest, (QStringList{u"12×17=204 5.0秒"_qs, u"13×9=117 4.2秒"_qs, u"11×5=55 1.2秒"_qs}));
  EXPECT_TRUE(review.praise.isEmpty());
}

TEST(AnswerReview, ARunWithoutAMistakeIsPraisedAndAShortRunListsWhatItHas) {
  const AnswerReview review = reviewAnswers({given(11, 1, R::Right, 800), given(11, 2, R::Right, 650)});
  EXPECT_TRUE(review.missed.isEmpty());
  EXPECT_EQ(review.slowest, (QStringList{u"11×1=11 0.8秒"_qs, u"11×2=22 0.7秒"_qs}));
  EXPECT_FALSE(review.praise.isEmpty());

  const AnswerReview nothing = reviewAnswers({});
  EXPECT_TRUE(nothing.praise.isEmpty());
  EXPECT_TRUE(nothing.slowest.isEmpty());
}
