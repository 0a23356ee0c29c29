#include "legacy/lzh_packer.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <limits>

#include "legacy/lh5_encoder.h"
#include "legacy/lzh_archive.h"
#include "legacy/lzh_crc16.h"
#include "util/atomic_file.h"
#include "util/file_io.h"

namespace {

constexpr std::uint64_t kCopyChunk = 1 << 16;

LzhPackResult Failure(std::string reason) { return {false, std::move(reason)}; }

std::string WithSystemError(std::string text, int error) {
  return text + " (" + std::strerror(error) + ")";
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

bool IsPlainName(const std::string& name) {
  if (name.empty() || name.size() > kLzhMaxNameLength || name == "." || name == "..") return false;
  return std::all_of(name.begin(), name.end(),
                     [](char c) { return c >= 0x20 && c <= 0x7E && c != '/' && c != '\\'; });
}

// Header and data of the entry for one source file.
bool PackEntry(const std::string& path, const std::string& name, std::string& entry,
               std::string& reason) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    reason = WithSystemError("圧縮するファイルを読み込めません: " + path, errno);
    return false;
  }
  std::optional<std::string> data;
  if (S_ISREG(status.st_mode)) data = ReadFileBytes(path);
  if (!data) {
    reason = "圧縮するファイルを読み込めません: " + path;
    return false;
  }
  if (data->size() >= std::numeric_limits<std::uint32_t>::max()) {
    reason = "ファイルが大きすぎて書庫に入りません: " + path;
    return false;
  }
  std::string packed = EncodeLh5(*data);
  const bool shrinks = packed.size() < data->size();
  LzhEntryHeader header;
  header.name = name;
  header.method = shrinks ? "-lh5-" : "-lh0-";
  header.packedSize = static_cast<std::uint32_t>(shrinks ? packed.size() : data->size());
  header.originalSize = static_cast<std::uint32_t>(data->size());
  header.crc = LzhCrc16(*data);
  header.modified = status.st_mtime;
  entry = LzhLevel1Header(header);
  entry += shrinks ? packed : *data;
  return true;
}

bool CopyRange(std::istream& in, const LzhEntrySpan& span, AtomicFileWriter& out) {
  in.clear();
  in.seekg(static_cast<std::streamoff>(span.offset));
  std::string buffer;
  for (std::uint64_t left = span.size; left > 0;) {
    buffer.resize(std::min(left, kCopyChunk));
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (in.gcount() != static_cast<std::streamsize>(buffer.size()) || !out.Write(buffer))
      return false;
    left -= buffer.size();
  }
  return true;
}

}  // namespace

bool LzhPackerAvailable() { return OSTRAVEL_LZH_PACKER != 0; }

LzhPackResult PackLzhArchive(const std::string& archivePath, const std::string& sourceFolder,
                             const std::vector<std::string>& fileNames) {
  if (!LzhPackerAvailable()) return Failure("このビルドにはLZH圧縮が含まれていません");
  std::vector<std::string> names;
  for (const std::string& name : fileNames) {
    if (!IsPlainName(name)) return Failure("書庫に入れるファイル名が不正です: \"" + name + "\"");
    auto same = [&](const std::string& other) { return SameName(name, other); };
    if (std::none_of(names.begin(), names.end(), same)) names.push_back(name);
  }

  std::ifstream existing;
  std::vector<LzhEntrySpan> oldEntries;
  struct stat status {};
  if (::stat(archivePath.c_str(), &status) == 0) {
    if (!S_ISREG(status.st_mode))
      return Failure("書庫の名前がファイルでないものに使われています: " + archivePath);
    existing.open(archivePath, std::ios::binary);
    if (!existing) return Failure(WithSystemError("書庫を読み込めません: " + archivePath, errno));
    auto entries = ReadLzhEntries(existing, static_cast<std::uint64_t>(status.st_size));
    if (!entries) return Failure("LZH書庫ではないか、壊れています: " + archivePath);
    oldEntries = std::move(*entries);
  } else if (errno != ENOENT) {
    return Failure(WithSystemError("書庫を読み込めません: " + archivePath, errno));
  }

  AtomicFileWriter out(archivePath);
  auto writeFailure = [&] {
    return Failure(WithSystemError("書庫を書き込めません: " + archivePath, out.error()));
  };
  if (!out.ok()) return writeFailure();

  std::vector<bool> packed(names.size(), false);
  std::string entry;
  std::string reason;
  auto packNew = [&](std::size_t index) {
    packed[index] = true;
    return PackEntry(sourceFolder + "/" + names[index], names[index], entry, reason);
  };
  for (const LzhEntrySpan& span : oldEntries) {
    auto match = std::find_if(names.begin(), names.end(),
                              [&](const std::string& name) { return SameName(name, span.name); });
    if (match == names.end()) {
      if (!CopyRange(existing, span, out)) {
        return out.ok() ? Failure("書庫を読み込めません: " + archivePath) : writeFailure();
      }
      continue;
    }
    // A second old entry of a replaced name goes away with the first.
    std::size_t index = static_cast<std::size_t>(match - names.begin());
    if (packed[index]) continue;
    if (!packNew(index)) return Failure(reason);
    if (!out.Write(entry)) return writeFailure();
  }
  for (std::size_t index = 0; index < names.size(); ++index) {
    if (packed[index]) continue;
    if (!packNew(index)) return Failure(reason);
    if (!out.Write(entry)) return writeFailure();
  }
  if (!out.Write(std::string(1, '\0')) || !out.Commit()) return writeFailure();
  return {true, ""};
}
