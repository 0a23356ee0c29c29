#include "jvlink/emulator_store.h"

#include "config/profile_file.h"
#include "util/file_io.h"
#include "util/integer_text.h"

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
         IsDigits(std::string_view(name).substr(4, 22), 22);
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
  ProfileReader file(ReadFileBytes(storeDir + "/store.ini").value_or(""));
  auto text = [&](const char* section, const char* key) {
    return file.value(section, key).value_or("");
  };
  auto number = [&](const char* section, const char* key) {
    return ParseInteger(text(section, key));
  };
  StoreSettings settings;
  settings.thisWeekFrom = text("Store", "ThisWeekFrom");
  settings.pace = number("Store", "Pace");
  settings.initResult = number("Faults", "InitResult");
  settings.openResult = number("Faults", "OpenResult");
  settings.rtOpenResult = number("Faults", "RtOpenResult");
  settings.statusResult = number("Faults", "StatusResult");
  settings.statusOverCount = number("Faults", "StatusOverCount").value_or(0);
  settings.readErrorFile = text("Faults", "ReadErrorFile");
  settings.readErrorCode = number("Faults", "ReadErrorCode");
  settings.closeResult = number("Faults", "CloseResult");
  return settings;
}
