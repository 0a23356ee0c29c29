#include "legacy/lzss_matcher.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr int kHashBits = 15;
constexpr std::uint32_t kWindowMask = (1u << 13) - 1;
// How many chain links a search follows, and fewer once the pending match is already good.
constexpr int kMaxChain = 64;
constexpr int kGoodLength = 16;
// A match this long is taken without looking further.
constexpr int kNiceLength = 128;
// A pending match this long is emitted without trying the next position.
constexpr int kMaxLazy = 16;
// A three-byte copy from farther back rarely beats three literals: its offset needs more bits,
// and in records of digits and blanks literals are cheap.
constexpr int kTooFarForMinMatch = 256;

struct Match {
  int length = 0;
  int distance = 0;
};

class MatchFinder {
 public:
  MatchFinder(const unsigned char* data, std::size_t size)
      : data_(data), size_(size), head_(1u << kHashBits, -1), previous_(kWindowMask + 1, -1) {}

  void Insert(std::size_t pos) {
    if (pos + kLzssMinMatch > size_) return;
    std::int32_t& head = head_[Hash(pos)];
    previous_[pos & kWindowMask] = head;
    head = static_cast<std::int32_t>(pos);
  }

  // The longest match at `pos` (already inserted) that beats `shorterThan`, or length 0.
  Match Find(std::size_t pos, int shorterThan) const {
    const int limit = static_cast<int>(std::min<std::size_t>(kLzssMaxMatch, size_ - pos));
    if (limit < kLzssMinMatch || shorterThan >= limit) return {};
    const unsigned char* here = data_ + pos;
    const std::int64_t oldest = static_cast<std::int64_t>(pos) - kLzssMaxDistance;
    int chain = shorterThan >= kGoodLength ? kMaxChain / 4 : kMaxChain;
    Match best{std::max(shorterThan, kLzssMinMatch - 1), 0};
    for (std::int32_t candidate = previous_[pos & kWindowMask];
         candidate >= 0 && candidate >= oldest && chain-- > 0;
         candidate = previous_[candidate & kWindowMask]) {
      const unsigned char* there = data_ + candidate;
      if (there[best.length] != here[best.length] || there[0] != here[0] || there[1] != here[1]) {
        continue;
      }
      int length = CommonLength(there, here, limit);
      if (length > best.length) {
        best = {length, static_cast<int>(pos - candidate)};
        if (length >= kNiceLength || length == limit) break;
      }
    }
    if (best.distance == 0) return {};
    if (best.length == kLzssMinMatch && best.distance > kTooFarForMinMatch) return {};
    return best;
  }

 private:
  std::uint32_t Hash(std::size_t pos) const {
    std::uint32_t key = data_[pos] | (data_[pos + 1] << 8) | (data_[pos + 2] << 16);
    return (key * 0x9E3779B1u) >> (32 - kHashBits);
  }

  static int CommonLength(const unsigned char* a, const unsigned char* b, int limit) {
    int length = 0;
    while (length + 8 <= limit) {
      std::uint64_t x;
      std::uint64_t y;
      std::memcpy(&x, a + length, 8);
      std::memcpy(&y, b + length, 8);
      if (std::uint64_t diff = x ^ y) {
        int sameBits = std::endian::native == std::endian::little ? std::countr_zero(diff)
                                                                  : std::countl_zero(diff);
        return length + sameBits / 8;
      }
      length += 8;
    }
    while (length < limit && a[length] == b[length]) ++length;
    return length;
  }

  const unsigned char* data_;
  std::size_t size_;
  std::vector<std::int32_t> head_;
  std::vector<std::int32_t> previous_;
};

}  // namespace

std::vector<LzssToken> ParseLzss(std::string_view input) {
  const auto* data = reinterpret_cast<const unsigned char*>(input.data());
  const std::size_t size = input.size();
  MatchFinder finder(data, size);
  std::vector<LzssToken> tokens;
  tokens.reserve(size / 8 + 16);
  auto literal = [&](std::size_t pos) { tokens.push_back({data[pos], 0}); };

  // The byte before `pos` waits for its decision while `pending` holds the match starting there.
  bool waiting = false;
  Match pending;
  std::size_t pos = 0;
  while (pos < size) {
    finder.Insert(pos);
    Match current;
    if (!waiting || pending.length < kMaxLazy)
      current = finder.Find(pos, waiting ? pending.length : 0);
    if (waiting && pending.length >= kLzssMinMatch && current.length == 0) {
      tokens.push_back(
          {static_cast<std::uint16_t>(pending.length + kLzssFirstCopyCode - kLzssMinMatch),
           static_cast<std::uint16_t>(pending.distance - 1)});
      std::size_t end = pos - 1 + pending.length;
      for (std::size_t covered = pos + 1; covered < end; ++covered) finder.Insert(covered);
      pos = end;
      waiting = false;
      continue;
    }
    if (waiting) literal(pos - 1);
    pending = current;
    waiting = true;
    ++pos;
  }
  // The last byte can only wait with no match: too few bytes follow it.
  if (waiting) literal(size - 1);
  return tokens;
}
