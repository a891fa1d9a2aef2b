#include "platform/random_source.h"

#include <bit>
#include <cstdint>

void SeededRandom::seed(double seedValue) {
  engine_.seed(std::bit_cast<std::uint64_t>(seedValue));
}

double SeededRandom::next() { return uniform_(engine_); }
