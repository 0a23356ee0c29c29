#include "jvlink/download_cache.h"

#include "util/file_io.h"

#include <fstream>

namespace {

std::string Entry(const std::string& dataSpec, const std::string& fileName) {
  return dataSpec + "/" + fileName;
}

}  // namespace

DownloadCache::DownloadCache(std::string path) : path_(std::move(path)) {
  if (std::optional<std::vector<std::string>> lines = ReadTextLines(path_)) {
    for (std::string& line : *lines) {
      if (!line.empty()) entries_.insert(std::move(line));
    }
  }
}

bool DownloadCache::contains(const std::string& dataSpec, const std::string& fileName) const {
  return entries_.count(Entry(dataSpec, fileName)) > 0;
}

// A cache that cannot be saved only means the files are downloaded again next time.
void DownloadCache::add(const std::string& dataSpec, const std::vector<std::string>& fileNames) {
  if (fileNames.empty()) return;
  std::string lines;
  for (const std::string& name : fileNames) {
    if (entries_.insert(Entry(dataSpec, name)).second) lines += Entry(dataSpec, name) + "\r\n";
  }
  std::ofstream(path_, std::ios::binary | std::ios::app) << lines;
}

bool DownloadCache::remove(const std::string& fileName) {
  bool removed = false;
  std::vector<std::string> kept;
  for (auto it = entries_.begin(); it != entries_.end();) {
    std::size_t slash = it->find('/');
    if (it->compare(slash + 1, std::string::npos, fileName) == 0) {
      it = entries_.erase(it);
      removed = true;
    } else {
      kept.push_back(*it++);
    }
  }
  if (removed) WriteFileAtomic(path_, JoinCrLf(kept));
  return removed;
}
