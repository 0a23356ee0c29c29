#pragma once
// Length-limited Huffman code lengths and the canonical codes built from them (shorter codes
// first, equal lengths in symbol order), as the -lh5- block trees use them.

#include <cstdint>
#include <span>
#include <vector>

// Code length of every symbol; 0 for unused symbols. With fewer than two used symbols every
// length is 0: such a tree is sent as its single symbol and its codes take no bits.
std::vector<std::uint8_t> HuffmanCodeLengths(std::span<const std::uint32_t> frequencies,
                                             int maxBits);

// The canonical code of every symbol, to be written most significant bit first.
std::vector<std::uint16_t> CanonicalCodes(std::span<const std::uint8_t> lengths);
