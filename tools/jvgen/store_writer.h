#pragma once
// Writes a store in the emulator's format (docs/jvlink-store.md): stored/<DATASPEC>/<FILE>.jvd,
// realtime/<DATASPEC>/<KEY>.txt and store.ini. Throws std::runtime_error when a file cannot be
// written.

#include <set>
#include <string>
#include <string_view>
#include <vector>

struct StoreTotals {
  long long files = 0;
  long long records = 0;
  long long bytes = 0;
};

class StoreWriter {
 public:
  // Empties the stored and realtime folders of an earlier store in `root` first.
  explicit StoreWriter(std::string root);

  // One JV-Link file of records of one type: the first two letters of the data kind follow the
  // record type in the name, then the data's date and the file's time stamp ("yyyymmddhhnnss").
  void stored(std::string_view dataspec, int dataDay, const std::string& stamp,
              const std::vector<std::string>& records);
  void realtime(std::string_view dataspec, std::string_view key, const std::vector<std::string>& records);
  void storeIni(int thisWeekFrom);

  const StoreTotals& totals() const { return totals_; }

 private:
  void write(const std::string& path, const std::vector<std::string>& records);

  std::string root_;
  std::set<std::string> written_;      // paths
  std::set<std::string> storedNames_;  // stored file names
  StoreTotals totals_;
};
