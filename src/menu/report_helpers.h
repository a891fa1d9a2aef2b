#pragma once

#include <QString>
#include <vector>

#include "core/value.h"

// The small routines every results view of the student menu shares.

// "①".."⑥" for the primary years 1..6, "Ⅰ".."Ⅲ" for the middle-school years 7..9, otherwise a
// full-width blank.
QString gradeMark(int grade);

// Whether a pupil of the grade is shown under the menu's grade filter: 1 shown, 0 not shown, and an
// empty value for a filter text that is no filter ("家族" counts as one: it shows everybody).
Value gradeFilterMatch(const QString& filterText, int grade);
inline bool gradeShown(const QString& filterText, int grade) {
  return gradeFilterMatch(filterText, grade) == Value(1);
}

// The recursive step of mergeSortKeys over positions lo..hi. Each half is merged by taking the right
// run's entry first on equal keys, so one sort reverses the order of equal keys; the rankings sort
// twice, which gives equal keys back in the order they had before.
template <class Key>
void mergeSortRange(int lo, int hi, std::vector<Key>& keys, std::vector<Key>& tempKeys,
                    std::vector<int>& companions, std::vector<int>& tempCompanions) {
  if (lo >= hi) return;
  const int mid = (lo + hi) / 2;
  mergeSortRange(lo, mid, keys, tempKeys, companions, tempCompanions);
  mergeSortRange(mid + 1, hi, keys, tempKeys, companions, tempCompanions);
  const int m = mid - lo + 1;
  for (int t = 0; t < m; ++t) {
    tempKeys[t] = keys[lo + t];
    tempCompanions[t] = companions[lo + t];
  }
  int i = 0, j = mid + 1, k = lo;
  while (j <= hi && i < m) {
    if (tempKeys[i] < keys[j]) {
      keys[k] = tempKeys[i];
      companions[k] = tempCompanions[i];
      ++i;
    } else {
      keys[k] = keys[j];
      companions[k] = companions[j];
      ++j;
    }
    ++k;
  }
  for (; i < m; ++i, ++k) {
    keys[k] = tempKeys[i];
    companions[k] = tempCompanions[i];
  }
}

// Sorts positions 1..n of keys ascending; each companion moves with its key.
template <class Key>
void mergeSortKeys(int n, std::vector<Key>& keys, std::vector<int>& companions) {
  if (n < 2) return;
  std::vector<Key> tempKeys(std::size_t(n / 2 + 2));
  std::vector<int> tempCompanions(std::size_t(n / 2 + 2));
  mergeSortRange(1, n, keys, tempKeys, companions, tempCompanions);
}
