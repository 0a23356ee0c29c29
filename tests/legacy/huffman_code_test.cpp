#include "legacy/huffman_code.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Sum of 2^-length over the used symbols, scaled by 2^16: exactly 2^16 for a complete code.
std::uint64_t KraftSum(const std::vector<std::uint8_t>& lengths) {
  std::uint64_t sum = 0;
  for (std::uint8_t length : lengths) {
    if (length > 0) sum += std::uint64_t{1} << (16 - length);
  }
  return sum;
}

TEST(HuffmanCodeLengths, LimitsDepthAndKeepsTheCodeComplete) {
  // Fibonacci frequencies give a tree as deep as it has symbols.
  std::vector<std::uint32_t> frequencies(30, 0);
  std::uint32_t a = 1, b = 1;
  for (std::size_t i = 2; i < frequencies.size(); ++i) {
    frequencies[i] = a;
    std::uint32_t next = a + b;
    a = b;
    b = next;
  }
  std::vector<std::uint8_t> lengths = HuffmanCodeLengths(frequencies, 16);
  EXPECT_EQ(lengths[0], 0);
  EXPECT_EQ(lengths[1], 0);
  for (std::size_t i = 2; i < lengths.size(); ++i) {
    EXPECT_GE(lengths[i], 1);
    EXPECT_LE(lengths[i], 16);
    if (i > 2) {
      EXPECT_LE(lengths[i], lengths[i - 1]) << "a more frequent symbol never gets a longer code";
    }
  }
  EXPECT_EQ(KraftSum(lengths), std::uint64_t{1} << 16);
}

TEST(HuffmanCodeLengths, FewerThanTwoSymbolsTakeNoBits) {
  EXPECT_EQ(HuffmanCodeLengths(std::vector<std::uint32_t>{0, 0, 0}, 16),
            (std::vector<std::uint8_t>{0, 0, 0}));
  EXPECT_EQ(HuffmanCodeLengths(std::vector<std::uint32_t>{0, 7, 0}, 16),
            (std::vector<std::uint8_t>{0, 0, 0}));
  EXPECT_EQ(HuffmanCodeLengths(std::vector<std::uint32_t>{0, 7, 1}, 16),
            (std::vector<std::uint8_t>{0, 1, 1}));
}

TEST(CanonicalCodes, ShorterCodesFirstThenSymbolOrder) {
  // Lengths 2, 1, 3, 3, 0 give the codes 10, 0, 110, 111.
  std::vector<std::uint8_t> lengths{2, 1, 3, 3, 0};
  EXPECT_EQ(CanonicalCodes(lengths), (std::vector<std::uint16_t>{0b10, 0b0, 0b110, 0b111, 0}));
}

}  // namespace
