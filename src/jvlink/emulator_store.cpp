#include "jvlink/emulator_store.h"

#include "jvlink/key_value_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsAlnum(char c) { return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// 4 letters or digits, the data date (8 digits), the time stamp (14 digits), ".jvd".
bool IsStoredFileName(const std::string& name) {
  if (name.size() != 30 || !name.ends_with(".jvd")) return false;
  return std::all_of(name.begin(), name.begin() + 4, IsAlnum) &&
         std::all_of(name.begin() + 4, name.begin() + 26, IsDigit);
}

}  // namespace

std::vector<StoreFile> ListStoredFiles(const std::string& storeDir, const std::string& dataSpec) {
  std::vector<StoreFile> files;
  std::error_code error;
  std::filesystem::directory_iterator entries(storeDir + "/stored/" + dataSpec, error);
  if (error) return files;
  for (const auto& entry : entries) {
    std::string name = entry.path().filename().string();
    if (!IsStoredFileName(name) || !entry.is_regular_file(error)) continue;
    files.push_back({name, entry.path().string(), name.substr(4, 8), name.substr(12, 14)});
  }
  std::sort(files.begin(), files.end(), [](const StoreFile& a, const StoreFile& b) {
    return a.timeStamp != b.timeStamp ? a.timeStamp < b.timeStamp : a.name < b.name;
  });
  return files;
}

std::optional<StoreFile> FindRealtimeAnswer(const std::string& storeDir,
                                            const std::string& dataSpec, const std::string& key) {
  std::string path = storeDir + "/realtime/" + dataSpec + "/" + key + ".txt";
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size == 0) {
    return std::nullopt;
  }
  // Named like a stored file so that characters 5 to 10 hold the key's year and month.
  return StoreFile{dataSpec + key + ".txt", path, {}, {}};
}

StoreSettings ReadStoreSettings(const std::string& storeDir) {
  KeyValueFile file = KeyValueFile::Read(storeDir + "/store.ini");
  StoreSettings settings;
  settings.thisWeekFrom = file.value("Store", "ThisWeekFrom");
  settings.pace = file.intValue("Store", "Pace");
  settings.initResult = file.intValue("Faults", "InitResult");
  settings.openResult = file.intValue("Faults", "OpenResult");
  settings.rtOpenResult = file.intValue("Faults", "RtOpenResult");
  settings.statusResult = file.intValue("Faults", "StatusResult");
  settings.statusOverCount = file.intValue("Faults", "StatusOverCount").value_or(0);
  settings.readErrorFile = file.value("Faults", "ReadErrorFile");
  settings.readErrorCode = file.intValue("Faults", "ReadErrorCode");
  settings.closeResult = file.intValue("Faults", "CloseResult");
  return settings;
}
