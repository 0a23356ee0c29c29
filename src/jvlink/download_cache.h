#pragma once
// The emulator's record of the JV-Link files already downloaded, one "DATASPEC/FILE" line each,
// kept in the program folder so that it outlives the program like JV-Link's own files do.

#include <string>
#include <unordered_set>
#include <vector>

constexpr const char* kDownloadCacheFile = "jvlink-emulator-downloads.txt";

class DownloadCache {
 public:
  explicit DownloadCache(std::string path);  // loads the file; missing means empty

  bool contains(const std::string& dataSpec, const std::string& fileName) const;
  void add(const std::string& dataSpec, const std::vector<std::string>& fileNames);
  // Forgets the file under every data kind; false when it was not downloaded.
  bool remove(const std::string& fileName);

 private:
  std::string path_;
  std::unordered_set<std::string> entries_;
};
