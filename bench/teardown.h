#pragma once

#include <functional>

// Work done after the last benchmark while the application still exists: a program's screens
// cannot outlive it, so a fixture kept across benchmarks is taken down here rather than at exit.
void atBenchmarksEnd(std::function<void()> teardown);

// One fixture made on first use and kept across benchmarks, taken down after the last one.
template <class Fixture>
Fixture& sharedFixture() {
  static Fixture* made = [] {
    auto* fixture = new Fixture;
    atBenchmarksEnd([fixture] { delete fixture; });
    return fixture;
  }();
  return *made;
}
