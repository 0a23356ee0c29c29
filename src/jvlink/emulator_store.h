#pragma once
// Reading the emulator's store (docs/jvlink-store.md): the JV-Link files of a stored data kind,
// the real-time answers, and store.ini.

#include <optional>
#include <string>
#include <vector>

struct StoreFile {
  std::string name;       // the JV-Link file name JVRead reports
  std::string path;
  std::string dataDate;   // yyyymmdd (stored files only)
  std::string timeStamp;  // yyyymmddhhnnss (stored files only)
};

// The files of stored data kind `dataSpec` whose names follow the store's pattern, in delivery
// order: time stamp, then name.
std::vector<StoreFile> ListStoredFiles(const std::string& storeDir, const std::string& dataSpec);

// The answer to JVRTOpen(dataSpec, key), or nullopt when the store holds none or an empty one.
std::optional<StoreFile> FindRealtimeAnswer(const std::string& storeDir,
                                            const std::string& dataSpec, const std::string& key);

// store.ini; a missing file or key leaves the value unset.
struct StoreSettings {
  std::string thisWeekFrom;    // [Store] ThisWeekFrom
  std::optional<int> pace;     // [Store] Pace
  std::optional<int> initResult;    // [Faults] InitResult
  std::optional<int> openResult;    // [Faults] OpenResult
  std::optional<int> rtOpenResult;  // [Faults] RtOpenResult
  std::optional<int> statusResult;  // [Faults] StatusResult
  int statusOverCount = 0;          // [Faults] StatusOverCount
  std::string readErrorFile;        // [Faults] ReadErrorFile
  std::optional<int> readErrorCode;  // [Faults] ReadErrorCode
  std::optional<int> closeResult;   // [Faults] CloseResult
};

StoreSettings ReadStoreSettings(const std::string& storeDir);
