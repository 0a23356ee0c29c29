#pragma once
// The persisted settings as one table, in file order: the settings file's loader and writer and
// the command line's show and set all walk it, so they cannot disagree on a key or a rule.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class TConfig;

struct PersistedSetting {
  std::string section;
  std::string key;
  std::variant<std::string*, bool*, std::int32_t*, std::uint8_t*, std::uint16_t*> field;
  std::string fallback;  // the value when the key is missing, in file form
};

constexpr const char* kCustomSection = "CUSTOM";

// Every persisted field of `config`, in file order. `weekAgo` is the fallback of the from-times.
std::vector<PersistedSetting> PersistedSettings(TConfig& config, const std::string& weekAgo);

enum class SettingStatus { Ok, NotNumber, OutOfRange };

// Stores a UTF-8 value in file form into the field: booleans take any number (ParseInteger's
// rule), non-zero being true; integers must be numbers within their field's range. The field is
// unchanged unless Ok.
SettingStatus StoreSetting(const PersistedSetting& setting, std::string_view value);

// The field's value in file form (UTF-8): booleans "1" and "0", integers in decimal.
std::string SettingValue(const PersistedSetting& setting);
