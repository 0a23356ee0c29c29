// settings show | settings set Section.Key VALUE: the persisted settings, as the program's own
// start-up loads them (so the first use writes a complete "ostravel.ini").

#include "cli/command.h"
#include "config/app_dir.h"
#include "config/settings_table.h"
#include "config/tconfig.h"
#include "util/cp932.h"
#include "util/host.h"
#include "util/local_time.h"
#include "util/result_codes.h"

#include <algorithm>
#include <cctype>
#include <iostream>

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string FullName(const PersistedSetting& setting) { return setting.section + "." + setting.key; }

int ShowSettings(const std::vector<PersistedSetting>& settings) {
  for (const PersistedSetting& setting : settings) {
    std::cout << FullName(setting) << '=' << SettingValue(setting) << '\n';
  }
  return kResultOk;
}

// Refuses what the settings file could not hold or would not load back; sets the field otherwise.
std::string SetSetting(const PersistedSetting& setting, const std::string& value) {
  if (value.find_first_of("\r\n") != std::string::npos) return "the value must be one line";
  if (!Cp932FromUtf8(value).ok) return "the value has characters that code page 932 cannot hold";
  switch (StoreSetting(setting, value)) {
    case SettingStatus::Ok:
      return "";
    case SettingStatus::NotNumber:
      return "the value must be a decimal number";
    case SettingStatus::OutOfRange:
      break;
  }
  return "the value is out of range for this setting";
}

int RunSettings(CliContext& context, const std::vector<std::string>& args) {
  bool show = args.size() == 1 && args[0] == "show";
  bool set = args.size() == 3 && args[0] == "set";
  if (!show && !set) {
    context.host.warn("usage: settings show | settings set Section.Key VALUE");
    return kExitRefused;
  }
  TConfig config(context.host, ResolveAppDir(context.options.home));
  // A file that does not load is left alone: saving now would lose its later keys.
  if (!LoadOrCreateSettings(config)) return kResultFailed;
  std::vector<PersistedSetting> settings = PersistedSettings(config, LocalTimeStampDaysAgo(7));
  if (show) return ShowSettings(settings);

  auto found = std::find_if(settings.begin(), settings.end(), [&](const PersistedSetting& s) {
    return Lower(FullName(s)) == Lower(args[1]);
  });
  if (found == settings.end()) {
    context.host.warn("no such setting: " + args[1] + " (see: settings show)");
    return kExitRefused;
  }
  std::string refusal = SetSetting(*found, args[2]);
  if (!refusal.empty()) {
    context.host.warn(FullName(*found) + ": " + refusal);
    return kExitRefused;
  }
  return config.SaveSettings() ? kResultOk : kResultFailed;
}

}  // namespace

REGISTER_CLI_COMMAND(settings, "settings", "show | set Section.Key VALUE",
                     "print the persisted settings as Section.Key=value, or change one and save",
                     RunSettings);
