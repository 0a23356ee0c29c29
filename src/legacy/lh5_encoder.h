#pragma once
// The -lh5- compressed form of a byte string: LZSS tokens (8 KiB window) sent in blocks, each
// with its own static Huffman trees. Blocks are cut where new trees pay for themselves.

#include <string>
#include <string_view>

std::string EncodeLh5(std::string_view data);
