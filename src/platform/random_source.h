#pragma once

#include <random>

// Uniform numbers in [0, 1) from a generator seeded by the caller.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void seed(double seedValue) = 0;
  virtual double next() = 0;
};

class SeededRandom final : public RandomSource {
 public:
  void seed(double seedValue) override;
  double next() override;

 private:
  std::mt19937_64 engine_{0};
  std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};
