#include "legacy/lh5_encoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

#include "legacy/huffman_code.h"
#include "legacy/lzss_matcher.h"

namespace {

// Alphabets of a block: letters (literals and copy lengths), copy offsets by bit length, and the
// lengths of the letter tree; each count is sent in the given number of bits.
constexpr int kLetterSymbols = 510;
constexpr int kLetterCountBits = 9;
constexpr int kOffsetSymbols = 14;
constexpr int kOffsetCountBits = 4;
constexpr int kLengthSymbols = 19;
constexpr int kLengthCountBits = 5;
constexpr int kMaxCodeBits = 16;
// After the third length of the length tree, a two-bit count of zero lengths follows.
constexpr int kLengthTreeZeroSkipAt = 3;
// A block counts its tokens in 16 bits.
constexpr std::size_t kMaxBlockTokens = 0xFFFF;
// Blocks are built from runs of this many tokens, joined while one tree set suits them.
constexpr std::size_t kChunkTokens = 4096;

// An offset is sent as its bit length, then its bits below the leading one.
int OffsetSymbol(unsigned offset) { return std::bit_width(offset); }
int OffsetExtraBits(int symbol) { return symbol > 1 ? symbol - 1 : 0; }

class BitWriter {
 public:
  void Put(int bits, std::uint32_t value) {
    buffer_ = (buffer_ << bits) | (value & ((1u << bits) - 1));
    pending_ += bits;
    while (pending_ >= 8) {
      pending_ -= 8;
      out_.push_back(static_cast<char>(buffer_ >> pending_));
    }
  }
  std::string Finish() {
    if (pending_ > 0) out_.push_back(static_cast<char>(buffer_ << (8 - pending_)));
    pending_ = 0;
    return std::move(out_);
  }

 private:
  std::string out_;
  std::uint64_t buffer_ = 0;
  int pending_ = 0;
};

class BitCounter {
 public:
  void Put(int bits, std::uint32_t) { bits_ += bits; }
  std::uint64_t bits() const { return bits_; }

 private:
  std::uint64_t bits_ = 0;
};

struct BlockStats {
  std::array<std::uint32_t, kLetterSymbols> letters{};
  std::array<std::uint32_t, kOffsetSymbols> offsets{};
  std::size_t tokens = 0;

  void Add(const BlockStats& other) {
    for (int i = 0; i < kLetterSymbols; ++i) letters[i] += other.letters[i];
    for (int i = 0; i < kOffsetSymbols; ++i) offsets[i] += other.offsets[i];
    tokens += other.tokens;
  }
};

BlockStats StatsOf(std::span<const LzssToken> tokens) {
  BlockStats stats;
  for (const LzssToken& token : tokens) {
    ++stats.letters[token.code];
    if (token.code >= kLzssFirstCopyCode) ++stats.offsets[OffsetSymbol(token.offset)];
  }
  stats.tokens = tokens.size();
  return stats;
}

struct Tree {
  std::vector<std::uint8_t> lengths;
  std::vector<std::uint16_t> codes;
  // With fewer than two used symbols the tree is sent as this one symbol.
  int single = -1;

  explicit Tree(std::span<const std::uint32_t> frequencies)
      : lengths(HuffmanCodeLengths(frequencies, kMaxCodeBits)), codes(CanonicalCodes(lengths)) {
    bool anyCode = false;
    for (std::uint8_t length : lengths) anyCode = anyCode || length > 0;
    if (anyCode) return;
    single = 0;
    for (std::size_t symbol = 0; symbol < frequencies.size(); ++symbol) {
      if (frequencies[symbol] > 0) single = static_cast<int>(symbol);
    }
  }

  // Number of lengths sent: up to the last used symbol.
  int SentCount() const {
    int count = static_cast<int>(lengths.size());
    while (count > 0 && lengths[count - 1] == 0) --count;
    return count;
  }

  template <typename Sink>
  void Code(Sink& out, int symbol) const {
    out.Put(lengths[symbol], codes[symbol]);
  }
};

// One item of the letter tree's lengths as sent through the length tree: a length symbol and
// the extra bits of a run of zeros.
struct LengthItem {
  int symbol;
  int extraBits;
  int extra;
};

std::vector<LengthItem> LetterLengthItems(const Tree& letters) {
  std::vector<LengthItem> items;
  const int count = letters.SentCount();
  for (int i = 0; i < count;) {
    if (letters.lengths[i] != 0) {
      items.push_back({letters.lengths[i] + 2, 0, 0});
      ++i;
      continue;
    }
    int run = 0;
    while (i + run < count && letters.lengths[i + run] == 0) ++run;
    i += run;
    if (run <= 2) {
      for (int k = 0; k < run; ++k) items.push_back({0, 0, 0});
    } else if (run <= 18) {
      items.push_back({1, 4, run - 3});
    } else if (run == 19) {
      items.push_back({0, 0, 0});
      items.push_back({1, 4, 15});
    } else {
      items.push_back({2, kLetterCountBits, run - 20});
    }
  }
  return items;
}

// A tree of one symbol: a count of 0, then the symbol.
template <typename Sink>
void PutSingleSymbolTree(Sink& out, int countBits, int symbol) {
  out.Put(countBits, 0);
  out.Put(countBits, symbol);
}

// A small tree's lengths: three bits each, or for 7 and more "111" and a unary rest.
template <typename Sink>
void PutSmallTree(Sink& out, const Tree& tree, int countBits, int zeroSkipAt) {
  if (tree.single >= 0) {
    PutSingleSymbolTree(out, countBits, tree.single);
    return;
  }
  const int count = tree.SentCount();
  out.Put(countBits, count);
  for (int i = 0; i < count;) {
    int length = tree.lengths[i++];
    if (length <= 6) {
      out.Put(3, length);
    } else {
      out.Put(length - 3, (1u << (length - 3)) - 2);
    }
    if (i == zeroSkipAt) {
      int zeros = 0;
      while (zeros < 3 && i + zeros < count && tree.lengths[i + zeros] == 0) ++zeros;
      out.Put(2, zeros);
      i += zeros;
    }
  }
}

struct BlockTrees {
  Tree letters;
  Tree offsets;
  std::vector<LengthItem> letterItems;
  Tree lengthTree;

  explicit BlockTrees(const BlockStats& stats)
      : letters(stats.letters),
        offsets(stats.offsets),
        letterItems(LetterLengthItems(letters)),
        lengthTree(LengthFrequencies(letterItems)) {}

  static std::array<std::uint32_t, kLengthSymbols> LengthFrequencies(
      const std::vector<LengthItem>& items) {
    std::array<std::uint32_t, kLengthSymbols> frequencies{};
    for (const LengthItem& item : items) ++frequencies[item.symbol];
    return frequencies;
  }

  template <typename Sink>
  void PutHeader(Sink& out, std::size_t tokens) const {
    out.Put(16, static_cast<std::uint32_t>(tokens));
    if (letters.single >= 0) {
      PutSingleSymbolTree(out, kLengthCountBits, 0);
      PutSingleSymbolTree(out, kLetterCountBits, letters.single);
    } else {
      PutSmallTree(out, lengthTree, kLengthCountBits, kLengthTreeZeroSkipAt);
      out.Put(kLetterCountBits, letters.SentCount());
      for (const LengthItem& item : letterItems) {
        lengthTree.Code(out, item.symbol);
        if (item.extraBits > 0) out.Put(item.extraBits, item.extra);
      }
    }
    PutSmallTree(out, offsets, kOffsetCountBits, -1);
  }

  template <typename Sink>
  void PutToken(Sink& out, const LzssToken& token) const {
    letters.Code(out, token.code);
    if (token.code < kLzssFirstCopyCode) return;
    int symbol = OffsetSymbol(token.offset);
    offsets.Code(out, symbol);
    out.Put(OffsetExtraBits(symbol), token.offset);
  }
};

// Exact size of a block in bits.
std::uint64_t BlockBits(const BlockStats& stats) {
  BlockTrees trees(stats);
  BitCounter counter;
  trees.PutHeader(counter, stats.tokens);
  std::uint64_t bits = counter.bits();
  for (int i = 0; i < kLetterSymbols; ++i) {
    bits += std::uint64_t{stats.letters[i]} * trees.letters.lengths[i];
  }
  for (int i = 0; i < kOffsetSymbols; ++i) {
    bits += std::uint64_t{stats.offsets[i]} * (trees.offsets.lengths[i] + OffsetExtraBits(i));
  }
  return bits;
}

void PutBlock(BitWriter& out, std::span<const LzssToken> tokens, const BlockStats& stats) {
  BlockTrees trees(stats);
  trees.PutHeader(out, tokens.size());
  for (const LzssToken& token : tokens) trees.PutToken(out, token);
}

}  // namespace

std::string EncodeLh5(std::string_view data) {
  std::vector<LzssToken> tokens = ParseLzss(data);
  std::span<const LzssToken> all(tokens);
  BitWriter out;

  // Greedy block splitting: a chunk joins the open block when one set of trees for both costs no
  // more than a block of its own.
  std::size_t blockStart = 0;
  BlockStats block;
  std::uint64_t blockBits = 0;
  for (std::size_t chunkStart = 0; chunkStart < tokens.size(); chunkStart += kChunkTokens) {
    std::span<const LzssToken> chunk =
        all.subspan(chunkStart, std::min(kChunkTokens, tokens.size() - chunkStart));
    BlockStats chunkStats = StatsOf(chunk);
    std::uint64_t chunkBits = BlockBits(chunkStats);
    if (block.tokens > 0) {
      BlockStats joined = block;
      joined.Add(chunkStats);
      const bool fits = joined.tokens <= kMaxBlockTokens;
      const std::uint64_t joinedBits = fits ? BlockBits(joined) : 0;
      if (fits && joinedBits <= blockBits + chunkBits) {
        block = joined;
        blockBits = joinedBits;
        continue;
      }
      PutBlock(out, all.subspan(blockStart, chunkStart - blockStart), block);
    }
    blockStart = chunkStart;
    block = chunkStats;
    blockBits = chunkBits;
  }
  if (block.tokens > 0) PutBlock(out, all.subspan(blockStart), block);
  return out.Finish();
}
