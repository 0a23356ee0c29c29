#include "jvlink/emulator_settings.h"

#include "jvlink/key_value_file.h"
#include "util/cp932.h"
#include "util/file_io.h"

namespace {

std::string SettingsPath(const std::string& programDir) {
  return programDir + "/" + kEmulatorSettingsFile;
}

}  // namespace

EmulatorSettings LoadEmulatorSettings(const std::string& programDir) {
  KeyValueFile file = KeyValueFile::Read(SettingsPath(programDir));
  EmulatorSettings settings;
  CodecResult storeDir = Utf8FromCp932(file.value("", "StoreDir"));
  if (storeDir.ok) settings.storeDir = storeDir.text;
  std::optional<int> pace = file.intValue("", "Pace");
  if (pace && *pace >= 0) settings.pace = *pace;
  return settings;
}

bool SaveEmulatorSettings(const std::string& programDir, const EmulatorSettings& settings) {
  CodecResult storeDir = Cp932FromUtf8(settings.storeDir);
  if (!storeDir.ok) return false;
  return WriteFileAtomic(SettingsPath(programDir),
                         JoinCrLf({"StoreDir=" + storeDir.text,
                                   "Pace=" + std::to_string(settings.pace)}));
}
