#pragma once
// LZH archive headers: the level-1 header this program writes, and the entry list of an
// existing archive of any header level (0 to 3), read without the entries' data.

#include <cstdint>
#include <ctime>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Longest name a level-1 header holds (its size must fit in one byte).
inline constexpr std::size_t kLzhMaxNameLength = 230;

struct LzhEntryHeader {
  std::string name;    // at most kLzhMaxNameLength bytes
  std::string method;  // "-lh0-" or "-lh5-"
  std::uint32_t packedSize = 0;
  std::uint32_t originalSize = 0;
  std::uint16_t crc = 0;     // LzhCrc16 of the original bytes
  std::time_t modified = 0;  // stored as MS-DOS local date and time
};

std::string LzhLevel1Header(const LzhEntryHeader& entry);

// Where an entry (header and data) lies in an archive, and the name it carries, with any
// folder part joined by "/".
struct LzhEntrySpan {
  std::string name;
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
};

// The entries of the archive `in` of `fileSize` bytes, up to its end mark or its end; nullopt
// when the bytes are not an LZH archive (a bad header, a check sum that fails, an entry that
// runs past the end). An empty file is an empty archive.
std::optional<std::vector<LzhEntrySpan>> ReadLzhEntries(std::istream& in, std::uint64_t fileSize);
