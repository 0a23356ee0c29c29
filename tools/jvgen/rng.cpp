#include "rng.h"

namespace {

std::uint64_t SplitMix(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

std::uint64_t Mix(std::uint64_t a, std::uint64_t b) {
  std::uint64_t state = a ^ Rotl(b, 17) ^ 0x5851F42D4C957F2DULL;
  SplitMix(state);
  state ^= b;
  return SplitMix(state);
}

Rng::Rng(std::uint64_t seed) {
  std::uint64_t state = seed;
  for (std::uint64_t& word : s_) word = SplitMix(state);
}

std::uint64_t Rng::next() {
  const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Rotl(s_[3], 45);
  return result;
}

int Rng::below(int n) {
  if (n <= 0) return 0;
  // Multiply-shift keeps the bias below 2^-32, far under anything a sample store could show.
  return static_cast<int>(((next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
}

int Rng::between(int lo, int hi) { return hi < lo ? lo : lo + below(hi - lo + 1); }

bool Rng::percent(int p) { return below(100) < p; }

double Rng::unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

double Rng::bell() {
  // Irwin-Hall: the sum of twelve uniforms minus six.
  double sum = 0;
  for (int i = 0; i < 12; ++i) sum += unit();
  return sum - 6.0;
}
