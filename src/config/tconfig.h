#pragma once
// The one settings object: the program's folders, every user setting in memory (UTF-8), the
// settings file "ostravel.ini" (code page 932, CR LF), the one-time import of the older settings
// file "vexlegacy.ini", and the output folder slots.

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

class Host;

constexpr int kOutDirSlots = 21;    // OutDir[0..20]; 0 is the representative folder
constexpr int kFromTimeKinds = 13;  // FromTime[1..13], one per stored data kind number
constexpr int kLegSets = 3;         // LegSetName/LegSetCheck[0..2]

constexpr const char* kIniFileName = "ostravel.ini";
constexpr const char* kLegacyIniFileName = "vexlegacy.ini";

class TConfig {
 public:
  // Sets the fields that are never saved, derives the program folders from `appDir` and creates
  // them. Loads nothing: call LoadSettings next.
  TConfig(Host& host, const std::string& appDir);
  TConfig(const TConfig&) = delete;
  TConfig& operator=(const TConfig&) = delete;

  // Fills every persisted field from "ostravel.ini"; missing keys take their defaults. A failing
  // key stops the load with an error message and leaves the later fields as they were. Runs the
  // older-file import between the sections AUTODATE and CUSTOM. False after a failure.
  bool LoadSettings();
  // Writes every persisted field, whole and safely; a failure is reported and leaves the previous
  // file intact. False after a failure.
  bool SaveSettings();
  // 0 when "vexlegacy.ini" was read whole, 6 when it does not exist, 9 after a failure (reported).
  int ImportLegacySettings();

  // OutDir[slot], or OutDir[0] when that is empty. Slots above 20 throw std::out_of_range.
  std::string GetOutDir(int slot) const;

  bool FtpEnabled = false;
  std::string FtpURL;
  std::string FtpUserName;
  std::string FtpPassword;  // kept and saved as plain text; the file is private to the user
  std::string AppDir;       // without a trailing "/"
  std::string TempDir;
  std::string IniPath;
  std::string DbDir;
  std::string TemplateDir;
  std::string UserDefDir;
  std::string LogSaveDir;
  std::chrono::year_month_day LogDay;
  bool FuncSet = false;
  bool FuncLegacy = false;
  bool FuncRtd = false;
  bool FuncCustom = false;
  bool FuncKobetsuChikuseki = false;
  bool FuncKobetsuSokuho = false;
  std::int32_t FirstPage = 0;
  std::array<std::string, kFromTimeKinds + 1> FromTime;  // by data kind number; [0] unused
  bool LegLzhOut = false;
  std::uint8_t LegDenmaType = 0;
  std::uint8_t LegSeisekiType = 0;
  std::uint8_t LegChihoType = 0;
  std::string LegChihoFromTime;
  bool LegChihoHuseigoYokusei = false;
  bool LegKyuKyu = false;
  bool IgnoreShuseiData = false;
  std::uint8_t RealTimeDefault = 0;
  bool TimerEnabled = false;
  std::uint8_t NamingPattern = 0;
  bool ControlPopup = false;
  std::array<std::string, kOutDirSlots> OutDir;
  std::array<std::string, kLegSets> LegSetName;
  std::array<std::string, kLegSets> LegSetCheck;
  std::uint8_t KijunYobi = 0;
  std::uint16_t KijunHH = 0;
  std::uint16_t KijunNN = 0;
  std::uint8_t AutoDateSpan = 0;
  std::string CustomLatestFromTime;
  std::int32_t FormSheetTop = 0;
  std::int32_t FormSheetLeft = 0;
  std::int32_t FormSheetWidth = 0;
  std::int32_t FormSheetHeight = 0;
  bool FormSheetMax = false;
  bool CustomFieldAlarm = false;
  std::uint16_t CustomMaxField = 0;

 private:
  Host& host_;
};

// Start-up: loads the settings and, when "ostravel.ini" did not exist, saves at once so that the
// first start leaves a complete file. False when loading or that first save failed.
bool LoadOrCreateSettings(TConfig& config);
