#include "config/settings_table.h"

#include "config/tconfig.h"
#include "util/integer_text.h"

#include <limits>

namespace {

template <typename Int>
SettingStatus StoreInteger(Int* field, std::string_view value) {
  std::optional<int> parsed = ParseInteger(value);
  if (!parsed) return SettingStatus::NotNumber;
  std::int64_t number = *parsed;
  if (number < std::numeric_limits<Int>::min() || number > std::numeric_limits<Int>::max()) {
    return SettingStatus::OutOfRange;
  }
  *field = static_cast<Int>(number);
  return SettingStatus::Ok;
}

}  // namespace

std::vector<PersistedSetting> PersistedSettings(TConfig& c, const std::string& weekAgo) {
  std::vector<PersistedSetting> table = {
      {"FTP", "FtpURL", &c.FtpURL, ""},
      {"FTP", "FtpUserName", &c.FtpUserName, ""},
      {"FTP", "FtpPassword", &c.FtpPassword, ""},
      {"FUNCTION", "FuncSet", &c.FuncSet, "1"},
      {"FUNCTION", "FuncLegacy", &c.FuncLegacy, "1"},
      {"FUNCTION", "FuncRtd", &c.FuncRtd, "1"},
      {"FUNCTION", "FuncCustom", &c.FuncCustom, "1"},
      {"FUNCTION", "FuncKobetsuChikuseki", &c.FuncKobetsuChikuseki, "1"},
      {"FUNCTION", "FuncKobetsuSokuho", &c.FuncKobetsuSokuho, "1"},
      {"FUNCTION", "FirstPage", &c.FirstPage, "0"},
  };
  for (int slot = 0; slot < kOutDirSlots; ++slot) {
    table.push_back({"FOLDER", "OutDir" + std::to_string(slot), &c.OutDir[slot],
                     slot == 0 ? c.AppDir + "/Data" : ""});
  }
  for (int kind = 1; kind <= kFromTimeKinds; ++kind) {
    table.push_back({"SET", "FromTime" + std::to_string(kind), &c.FromTime[kind], weekAgo});
  }
  table.insert(table.end(), {
      {"LEGACY", "LegLzhOut", &c.LegLzhOut, "1"},
      {"LEGACY", "LegDenmaType", &c.LegDenmaType, "0"},
      {"LEGACY", "LegSeisekiType", &c.LegSeisekiType, "0"},
      {"LEGACY", "LegChihoType", &c.LegChihoType, "0"},
      {"LEGACY", "LegChihoFromTime", &c.LegChihoFromTime, weekAgo},
      {"LEGACY", "LegChihoHuseigoYokusei", &c.LegChihoHuseigoYokusei, "0"},
      {"LEGACY", "LegKyuKyu", &c.LegKyuKyu, "0"},
      {"LEGACY", "IgnoreShuseiData", &c.IgnoreShuseiData, "0"},
  });
  for (int set = 0; set < kLegSets; ++set) {
    std::string n = std::to_string(set);
    table.push_back({"LEGACY", "LegSetName" + n, &c.LegSetName[set], "一括" + std::to_string(set + 1)});
    table.push_back({"LEGACY", "LegSetCheck" + n, &c.LegSetCheck[set], "00000000000000"});
  }
  table.insert(table.end(), {
      {"SOKUHO", "RealTimeDefault", &c.RealTimeDefault, "0"},
      {"TIMER", "TimerEnabled", &c.TimerEnabled, "0"},
      {"TIMER", "NamingPattern", &c.NamingPattern, "0"},
      {"TIMER", "ControlPopup", &c.ControlPopup, "0"},
      {"AUTODATE", "KijunYobi", &c.KijunYobi, "5"},
      {"AUTODATE", "KijunHH", &c.KijunHH, "18"},
      {"AUTODATE", "KijunNN", &c.KijunNN, "30"},
      {kCustomSection, "CustomLatestFromTime", &c.CustomLatestFromTime, weekAgo},
      {kCustomSection, "FormSheetTop", &c.FormSheetTop, "0"},
      {kCustomSection, "FormSheetLeft", &c.FormSheetLeft, "0"},
      {kCustomSection, "FormSheetWidth", &c.FormSheetWidth, "800"},
      {kCustomSection, "FormSheetHeight", &c.FormSheetHeight, "600"},
      {kCustomSection, "FormSheetMax", &c.FormSheetMax, "0"},
      {kCustomSection, "CustomFieldAlarm", &c.CustomFieldAlarm, "1"},
      {kCustomSection, "CustomMaxField", &c.CustomMaxField, "255"},
  });
  return table;
}

SettingStatus StoreSetting(const PersistedSetting& setting, std::string_view value) {
  struct Store {
    std::string_view value;
    SettingStatus operator()(std::string* field) const {
      *field = value;
      return SettingStatus::Ok;
    }
    SettingStatus operator()(bool* field) const {
      std::optional<int> number = ParseInteger(value);
      if (!number) return SettingStatus::NotNumber;
      *field = *number != 0;
      return SettingStatus::Ok;
    }
    SettingStatus operator()(std::int32_t* field) const { return StoreInteger(field, value); }
    SettingStatus operator()(std::uint8_t* field) const { return StoreInteger(field, value); }
    SettingStatus operator()(std::uint16_t* field) const { return StoreInteger(field, value); }
  };
  return std::visit(Store{value}, setting.field);
}

std::string SettingValue(const PersistedSetting& setting) {
  struct Format {
    std::string operator()(const std::string* field) const { return *field; }
    std::string operator()(const bool* field) const { return *field ? "1" : "0"; }
    std::string operator()(const std::int32_t* field) const { return std::to_string(*field); }
    std::string operator()(const std::uint8_t* field) const { return std::to_string(*field); }
    std::string operator()(const std::uint16_t* field) const { return std::to_string(*field); }
  };
  return std::visit(Format{}, setting.field);
}
