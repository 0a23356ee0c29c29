#include "legacy/huffman_code.h"

#include <algorithm>
#include <utility>

namespace {

// Depth of every leaf of a Huffman tree over `weights` (ascending), built with two queues.
std::vector<int> LeafDepths(const std::vector<std::uint64_t>& sortedWeights) {
  const int leaves = static_cast<int>(sortedWeights.size());
  const int nodes = 2 * leaves - 1;
  std::vector<std::uint64_t> weight(sortedWeights);
  weight.resize(nodes);
  std::vector<int> parent(nodes, 0);
  int nextLeaf = 0;
  int nextInner = leaves;
  auto takeLightest = [&](int created) {
    if (nextLeaf < leaves && (nextInner >= created || weight[nextLeaf] <= weight[nextInner])) {
      return nextLeaf++;
    }
    return nextInner++;
  };
  for (int created = leaves; created < nodes; ++created) {
    int a = takeLightest(created);
    int b = takeLightest(created);
    weight[created] = weight[a] + weight[b];
    parent[a] = parent[b] = created;
  }
  // Parents are created after their children, so one backward pass gives every depth.
  std::vector<int> depth(nodes, 0);
  for (int node = nodes - 2; node >= 0; --node) depth[node] = depth[parent[node]] + 1;
  depth.resize(leaves);
  return depth;
}

}  // namespace

std::vector<std::uint8_t> HuffmanCodeLengths(std::span<const std::uint32_t> frequencies,
                                             int maxBits) {
  std::vector<std::uint8_t> lengths(frequencies.size(), 0);
  std::vector<std::pair<std::uint32_t, int>> used;
  for (std::size_t symbol = 0; symbol < frequencies.size(); ++symbol) {
    if (frequencies[symbol] > 0) used.emplace_back(frequencies[symbol], static_cast<int>(symbol));
  }
  if (used.size() < 2) return lengths;
  std::sort(used.begin(), used.end());

  std::vector<std::uint64_t> weights;
  for (const auto& [frequency, symbol] : used) weights.push_back(frequency);
  std::vector<int> depths = LeafDepths(weights);

  int deepest = *std::max_element(depths.begin(), depths.end());
  std::vector<int> countOfLength(std::max(deepest, maxBits) + 1, 0);
  for (int depth : depths) ++countOfLength[depth];
  // Too deep leaves move up in pairs; each pair takes the place of a shallower leaf that moves
  // one level down, which keeps the code complete.
  for (int bits = deepest; bits > maxBits; --bits) {
    while (countOfLength[bits] > 0) {
      int shallower = bits - 2;
      while (countOfLength[shallower] == 0) --shallower;
      countOfLength[bits] -= 2;
      countOfLength[bits - 1] += 1;
      countOfLength[shallower + 1] += 2;
      countOfLength[shallower] -= 1;
    }
  }
  // The rarest symbols take the longest codes.
  std::size_t next = 0;
  for (int bits = maxBits; bits >= 1; --bits) {
    for (int i = 0; i < countOfLength[bits]; ++i) {
      lengths[used[next++].second] = static_cast<std::uint8_t>(bits);
    }
  }
  return lengths;
}

std::vector<std::uint16_t> CanonicalCodes(std::span<const std::uint8_t> lengths) {
  int longest = lengths.empty() ? 0 : *std::max_element(lengths.begin(), lengths.end());
  std::vector<unsigned> countOfLength(longest + 1, 0);
  for (std::uint8_t length : lengths) {
    if (length > 0) ++countOfLength[length];
  }
  std::vector<unsigned> nextCode(longest + 1, 0);
  unsigned code = 0;
  for (int bits = 1; bits <= longest; ++bits) {
    code = (code + countOfLength[bits - 1]) << 1;
    nextCode[bits] = code;
  }
  std::vector<std::uint16_t> codes(lengths.size(), 0);
  for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
    if (lengths[symbol] > 0)
      codes[symbol] = static_cast<std::uint16_t>(nextCode[lengths[symbol]]++);
  }
  return codes;
}
