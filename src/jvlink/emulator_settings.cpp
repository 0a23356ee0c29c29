#include "jvlink/emulator_settings.h"

#include "config/profile_file.h"
#include "util/cp932.h"
#include "util/file_io.h"
#include "util/integer_text.h"

namespace {

constexpr const char* kSection = "Emulator";

std::string SettingsPath(const std::string& programDir) {
  return programDir + "/" + kEmulatorSettingsFile;
}

}  // namespace

EmulatorSettings LoadEmulatorSettings(const std::string& programDir) {
  ProfileReader file(ReadFileBytes(SettingsPath(programDir)).value_or(""));
  EmulatorSettings settings;
  CodecResult storeDir = Utf8FromCp932(file.value(kSection, "StoreDir").value_or(""));
  if (storeDir.ok) settings.storeDir = storeDir.text;
  std::optional<int> pace = ParseInteger(file.value(kSection, "Pace").value_or(""));
  if (pace && *pace >= 0) settings.pace = *pace;
  return settings;
}

bool SaveEmulatorSettings(const std::string& programDir, const EmulatorSettings& settings) {
  CodecResult storeDir = Cp932FromUtf8(settings.storeDir);
  ProfileWriter file;
  return storeDir.ok && file.add(kSection, "StoreDir", storeDir.text) &&
         file.add(kSection, "Pace", std::to_string(settings.pace)) &&
         WriteFileAtomic(SettingsPath(programDir), file.bytes());
}
