#pragma once
// A seeded pseudo-random generator of our own (xoshiro256**), so that a seed gives the same
// sequence on every platform and library version. Everything derived from it uses integer or
// plain IEEE arithmetic only, never std distributions or libm.

#include <cstdint>
#include <vector>

// Mixes two values into a well-spread 64-bit hash (SplitMix64 finaliser).
std::uint64_t Mix(std::uint64_t a, std::uint64_t b);

class Rng {
 public:
  explicit Rng(std::uint64_t seed);
  Rng(std::uint64_t seed, std::uint64_t salt) : Rng(Mix(seed, salt)) {}

  std::uint64_t next();
  int below(int n);              // 0 .. n-1; 0 when n <= 0
  int between(int lo, int hi);   // lo .. hi inclusive
  bool percent(int p);           // true with probability p/100
  double unit();                 // [0, 1)
  double bell();                 // about normal: mean 0, deviation 1

  template <class T>
  const T& pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
  }

 private:
  std::uint64_t s_[4];
};
