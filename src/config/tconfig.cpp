#include "config/tconfig.h"

#include "config/profile_file.h"
#include "config/settings_table.h"
#include "util/busy_cursor.h"
#include "util/cp932.h"
#include "util/file_io.h"
#include "util/host.h"
#include "util/local_time.h"
#include "util/result_codes.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr const char* kReadError = "SYSTEM-ERROR\r\nINIファイル読込エラー";
constexpr const char* kWriteError = "SYSTEM-ERROR\r\nINIファイル書込エラー";

// Appended to the error box text so that the user can find the broken key or file.
std::string Detail(const std::string& where) { return "\r\n\r\n" + where; }

std::string KeyName(const PersistedSetting& setting) {
  return "[" + setting.section + "] " + setting.key;
}

}  // namespace

TConfig::TConfig(Host& host, const std::string& appDir) : host_(host) {
  LogDay = LocalToday();
  AutoDateSpan = 7;
  AppDir = appDir;
  while (AppDir.size() > 1 && AppDir.back() == '/') AppDir.pop_back();
  std::pair<std::string*, const char*> folders[] = {
      {&TempDir, "Temp"}, {&DbDir, "db"}, {&TemplateDir, "Template"},
      {&UserDefDir, "UserDef"}, {&LogSaveDir, "LogSave"}};
  for (auto [field, name] : folders) {
    *field = AppDir + "/" + name;
    // A folder that cannot be created fails the first run that needs it, with its own message.
    std::error_code ignored;
    fs::create_directories(*field, ignored);
  }
  IniPath = AppDir + "/" + kIniFileName;
}

bool TConfig::LoadSettings() {
  std::string weekAgo = LocalTimeStampDaysAgo(7);
  BusyCursor busy(host_);

  // A missing file reads as empty: every key takes its default.
  std::string bytes;
  std::error_code error;
  if (fs::status(IniPath, error).type() != fs::file_type::not_found) {
    std::optional<std::string> read = ReadFileBytes(IniPath);
    if (!read) {
      host_.error(kReadError + Detail(IniPath));
      return false;
    }
    bytes = std::move(*read);
  }

  ProfileReader file(bytes);
  bool importDone = false;
  for (const PersistedSetting& setting : PersistedSettings(*this, weekAgo)) {
    if (!importDone && setting.section == kCustomSection) {
      importDone = true;
      if (ImportLegacySettings() == kResultOk) {
        std::error_code ignored;
        fs::remove(AppDir + "/" + kLegacyIniFileName, ignored);
      }
    }
    std::optional<std::string> raw = file.value(setting.section, setting.key);
    if (!raw) {
      StoreSetting(setting, setting.fallback);
      continue;
    }
    CodecResult value = Utf8FromCp932(*raw);
    SettingStatus stored = value.ok ? StoreSetting(setting, value.text) : SettingStatus::OutOfRange;
    if (stored == SettingStatus::NotNumber) {
      StoreSetting(setting, setting.fallback);
    } else if (stored != SettingStatus::Ok) {
      // A set run or the options dialog saves the settings later: keep the unread keys somewhere.
      std::optional<std::string> kept = KeepUnreadCopy(IniPath);
      host_.error(kReadError + Detail(KeyName(setting) + "=" + Utf8FromCp932Lossy(*raw)) +
                  UnreadCopyNote(kept));
      return false;
    }
  }
  return true;
}

bool TConfig::SaveSettings() {
  BusyCursor busy(host_);
  ProfileWriter file;
  for (const PersistedSetting& setting : PersistedSettings(*this, /*weekAgo, unused here*/ {})) {
    CodecResult value = Cp932FromUtf8(SettingValue(setting));
    if (!value.ok || !file.add(setting.section, setting.key, value.text)) {
      host_.error(kWriteError + Detail(KeyName(setting)));
      return false;
    }
  }
  // Owner-only: the file holds the FTP password.
  if (!WriteFileAtomic(IniPath, file.bytes(), 0600)) {
    host_.error(kWriteError + Detail(IniPath + " (" + std::strerror(errno) + ")"));
    return false;
  }
  return true;
}

std::string TConfig::GetOutDir(int slot) const {
  const std::string& folder = OutDir.at(static_cast<std::size_t>(slot));
  return folder.empty() ? OutDir[0] : folder;
}

bool LoadOrCreateSettings(TConfig& config) {
  std::error_code error;
  // When in doubt the file counts as present, so that it is never overwritten by defaults.
  bool existed = fs::exists(config.IniPath, error) || error;
  if (!config.LoadSettings()) return false;
  return existed || config.SaveSettings();
}
