#include "legacy/lzh_archive.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kArchiveAttribute = 0x20;
constexpr char kMsDosOsId = 'M';
constexpr std::size_t kMethodAt = 2;
constexpr std::size_t kPackedSizeAt = 7;
constexpr std::size_t kLevelAt = 20;
// Smallest header of any level: up to the name length of levels 0 and 1.
constexpr std::size_t kCommonHeaderSize = 22;
constexpr std::size_t kLevel2BaseSize = 26;
constexpr std::size_t kLevel3BaseSize = 32;
constexpr unsigned char kExtendedFileName = 0x01;
constexpr unsigned char kExtendedFolderName = 0x02;
constexpr unsigned char kFolderSeparator = 0xFF;

void PutLe16(std::string& out, std::uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutLe32(std::string& out, std::uint32_t value) {
  PutLe16(out, value & 0xFFFF);
  PutLe16(out, value >> 16);
}

std::uint32_t Le16(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::uint32_t Le32(std::string_view bytes, std::size_t at) {
  return Le16(bytes, at) | (Le16(bytes, at + 2) << 16);
}

std::uint8_t ByteSum(std::string_view bytes) {
  unsigned sum = 0;
  for (unsigned char b : bytes) sum += b;
  return static_cast<std::uint8_t>(sum);
}

std::uint32_t MsDosTime(std::time_t time) {
  std::tm local{};
  localtime_r(&time, &local);
  // MS-DOS time stamps start in 1980 and end in 2107.
  int year = std::clamp(local.tm_year + 1900, 1980, 2107);
  std::uint32_t date = ((year - 1980) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday;
  std::uint32_t clock = (local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2);
  return (date << 16) | clock;
}

bool ReadAt(std::istream& in, std::uint64_t offset, std::uint64_t size, std::string& out) {
  out.assign(size, '\0');
  in.clear();
  in.seekg(static_cast<std::streamoff>(offset));
  in.read(out.data(), static_cast<std::streamsize>(size));
  return in.gcount() == static_cast<std::streamsize>(size);
}

// Walks the chain of extended headers from `offset`, whose first size is `nextSize` and whose
// size fields are `sizeWidth` bytes wide, staying before `limit`. Takes the name from the file
// and folder name headers. Returns the bytes the chain takes, or nullopt when it is broken.
std::optional<std::uint64_t> ReadExtendedHeaders(std::istream& in, std::uint64_t offset,
                                                 std::uint64_t nextSize, std::size_t sizeWidth,
                                                 std::uint64_t limit, std::string& name) {
  std::uint64_t total = 0;
  std::string folder;
  std::string header;
  while (nextSize != 0) {
    if (nextSize < 1 + sizeWidth || offset + total + nextSize > limit) return std::nullopt;
    if (!ReadAt(in, offset + total, nextSize, header)) return std::nullopt;
    std::string body = header.substr(1, nextSize - 1 - sizeWidth);
    if (static_cast<unsigned char>(header[0]) == kExtendedFileName) name = body;
    if (static_cast<unsigned char>(header[0]) == kExtendedFolderName) {
      std::replace(body.begin(), body.end(), static_cast<char>(kFolderSeparator), '/');
      folder = body;
    }
    total += nextSize;
    nextSize = sizeWidth == 2 ? Le16(header, nextSize - 2) : Le32(header, nextSize - 4);
  }
  if (!folder.empty()) name = folder + (folder.back() == '/' ? "" : "/") + name;
  return total;
}

// Levels 0 and 1: a one-byte header size and a check sum, the name inside the header; level 1
// counts its extended headers in the packed size.
std::optional<LzhEntrySpan> ReadLevel01(std::istream& in, std::uint64_t offset,
                                        std::string_view start, std::uint64_t fileSize) {
  const std::size_t headerSize = static_cast<unsigned char>(start[0]) + 2u;
  std::string header;
  if (headerSize < kCommonHeaderSize || !ReadAt(in, offset, headerSize, header))
    return std::nullopt;
  if (ByteSum(std::string_view(header).substr(2)) != static_cast<unsigned char>(header[1])) {
    return std::nullopt;
  }
  const std::size_t nameLength = static_cast<unsigned char>(header[kCommonHeaderSize - 1]);
  const bool level1 = header[kLevelAt] == 1;
  // The CRC follows the name; level 1 adds the OS id and the first extended size.
  if (kCommonHeaderSize + nameLength + (level1 ? 5 : 2) > headerSize) return std::nullopt;
  LzhEntrySpan entry{header.substr(kCommonHeaderSize, nameLength), offset,
                     headerSize + Le32(header, kPackedSizeAt)};
  if (level1) {
    auto extended = ReadExtendedHeaders(in, offset + headerSize, Le16(header, headerSize - 2), 2,
                                        std::min(offset + entry.size, fileSize), entry.name);
    if (!extended) return std::nullopt;
  }
  return entry;
}

// Levels 2 and 3: the whole header size in the header, the name in an extended header.
std::optional<LzhEntrySpan> ReadLevel23(std::istream& in, std::uint64_t offset, bool level3) {
  const std::size_t baseSize = level3 ? kLevel3BaseSize : kLevel2BaseSize;
  std::string header;
  if (!ReadAt(in, offset, baseSize, header)) return std::nullopt;
  if (level3 && Le16(header, 0) != 4) return std::nullopt;
  const std::uint64_t headerSize = level3 ? Le32(header, 24) : Le16(header, 0);
  const std::uint64_t firstExtended = level3 ? Le32(header, 28) : Le16(header, 24);
  if (headerSize < baseSize) return std::nullopt;
  LzhEntrySpan entry{"", offset, headerSize + Le32(header, kPackedSizeAt)};
  if (!ReadExtendedHeaders(in, offset + baseSize, firstExtended, level3 ? 4 : 2,
                           offset + headerSize, entry.name)) {
    return std::nullopt;
  }
  return entry;
}

}  // namespace

std::string LzhLevel1Header(const LzhEntryHeader& entry) {
  std::string header(2, '\0');  // header size and check sum, filled in below
  header += entry.method;
  PutLe32(header, entry.packedSize);
  PutLe32(header, entry.originalSize);
  PutLe32(header, MsDosTime(entry.modified));
  header.push_back(static_cast<char>(kArchiveAttribute));
  header.push_back(1);  // header level
  header.push_back(static_cast<char>(entry.name.size()));
  header += entry.name;
  PutLe16(header, entry.crc);
  header.push_back(kMsDosOsId);
  PutLe16(header, 0);  // no extended headers
  header[0] = static_cast<char>(header.size() - 2);
  header[1] = static_cast<char>(ByteSum(std::string_view(header).substr(2)));
  return header;
}

std::optional<std::vector<LzhEntrySpan>> ReadLzhEntries(std::istream& in, std::uint64_t fileSize) {
  std::vector<LzhEntrySpan> entries;
  std::uint64_t offset = 0;
  std::string start;
  while (offset < fileSize) {
    if (!ReadAt(in, offset, 1, start)) return std::nullopt;
    if (start[0] == 0) break;  // end mark
    if (!ReadAt(in, offset, kCommonHeaderSize, start)) return std::nullopt;
    if (start[kMethodAt] != '-' || start[kMethodAt + 4] != '-') return std::nullopt;
    std::optional<LzhEntrySpan> entry;
    switch (start[kLevelAt]) {
      case 0:
      case 1:
        entry = ReadLevel01(in, offset, start, fileSize);
        break;
      case 2:
        entry = ReadLevel23(in, offset, false);
        break;
      case 3:
        entry = ReadLevel23(in, offset, true);
        break;
      default:
        return std::nullopt;
    }
    if (!entry || entry->offset + entry->size > fileSize) return std::nullopt;
    offset += entry->size;
    entries.push_back(std::move(*entry));
  }
  return entries;
}
