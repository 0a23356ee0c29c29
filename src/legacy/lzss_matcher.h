#pragma once
// LZSS parsing for -lh5-: each token is a literal byte or a copy of an earlier run of bytes
// within the 8 KiB window. Hash chains find the candidates, and lazy matching defers a match by
// one byte when the next position starts a longer one.

#include <cstdint>
#include <string_view>
#include <vector>

inline constexpr int kLzssMinMatch = 3;
inline constexpr int kLzssMaxMatch = 256;
// The window is 8 KiB; one byte less than the window keeps every copy clear of the byte the
// decoder is about to overwrite in its ring buffer.
inline constexpr int kLzssMaxDistance = (1 << 13) - 1;

struct LzssToken {
  // 0..255 a literal byte; 256 and up a copy of (code - 253) bytes: the -lh5- letter alphabet.
  std::uint16_t code;
  // For a copy, its distance minus one.
  std::uint16_t offset;
};

inline constexpr int kLzssFirstCopyCode = 256;

std::vector<LzssToken> ParseLzss(std::string_view data);
