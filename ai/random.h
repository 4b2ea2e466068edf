// A small seeded generator (splitmix64) of our own, so that a seed gives the
// same games on every platform and standard library.
#pragma once

#include <cstdint>

namespace zorvane::ai {

class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // Uniform in [0, bound), bound > 0; rejection keeps it free of modulo bias.
  std::uint64_t below(std::uint64_t bound) {
    const std::uint64_t threshold = (0 - bound) % bound;
    std::uint64_t x = next();
    while (x < threshold) x = next();
    return x % bound;
  }

 private:
  std::uint64_t state_;
};

}  // namespace zorvane::ai
