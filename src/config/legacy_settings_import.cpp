// The one-time import of the older settings file "vexlegacy.ini": plain "Key=Value" lines, keys
// matched exactly, nothing trimmed.

#include "config/tconfig.h"
#include "util/cp932.h"
#include "util/file_io.h"
#include "util/host.h"
#include "util/integer_text.h"
#include "util/result_codes.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <variant>
#include <vector>

namespace {

constexpr const char* kImportError = "SYSTEM-ERROR\r\n設定ファイル読込エラー";

// A one-click check pattern of the older program is two digits short.
struct CheckPattern {
  std::string* field;
};

struct LegacyKey {
  std::string key;
  std::variant<bool*, std::uint8_t*, std::string*, CheckPattern> field;
};

// The older file's keys of the output folder slots 0 to 19.
constexpr const char* kOutDirKeys[] = {
    "DataOutDir",      "DIR_S_ALL",          "DIR_K_DENMA",         "DIR_K_KISHU",
    "DIR_K_CHOKYOSHI", "DIR_K_CHIHO",        "DIR_K_HATSU",         "DIR_K_SEISEKI",
    "DIR_K_MAS_KYOSOBA", "DIR_K_MAS_KISHU",  "DIR_K_MAS_CHOKYOSHI", "DIR_K_TOKU_UMA",
    "DIR_K_TOKU_KYOSOBA", "DIR_K_SCHEDULE",  "DIR_KK_DENMA",        "DIR_KK_SEISEKI",
    "DIR_O_NEW",       "DIR_O_OLD",          "DIR_I_CHIKUSEKI",     "DIR_I_SOKUHO"};

std::vector<LegacyKey> LegacyKeys(TConfig& c) {
  std::vector<LegacyKey> keys = {
      {"FuncSet", &c.FuncSet},
      {"FuncLegacy", &c.FuncLegacy},
      {"FuncRtd", &c.FuncRtd},
      {"FuncIndividual", &c.FuncKobetsuChikuseki},
      {"FuncIndividual", &c.FuncKobetsuSokuho},
      {"RealTime Default", &c.RealTimeDefault},
      {"Lzh Out", &c.LegLzhOut},
      {"DenmaType", &c.LegDenmaType},
      {"SeisekiType", &c.LegSeisekiType},
      {"ChihoType", &c.LegChihoType},
      {"ChihoFromTime", &c.LegChihoFromTime},
      {"HuseigoYokusei", &c.LegChihoHuseigoYokusei},
      {"LegKyuKyu", &c.LegKyuKyu},
  };
  for (int kind = 1; kind <= 8; ++kind) {
    keys.push_back({"FromTime" + std::to_string(kind), &c.FromTime[kind]});
  }
  for (std::size_t slot = 0; slot < std::size(kOutDirKeys); ++slot) {
    keys.push_back({kOutDirKeys[slot], &c.OutDir[slot]});
  }
  for (int set = 0; set < kLegSets; ++set) {
    keys.push_back({"LegSetName" + std::to_string(set), &c.LegSetName[set]});
    keys.push_back({"LegSetCheck" + std::to_string(set), CheckPattern{&c.LegSetCheck[set]}});
  }
  return keys;
}

std::size_t CharacterCount(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// Stores one value; false when it cannot be taken (not code page 932, or a byte out of range).
bool TakeValue(const LegacyKey& key, std::string_view raw) {
  struct Take {
    std::string_view raw;
    bool operator()(bool* field) const {
      *field = raw != "False";
      return true;
    }
    bool operator()(std::uint8_t* field) const {
      int number = ParseInteger(raw).value_or(0);
      if (number < 0 || number > 255) return false;
      *field = static_cast<std::uint8_t>(number);
      return true;
    }
    bool operator()(std::string* field) const {
      CodecResult text = Utf8FromCp932(raw);
      if (text.ok) *field = std::move(text.text);
      return text.ok;
    }
    bool operator()(CheckPattern check) const {
      if (!(*this)(check.field)) return false;
      if (CharacterCount(*check.field) < 16) *check.field += "00";
      return true;
    }
  };
  return std::visit(Take{raw}, key.field);
}

}  // namespace

int TConfig::ImportLegacySettings() {
  std::string path = AppDir + "/" + kLegacyIniFileName;
  std::error_code error;
  if (!std::filesystem::exists(path, error) && !error) return kResultNoData;

  std::optional<std::vector<std::string>> lines = ReadTextLines(path);
  bool ok = lines.has_value();
  if (ok) {
    std::vector<LegacyKey> keys = LegacyKeys(*this);
    for (auto line = lines->begin(); ok && line != lines->end(); ++line) {
      std::size_t equals = line->find('=');
      if (equals == std::string::npos) continue;
      std::string_view name = std::string_view(*line).substr(0, equals);
      std::string_view value = std::string_view(*line).substr(equals + 1);
      for (const LegacyKey& key : keys) {
        if (key.key == name && !TakeValue(key, value)) {
          ok = false;
          break;
        }
      }
    }
  }
  if (!ok) {
    host_.error(kImportError + std::string("\r\n\r\n") + path);
    return kResultFailed;
  }
  return kResultOk;
}
